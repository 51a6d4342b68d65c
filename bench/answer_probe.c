/* How quickly a window answers: sends it a message that does nothing, COUNT
 * times, and prints the milliseconds each took to be answered, or "none"
 * when no answer came within three seconds. The pauses between the messages
 * are spread from 0 to MAX_PAUSE_MS by a fixed sequence, the same every run,
 * so the messages fall at all moments of a window's second instead of
 * keeping step with its timers.
 *
 *     answer_probe.exe TITLE COUNT MAX_PAUSE_MS
 */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
  if (argc != 4) {
    fprintf(stderr, "usage: answer_probe TITLE COUNT MAX_PAUSE_MS\n");
    return 2;
  }
  HWND window = FindWindowA(NULL, argv[1]);
  if (!window) {
    fprintf(stderr, "no window titled \"%s\"\n", argv[1]);
    return 1;
  }
  const int count = atoi(argv[2]);
  const unsigned maxPause = (unsigned)atoi(argv[3]);
  unsigned sequence = 20261208u;
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  for (int i = 0; i < count; ++i) {
    DWORD_PTR result;
    QueryPerformanceCounter(&start);
    const LRESULT answered = SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 3000, &result);
    QueryPerformanceCounter(&end);
    if (answered)
      printf("%.2f\n", (double)(end.QuadPart - start.QuadPart) * 1000.0 / (double)frequency.QuadPart);
    else
      printf("none\n");
    fflush(stdout);
    sequence = sequence * 1664525u + 1013904223u;
    Sleep(maxPause ? (sequence >> 8) % (maxPause + 1) : 0);
  }
  return 0;
}

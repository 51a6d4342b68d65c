/* The floor for the bar's footprint under Wine: a bare window of the bar's
   size with the bar's seven one-second timers, each tick doing nothing. */
#include <windows.h>

static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) return 0;
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  (void)previous;
  (void)commandLine;
  WNDCLASSA wc = {0};
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
  wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  wc.lpszClassName = "Floor";
  RegisterClassA(&wc);
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "Floor", "Floor", WS_POPUP, 0, 100, 1280, 25, NULL, NULL, instance, NULL);
  ShowWindow(window, show);
  for (UINT_PTR id = 1; id <= 7; ++id) SetTimer(window, id, 1000, NULL);
  MSG msg;
  while (GetMessageA(&msg, NULL, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

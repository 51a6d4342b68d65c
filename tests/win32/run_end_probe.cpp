// A program whose run ends while a job on its work queue hangs, as the bar's
// does when a performance-counter provider hangs. Its test times its end.
#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/worker_thread.h"

int main() {
  constexpr int exitCode = 7;
  platform::win32::WorkerThread queue("a job that hangs");
  const platform::win32::UniqueHandle started(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  const platform::win32::UniqueHandle never(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  queue.post([&] {
    ::SetEvent(started.get());
    ::WaitForSingleObject(never.get(), INFINITE);
  });
  ::WaitForSingleObject(started.get(), INFINITE);
  return platform::win32::endRun(queue, exitCode, 500);
}

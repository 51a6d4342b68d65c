// Program entry: the single-instance rule, then the program on the real
// window system until its main window closes.
#include <windows.h>

#include "app/program.h"
#include "platform/ports.h"
#include "platform/win32/exception_box.h"
#include "platform/win32/files.h"
#include "platform/win32/registry.h"
#include "platform/win32/resources.h"
#include "platform/win32/multimedia.h"
#include "platform/win32/processor_counters.h"
#include "platform/win32/session.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_info.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/worker_thread.h"
#include "toolkit/win32/backend.h"

namespace {

// Held for the life of the process; the system releases it when the process ends.
platform::win32::UniqueMutex singleInstanceMutex;

constexpr char mutexName[] = "MyOwnMutex";

bool anotherInstanceRuns() {
  platform::win32::UniqueMutex existing(::OpenMutexA(MUTEX_ALL_ACCESS, FALSE, mutexName));
  return static_cast<bool>(existing);
}

int runProgram(HINSTANCE instance) {
  if (anotherInstanceRuns()) return 0;
  singleInstanceMutex.reset(::CreateMutexA(nullptr, FALSE, mutexName));

  platform::win32::Win32SystemInfo systemInfo;
  platform::win32::Win32Resources resources;
  platform::win32::Win32Files files;
  platform::win32::Win32Shell shell;
  platform::win32::Win32Registry registry;
  platform::win32::Win32Session session;
  platform::win32::Win32Multimedia multimedia;
  platform::win32::Win32ProcessorCounters processorCounters;
  // After what its jobs use, so that it ends, and its thread is joined, first.
  platform::win32::WorkerThread workQueue("processor measurements");
  const platform::Ports ports{systemInfo, resources, files, shell, registry, session, multimedia, processorCounters,
                              workQueue};

  toolkit::win32::Win32Backend backend(instance);
  backend.onRegisteredMessage = [&shell](UINT message, WPARAM wParam, LPARAM lParam) {
    shell.registeredMessage(message, wParam, lParam);
  };
  int exitCode = 0;
  {
    veltrana::Program program(backend, ports);
    exitCode = backend.run();
  }
  // The windows are gone: the process ends within about a second, as Exit ends it.
  return platform::win32::endRun(workQueue, exitCode, 1000);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The handlers are guarded: what gets here came while the windows were being
  // made or torn down, when nothing else can tell the user.
  return platform::win32::runShowingExceptions("Veltrana", [instance] { return runProgram(instance); });
}

#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>

#include "platform/work_queue.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

// The work queue on a thread of its own, made by the first job: a program
// that never posts one keeps its single thread. Ending the queue drops the
// jobs still waiting, lets the one under way finish and joins the thread;
// a program ends it with finish(), which waits a bounded time.
// A slim lock and a condition variable rather than the C++ library's, whose
// MinGW build waits on kernel semaphores: under Wine each wait and wake of
// those is a round trip to the wineserver, twice a second.
class WorkerThread : public platform::WorkQueue {
 public:
  // `name` names the thread for a debugger, and in the trace of a job that failed.
  explicit WorkerThread(std::string name) : name_(std::move(name)) {}
  ~WorkerThread() override;
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  void post(std::function<void()> job) override;
  // Drops the jobs still waiting and gives the one under way `patience` to
  // finish: true when the thread has ended, false when the job still runs.
  bool finish(DWORD patienceMs);

 private:
  static unsigned __stdcall threadMain(void* self);
  void work();

  const std::string name_;
  SRWLOCK lock_ = SRWLOCK_INIT;
  CONDITION_VARIABLE wake_ = CONDITION_VARIABLE_INIT;
  // Guarded by lock_.
  std::deque<std::function<void()>> jobs_;
  bool ending_ = false;
  UniqueHandle thread_;
};

// Ends a program's run once its windows are gone: the queue's job under way
// gets `patienceMs` to finish; one that does not (a performance-counter
// provider that hangs) is abandoned with the process, which ends at once with
// the exit code, so that no windowless process keeps the single-instance
// mutex. Returns the exit code when the job finished in time.
int endRun(WorkerThread& queue, int exitCode, DWORD patienceMs);

}  // namespace platform::win32

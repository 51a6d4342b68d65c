#include "platform/win32/worker_thread.h"

#include <process.h>

#include "platform/win32/system_library.h"
#include "platform/win32/text.h"
#include "platform/win32/trace.h"

namespace platform::win32 {

namespace {

// The lock held for a scope.
class Locked {
 public:
  explicit Locked(SRWLOCK& lock) : lock_(lock) { ::AcquireSRWLockExclusive(&lock_); }
  ~Locked() { ::ReleaseSRWLockExclusive(&lock_); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  SRWLOCK& lock_;
};

}  // namespace

WorkerThread::~WorkerThread() { finish(INFINITE); }

bool WorkerThread::finish(DWORD patienceMs) {
  std::deque<std::function<void()>> dropped;
  {
    Locked locked(lock_);
    ending_ = true;
    dropped.swap(jobs_);
  }
  ::WakeConditionVariable(&wake_);
  if (!thread_) return true;
  if (::WaitForSingleObject(thread_.get(), patienceMs) != WAIT_OBJECT_0) return false;
  thread_.reset();
  return true;
}

int endRun(WorkerThread& queue, int exitCode, DWORD patienceMs) {
  if (queue.finish(patienceMs)) return exitCode;
  // Not ExitProcess: that would call every library's farewell while the
  // abandoned thread may hold a lock of one of them.
  ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(exitCode));
  return exitCode;
}

void WorkerThread::post(std::function<void()> job) {
  {
    Locked locked(lock_);
    if (ending_) return;  // finished: nothing runs any more
    jobs_.push_back(std::move(job));
  }
  if (!thread_) {
    // Through the C runtime, which then sets up what its functions keep per thread.
    thread_.reset(reinterpret_cast<HANDLE>(::_beginthreadex(nullptr, 0, &WorkerThread::threadMain, this, 0, nullptr)));
    // Without a thread the jobs wait, and the next post tries again.
    if (!thread_) traceIgnoredFailure("_beginthreadex");
    return;
  }
  ::WakeConditionVariable(&wake_);
}

unsigned __stdcall WorkerThread::threadMain(void* self) {
  auto& worker = *static_cast<WorkerThread*>(self);
  // Windows 10 1607 and later name threads; looked up, so that the program runs on 7 as well.
  const auto describe =
      functionIn<HRESULT WINAPI(HANDLE, PCWSTR)>(::GetModuleHandleW(L"kernel32.dll"), "SetThreadDescription");
  if (describe && FAILED(describe(::GetCurrentThread(), widen(worker.name_).c_str())))
    traceIgnoredFailure("SetThreadDescription");
  worker.work();
  return 0;
}

void WorkerThread::work() {
  for (;;) {
    std::function<void()> job;
    {
      Locked locked(lock_);
      while (jobs_.empty() && !ending_) ::SleepConditionVariableSRW(&wake_, &lock_, INFINITE, 0);
      if (ending_) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
    }
    try {
      job();
    } catch (...) {
      // A job that failed is only missing; the next one is asked for anyway.
      traceIgnoredException(name_.c_str());
    }
  }
}

}  // namespace platform::win32

#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <string>
#include <vector>

#include "platform/win32/processor_counters.h"
#include "platform/win32/system_info.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/worker_thread.h"
#include "readouts/task_manager_readouts.h"

namespace {

int threadsOfThisProcess() {
  const platform::win32::UniqueFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = ::Thread32First(snapshot.get(), &entry); more; more = ::Thread32Next(snapshot.get(), &entry))
    count += entry.th32OwnerProcessID == ::GetCurrentProcessId();
  return count;
}

platform::win32::UniqueHandle newEvent() { return platform::win32::UniqueHandle(::CreateEventW(nullptr, TRUE, FALSE, nullptr)); }

TEST(WorkerThread, MadeByTheFirstJobRunsJobsInOrderAwayFromTheCallerAndEndsAfterTheOneUnderWay) {
  const int threads = threadsOfThisProcess();
  std::vector<int> ran;  // by the worker; read once it is joined
  DWORD worker = 0;
  {
    platform::win32::WorkerThread queue{"measurements under test"};
    EXPECT_EQ(threadsOfThisProcess(), threads) << "no thread before there is work";
    const auto done = newEvent();
    for (int i = 0; i < 3; ++i)
      queue.post([&ran, &worker, i] {
        ran.push_back(i);
        worker = ::GetCurrentThreadId();
      });
    queue.post([&done] { ::SetEvent(done.get()); });
    ASSERT_EQ(::WaitForSingleObject(done.get(), 10000), WAIT_OBJECT_0);
    EXPECT_EQ(threadsOfThisProcess(), threads + 1);

    // As long as the frequency's count, so that the queue ends while it runs.
    const auto started = newEvent();
    queue.post([&ran, &started] {
      ::SetEvent(started.get());
      ::Sleep(500);
      ran.push_back(3);
    });
    queue.post([&ran] { ran.push_back(4); });
    ASSERT_EQ(::WaitForSingleObject(started.get(), 10000), WAIT_OBJECT_0);
  }
  EXPECT_EQ(ran, (std::vector<int>{0, 1, 2, 3})) << "in order; the job under way finished, the one waiting dropped";
  EXPECT_NE(worker, ::GetCurrentThreadId());
  EXPECT_EQ(threadsOfThisProcess(), threads) << "joined";
}

TEST(WorkerThread, FinishingGivesTheJobUnderWayItsPatienceAndNoMore) {
  platform::win32::WorkerThread queue{"measurements under test"};
  const auto started = newEvent(), release = newEvent();
  queue.post([&] {
    ::SetEvent(started.get());
    ::WaitForSingleObject(release.get(), INFINITE);
  });
  ASSERT_EQ(::WaitForSingleObject(started.get(), 10000), WAIT_OBJECT_0);
  bool ranAfter = false;
  queue.post([&ranAfter] { ranAfter = true; });
  const DWORD before = ::GetTickCount();
  EXPECT_FALSE(queue.finish(300)) << "the job still runs";
  EXPECT_LT(::GetTickCount() - before, 5000u) << "and finishing does not wait for it";
  ::SetEvent(release.get());
  EXPECT_TRUE(queue.finish(10000)) << "once it is done";
  EXPECT_FALSE(ranAfter) << "the job that waited was dropped";
}

// The process whose run ends over a hanging job ends all the same, within
// its patience, with its exit code.
TEST(WorkerThread, ARunThatEndsWhileAJobHangsEndsTheProcess) {
  wchar_t self[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring probe(self);
  probe = probe.substr(0, probe.find_last_of(L'\\') + 1) + L"run_end_probe.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(::CreateProcessW(probe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  const platform::win32::UniqueHandle processHandle(process.hProcess), threadHandle(process.hThread);
  ASSERT_EQ(::WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0) << "ended, not kept alive by the job";
  DWORD code = 0;
  ::GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 7u);
}

// The performance-counter library costs nothing until line 11 reads the
// counters, and goes with them.
TEST(ProcessorCounters, ThePerformanceLibraryComesWithTheFirstReadingAndGoesWhenTheyAreClosed) {
  if (::GetModuleHandleW(L"pdh.dll")) GTEST_SKIP() << "something else in this process loaded pdh.dll";
  platform::win32::Win32ProcessorCounters counters;
  EXPECT_EQ(::GetModuleHandleW(L"pdh.dll"), nullptr);
  counters.utility();
  counters.speed();
  EXPECT_NE(::GetModuleHandleW(L"pdh.dll"), nullptr);
  ::Sleep(100);
  const auto utility = counters.utility();
  const auto speed = counters.speed();
  std::printf("  counters: utility %s, performance %s, nominal clock %s\n",
              utility ? std::to_string(*utility).c_str() : "none",
              speed.performance ? std::to_string(*speed.performance).c_str() : "none",
              speed.nominalMhz ? std::to_string(*speed.nominalMhz).c_str() : "none");
  counters.close();
  EXPECT_EQ(::GetModuleHandleW(L"pdh.dll"), nullptr);
}

// Line 11's readouts on the real thread and counters (under Wine: the
// fallbacks), while this thread, as the bar's, only asks and reads.
TEST(TaskManagerReadouts, ArriveFromTheirThreadWhileThisOneKeepsItsPriorities) {
  platform::win32::Win32SystemInfo system;
  platform::win32::Win32ProcessorCounters counters;
  platform::win32::WorkerThread queue{"measurements under test"};
  const DWORD priorityClass = ::GetPriorityClass(::GetCurrentProcess());
  const int threadPriority = ::GetThreadPriority(::GetCurrentThread());
  veltrana::TaskManagerReadouts readouts(system, counters, queue);
  bool raised = false;
  for (int tick = 0; tick < 200 && !(readouts.speedGHz() && readouts.loadPosition()); ++tick) {
    readouts.measureSpeed();
    readouts.measureLoad();
    ::Sleep(50);
    raised = raised || ::GetPriorityClass(::GetCurrentProcess()) != priorityClass ||
             ::GetThreadPriority(::GetCurrentThread()) != threadPriority;
  }
  ASSERT_TRUE(readouts.speedGHz() && readouts.loadPosition()) << "both within 10 s";
  std::printf("  frequency %.9g GHz, load %d\n", *readouts.speedGHz(), *readouts.loadPosition());
  EXPECT_GT(*readouts.speedGHz(), 0.1);
  EXPECT_GE(*readouts.loadPosition(), 0);
  EXPECT_LE(*readouts.loadPosition(), 100);
  EXPECT_FALSE(raised) << "the count raises its own thread alone";
}

}  // namespace

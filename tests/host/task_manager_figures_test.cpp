#include <gtest/gtest.h>

#include <algorithm>

#include "options/counters_check.h"
#include "platform/processor_counters.h"
#include "readouts/task_manager_readouts.h"
#include "support/scenario.h"

namespace {

using fakes::component;

// Line 11 on, lines 8 to 10 empty.
const std::string matchSettings = std::string(fakes::defaultSettings) + "\r\n\r\n\r\nMatch\r\n";

std::string frequency(fakes::Scenario& s) { return component<toolkit::Label>(s.bar(), "Label11").caption(); }
int load(fakes::Scenario& s) { return component<veltrana::TGauge>(s.bar(), "Gauge1").Progress(); }

bool raisedTheProcessClass(const fakes::FakeSystemInfo& system) {
  return std::any_of(system.priorityLog.begin(), system.priorityLog.end(),
                     [](const std::string& entry) { return entry.starts_with("process"); });
}

TEST(TaskManagerFigures, AreTheCountersCappedOrNothingWhereTheyGiveNone) {
  using veltrana::taskManagerLoad;
  using veltrana::taskManagerSpeedGHz;
  EXPECT_EQ(taskManagerLoad(37.4), 37.4);
  EXPECT_EQ(taskManagerLoad(131.2), 100.0) << "the utility passes 100 above the nominal clock: capped";
  EXPECT_EQ(taskManagerLoad(0.0), 0.0) << "an idle machine is a reading";
  EXPECT_EQ(taskManagerLoad(std::nullopt), std::nullopt) << "missing, failed or a first sample";
  EXPECT_EQ(taskManagerLoad(-3.0), std::nullopt);
  EXPECT_EQ(veltrana::taskManagerLoadPosition(37.5), 38);
  EXPECT_EQ(veltrana::taskManagerLoadPosition(0.4), 0);

  EXPECT_EQ(taskManagerSpeedGHz({112.9, 2994.0}), 3.38) << "2994 MHz x 112.9 %, to the whole MHz";
  EXPECT_EQ(taskManagerSpeedGHz({100.0, 2994.0}), 2.994);
  EXPECT_EQ(taskManagerSpeedGHz({0.0, 2994.0}), std::nullopt) << "a performance of 0 is no reading";
  EXPECT_EQ(taskManagerSpeedGHz({std::nullopt, 2994.0}), std::nullopt) << "the first sample of a rate counter";
  EXPECT_EQ(taskManagerSpeedGHz({112.9, std::nullopt}), std::nullopt) << "no nominal clock";
}

// Under Wine none of the counters is there: both readouts fall back to the
// bar's own methods, measured on the work queue's thread.
TEST(TaskManagerFigures, WithoutWindowsCountersTheBarsOwnMethodsRunOffItsThread) {
  fakes::Scenario s;
  s.systemInfo.cyclesPerHalfSecond = 1'496'123'456;
  s.systemInfo.processors = 2;
  s.writeSettings(matchSettings);
  s.start();
  for (int second = 0; second < 4; ++second) {
    s.systemInfo.pass(1000, 1000);  // one of two processors busy
    s.advanceSecondsWorking(1);
  }
  EXPECT_EQ(frequency(s), "2.992246912");
  EXPECT_EQ(load(s), 50) << "the idle-time reading, as rounded without the line";
  EXPECT_EQ(s.systemInfo.sleepsOnGuiThread, 0);
  EXPECT_GE(s.systemInfo.sleptMs, 3 * 510u) << "the half-second counts slept on the other thread";
  EXPECT_FALSE(raisedTheProcessClass(s.systemInfo)) << "the class would raise the GUI thread too";
  EXPECT_EQ(s.systemInfo.current.thread, 0) << "the counting thread's priority restored";

  // Off again: the bar's own probe and sampler are back on its thread, and
  // the counters are let go.
  s.setLine(11, "");
  for (int second = 0; second < 3; ++second) {
    s.systemInfo.pass(1000, 1000);
    s.advanceSecondsWorking(1);
  }
  EXPECT_GT(s.systemInfo.sleepsOnGuiThread, 0);
  EXPECT_EQ(s.processorCounters.closes, 1);
  EXPECT_TRUE(raisedTheProcessClass(s.systemInfo));
}

TEST(TaskManagerFigures, WithWindowsCountersTheReadoutsAreTaskManagersAndEachFallsBackAlone) {
  fakes::Scenario s;
  s.systemInfo.cyclesPerHalfSecond = 1'496'123'456;
  s.processorCounters.utilityValue = 131.2;
  s.processorCounters.performance = 112.9;
  s.processorCounters.nominalMhz = 2994;
  s.writeSettings(matchSettings);
  s.start();
  s.advanceSecondsWorking(1);
  EXPECT_EQ(frequency(s), "----") << "nothing finished before the first tick";
  s.advanceSecondsWorking(1);
  EXPECT_EQ(frequency(s), "2.992246912") << "the counter's first sample reads nothing: counted instead";
  s.advanceSecondsWorking(1);
  EXPECT_EQ(frequency(s), "3.38");
  EXPECT_EQ(load(s), 100) << "capped";
  const auto slept = s.systemInfo.sleptMs;
  s.advanceSecondsWorking(3);
  EXPECT_EQ(s.systemInfo.sleptMs, slept) << "with the counters nothing sleeps at all";

  s.processorCounters.performance = 0;
  s.processorCounters.utilityValue.reset();  // the counter fails
  s.systemInfo.pass(1000, 2000);             // both processors idle
  s.advanceSecondsWorking(2);
  EXPECT_EQ(frequency(s), "2.992246912") << "a performance of 0: counted";
  EXPECT_EQ(load(s), 0) << "the idle-time reading of that interval, not the counter's last";
  s.processorCounters.utilityValue = 12.6;
  s.advanceSecondsWorking(2);
  EXPECT_EQ(load(s), 13) << "the counter again as soon as it reads";
  EXPECT_EQ(s.systemInfo.sleepsOnGuiThread, 0);
}

// A worker that falls behind is asked for nothing more until it is done; a
// stopped update interval asks for nothing; turned off and on, the line
// lets the counters go and opens them afresh.
TEST(TaskManagerFigures, OneMeasurementOfEachKindAtATimeAndNoneWhileTheReadoutsStandStill) {
  fakes::Scenario s;
  s.processorCounters.utilityValue = 40;
  s.writeSettings(matchSettings);
  s.start();
  s.advanceSeconds(5);
  EXPECT_EQ(s.workQueue.jobs.size(), 2u) << "one load and one frequency job waiting, not five of each";
  EXPECT_EQ(load(s), 0);
  s.workQueue.runJobs();
  s.advanceSecondsWorking(2);
  EXPECT_EQ(load(s), 40);

  s.setLine(1, "0");
  s.advanceSecondsWorking(1);
  const int samples = s.processorCounters.utilitySamples;
  s.advanceSecondsWorking(5);
  EXPECT_EQ(s.processorCounters.utilitySamples, samples) << "update interval 0: the readouts freeze";
  EXPECT_TRUE(s.workQueue.jobs.empty());

  s.setLine(1, "1");
  s.setLine(11, "");
  s.advanceSecondsWorking(2);
  EXPECT_EQ(s.processorCounters.closes, 1) << "let go with the line";
  s.processorCounters.utilityValue = 75;
  s.setLine(11, "Match");
  s.advanceSecondsWorking(4);
  EXPECT_EQ(load(s), 75) << "opened afresh";
}

TEST(TaskManagerFigures, OptionsSaysWhichReadoutsFollowTaskManager) {
  fakes::FakeProcessorCounters counters;
  const auto noteFor = [&counters] {
    veltrana::options::CountersCheck check(counters);
    EXPECT_EQ(check.begin(), "Looking for Windows' counters...");
    return check.finish();
  };
  EXPECT_EQ(noteFor(), "Windows' counters were not found: the bar measures load and frequency as without this box.");
  counters.utilityValue = 3;
  EXPECT_EQ(noteFor(), "Load as Task Manager shows it; Windows' counters give no frequency, which the bar "
                       "measures as without this box.");
  counters.performance = 0;
  counters.nominalMhz = 2994;
  EXPECT_EQ(noteFor(), "Load as Task Manager shows it; Windows' counters give no frequency, which the bar "
                       "measures as without this box.")
      << "a performance of 0 reads nothing";
  counters.performance = 98;
  EXPECT_EQ(noteFor(), "Load and frequency as Task Manager shows them.");
  counters.utilityValue.reset();
  EXPECT_EQ(noteFor(), "Frequency as Task Manager shows it; Windows' counters give no load, which the bar measures "
                       "as without this box.");
  EXPECT_EQ(counters.closes, 5) << "let go after each look";
}

}  // namespace

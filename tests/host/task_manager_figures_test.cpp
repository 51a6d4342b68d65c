#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <future>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <thread>

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

// What a broken counter provider gives is no reading either: the bar then
// counts the clock itself, as without the counters.
TEST(TaskManagerFigures, SpeedIsNothingForFiguresNoProcessorGives) {
  using veltrana::taskManagerSpeedGHz;
  EXPECT_EQ(taskManagerSpeedGHz({-5.0, -500.0}), std::nullopt) << "two negatives make a positive product";
  EXPECT_EQ(taskManagerSpeedGHz({-112.9, 2994.0}), std::nullopt);
  EXPECT_EQ(taskManagerSpeedGHz({112.9, -2994.0}), std::nullopt);
  EXPECT_EQ(taskManagerSpeedGHz({112.9, 0.0}), std::nullopt);
  EXPECT_EQ(taskManagerSpeedGHz({1e12, 1e6}), std::nullopt) << "ten million GHz would run into its caption";
  EXPECT_EQ(taskManagerSpeedGHz({400.0, 6000.0}), std::nullopt) << "24 GHz";
  EXPECT_EQ(taskManagerSpeedGHz({std::nan(""), 2994.0}), std::nullopt);
  EXPECT_EQ(taskManagerSpeedGHz({100.0, std::numeric_limits<double>::infinity()}), std::nullopt);
  EXPECT_EQ(taskManagerSpeedGHz({150.0, 6000.0}), 9.0) << "an overclocked processor is a reading";
  EXPECT_EQ(taskManagerSpeedGHz({100.0, 0.6}), std::nullopt) << "below 1 MHz";

  fakes::Scenario s;
  s.systemInfo.cyclesPerHalfSecond = 1'496'123'456;
  s.processorCounters.utilityValue = 20;
  s.processorCounters.performance = -50;
  s.processorCounters.nominalMhz = -2994;
  s.writeSettings(matchSettings);
  s.start();
  s.advanceSecondsWorking(4);
  EXPECT_EQ(frequency(s), "2.992246912") << "counted, as without the counters";
  s.processorCounters.performance = 1e12;
  s.processorCounters.nominalMhz = 1e6;
  s.advanceSecondsWorking(2);
  EXPECT_EQ(frequency(s), "2.992246912");
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

// The readouts a note names in its clause about Task Manager, and those in
// its clause about the bar's own measuring: a clause ends at ';' or ':'.
struct NoteRoles {
  std::set<std::string> followTaskManager;
  std::set<std::string> measuredByTheBar;
};

NoteRoles rolesIn(const std::string& note) {
  NoteRoles roles;
  std::string lower;
  for (char c : note) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::size_t start = 0;
  while (start < lower.size()) {
    const std::size_t end = std::min(lower.find_first_of(";:", start), lower.size());
    const std::string clause = lower.substr(start, end - start);
    for (const char* readout : {"load", "frequency"}) {
      if (clause.find(readout) == std::string::npos) continue;
      if (clause.find("as task manager shows") != std::string::npos) roles.followTaskManager.insert(readout);
      if (clause.find("the bar measures") != std::string::npos) roles.measuredByTheBar.insert(readout);
    }
    start = end + 1;
  }
  return roles;
}

TEST(TaskManagerFigures, OptionsNamesTheReadoutsThatFollowTheCountersAndThoseTheBarMeasures) {
  using Set = std::set<std::string>;
  fakes::FakeProcessorCounters counters;
  int looks = 0;
  const auto rolesFor = [&] {
    veltrana::options::CountersCheck check(counters);
    const std::string waiting = check.begin();
    EXPECT_EQ(rolesIn(waiting).followTaskManager, Set{}) << "nothing is known before the second reading: " << waiting;
    ++looks;
    return rolesIn(check.finish());
  };
  struct Case {
    std::optional<double> utility, performance, nominalMhz;
    Set follow, measured;
    const char* what;
  };
  const Case cases[] = {
      {std::nullopt, std::nullopt, std::nullopt, {}, {"load", "frequency"}, "no counters (Wine)"},
      {3, std::nullopt, std::nullopt, {"load"}, {"frequency"}, "no frequency counters"},
      {3, 0, 2994, {"load"}, {"frequency"}, "a performance of 0 reads nothing"},
      {3, -50, -2994, {"load"}, {"frequency"}, "a broken provider's figures"},
      {3, 98, 2994, {"load", "frequency"}, {}, "both"},
      {std::nullopt, 98, 2994, {"frequency"}, {"load"}, "no load counter"},
  };
  for (const Case& c : cases) {
    counters.utilityValue = c.utility;
    counters.performance = c.performance;
    counters.nominalMhz = c.nominalMhz;
    const NoteRoles roles = rolesFor();
    EXPECT_EQ(roles.followTaskManager, c.follow) << c.what;
    EXPECT_EQ(roles.measuredByTheBar, c.measured) << c.what;
  }
  EXPECT_EQ(counters.closes, looks) << "let go after each look";
}

// A counter provider that hangs (broken, or rebuilding its counters) while
// the bar closes: the bar does not wait for it, and the counters are let go
// only after the measurement that hangs in them, whenever that ends.
TEST(TaskManagerReadouts, ClosingWhileACounterHangsLeavesItsMeasurementBehind) {
  struct HangingCounters : fakes::FakeProcessorCounters {
    std::optional<double> utility() override {
      entered.set_value();
      released.get_future().wait();
      return std::nullopt;
    }
    std::promise<void> entered, released;
  } counters;
  fakes::FakeSystemInfo system;
  fakes::FakeWorkQueue queue;
  std::optional<veltrana::TaskManagerReadouts> readouts(std::in_place, system, counters, queue);
  readouts->measureLoad();
  ASSERT_EQ(queue.jobs.size(), 1u);
  std::thread underWay(std::move(queue.jobs.front()));
  queue.jobs.pop_front();
  counters.entered.get_future().wait();

  readouts.reset();  // the bar closes
  EXPECT_EQ(counters.closes, 0) << "not closed under the measurement";
  ASSERT_EQ(queue.jobs.size(), 1u) << "the close waits its turn on the queue";
  counters.released.set_value();
  underWay.join();
  queue.runJobs();
  EXPECT_EQ(counters.closes, 1);
}

}  // namespace

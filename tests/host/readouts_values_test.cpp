#include <gtest/gtest.h>

#include <cmath>

#include "readouts/captions.h"
#include "readouts/memory_readout.h"
#include "readouts/processor_frequency.h"
#include "readouts/processor_load.h"
#include "support/scenario.h"

namespace {

using fakes::component;

constexpr std::uint64_t MB = std::uint64_t{1} << 20;

TEST(MemoryReadout, ShowsTotalInMegabytesAndTheFreeShareTruncated) {
  EXPECT_EQ(veltrana::totalMemoryCaption({536870912, 134217728}), "512 MB");
  EXPECT_EQ(veltrana::freeMemoryPercent({536870912, 134217728}), 25u);
  EXPECT_EQ(veltrana::totalMemoryCaption({24576 * MB, 0}), "24576 MB") << "64-bit figures: not 2047 or 4095";
  EXPECT_EQ(veltrana::freeMemoryPercent({24576 * MB, 12288 * MB}), 50u);
  EXPECT_EQ(veltrana::freeMemoryPercent({1000, 999}), 99u);
  EXPECT_EQ(veltrana::freeMemoryPercent({50, 50}), 0u) << "under 100 bytes: no division by zero";
}

TEST(MemoryReadout, GaugeTurnsRedAtNinePercentAndSilverAgainAtTen) {
  fakes::Scenario s;
  s.systemInfo.memory = {536870912, 134217728};
  s.start();
  auto& bar = s.bar();
  s.advanceSeconds(1);
  EXPECT_EQ(component<toolkit::Label>(bar, "TotalPhys").caption(), "512 MB");
  EXPECT_EQ(component<veltrana::TGauge>(bar, "RamGauge").Progress(), 25);
  EXPECT_EQ(component<veltrana::TGauge>(bar, "RamGauge").ForeColor(), toolkit::colors::silver);

  s.systemInfo.memory = {1000 * MB, 95 * MB};
  s.advanceSeconds(1);
  EXPECT_EQ(component<veltrana::TGauge>(bar, "RamGauge").Progress(), 9);
  EXPECT_EQ(component<veltrana::TGauge>(bar, "RamGauge").ForeColor(), toolkit::colors::red);
  s.systemInfo.memory = {1000 * MB, 100 * MB};
  s.advanceSeconds(1);
  EXPECT_EQ(component<veltrana::TGauge>(bar, "RamGauge").Progress(), 10);
  EXPECT_EQ(component<veltrana::TGauge>(bar, "RamGauge").ForeColor(), toolkit::colors::silver);
}

TEST(RefreshRate, ShowsWhatTheDisplayReportsAfterTheDate) {
  fakes::Scenario s;
  s.backend.refreshRate = 1;
  s.start();
  EXPECT_EQ(component<toolkit::Label>(s.bar(), "Hz").caption(), "----Hz");
  s.advanceSeconds(1);
  EXPECT_EQ(component<toolkit::Label>(s.bar(), "Hz").caption(), "1Hz");
  EXPECT_EQ(veltrana::refreshRateCaption(75), "75Hz");
}

TEST(ProcessorLoad, FollowsTheWorkedExamples) {
  using veltrana::processorLoadPosition;
  EXPECT_EQ(processorLoadPosition(6e6, 1e7, 1), 40) << "40.5 formats as 41, less one";
  EXPECT_EQ(processorLoadPosition(18e6, 1e7, 2), 10) << "10.5 formats as 11, less one";
  EXPECT_EQ(processorLoadPosition(1e7, 1e7, 1), 0) << "idle: 0.5 formats as 1";
  EXPECT_EQ(processorLoadPosition(0, 1e7, 1), 100) << "busy: 100.5 formats as 101";
  EXPECT_EQ(processorLoadPosition(3e7, 1e7, 2), -51) << "counter irregularities go negative";
  EXPECT_EQ(veltrana::Li2Double(5, 1), 4294967301.0);
  EXPECT_EQ(veltrana::Li2Double(0, -1), -4294967296.0);
}

TEST(ProcessorLoad, MovesTheGaugeFromTheSecondSampleOn) {
  fakes::Scenario s;
  s.systemInfo.processors = 2;
  s.start();
  auto& gauge = component<veltrana::TGauge>(s.bar(), "Gauge1");
  s.systemInfo.pass(1000, 1800);
  s.advanceSeconds(1);
  EXPECT_EQ(gauge.Progress(), 0) << "the first sample only stores";
  EXPECT_EQ(s.systemInfo.lookups, 1);

  s.systemInfo.pass(1000, 1000);  // one of two processors busy
  s.advanceSeconds(1);
  EXPECT_EQ(gauge.Progress(), 50);

  s.systemInfo.pass(1000, 3000);  // more idle than two processors allow
  s.advanceSeconds(1);
  EXPECT_EQ(gauge.Progress(), 0) << "negative load clamps to 0";

  s.systemInfo.pass(1000, 0);
  s.advanceSeconds(1);
  EXPECT_EQ(gauge.Progress(), 100);
  EXPECT_EQ(s.systemInfo.lookups, 1) << "the query is looked up once";
}

TEST(ProcessorLoad, AFailingQueryChangesNothingAndTheNextTickTriesAgain) {
  fakes::Scenario s;
  s.start();
  auto& gauge = component<veltrana::TGauge>(s.bar(), "Gauge1");
  s.systemInfo.pass(1000, 1000);
  s.advanceSeconds(1);  // first sample stored
  s.systemInfo.pass(1000, 0);
  s.systemInfo.failingClass = 2;
  s.advanceSeconds(1);
  EXPECT_EQ(gauge.Progress(), 0);
  s.systemInfo.failingClass.reset();
  s.systemInfo.pass(1000, 0);
  s.advanceSeconds(1);
  EXPECT_EQ(gauge.Progress(), 100) << "averaged over both seconds since the last good sample";

  s.systemInfo.pass(0, 0);  // no time passed
  s.advanceSeconds(1);
  EXPECT_EQ(gauge.Progress(), 100) << "no reading";
  s.systemInfo.processors = 0;
  s.systemInfo.pass(1000, 500);
  s.advanceSeconds(1);
  EXPECT_EQ(gauge.Progress(), 100) << "a record without processors gives no reading";
}

TEST(ProcessorLoad, WithoutTheQueryTheSamplerLooksForItAgainAtEveryTick) {
  fakes::Scenario s;
  s.systemInfo.queryExists = false;
  s.start();
  s.advanceSeconds(5);
  EXPECT_EQ(s.systemInfo.lookups, 5);
  EXPECT_EQ(s.systemInfo.queries, 0);
  s.systemInfo.queryExists = true;
  s.advanceSeconds(5);
  EXPECT_EQ(s.systemInfo.lookups, 6) << "found once, it is kept";
  EXPECT_GT(s.systemInfo.queries, 0);
}

TEST(ProcessorFrequency, CountsCyclesAcrossHalfASecondAtRaisedPriority) {
  EXPECT_EQ(veltrana::cyclesToGHz(1'500'000'000), 3.0);
  EXPECT_EQ(veltrana::generalFormat(veltrana::cyclesToGHz(1'500'000'000), "."), "3");
  EXPECT_EQ(veltrana::generalFormat(veltrana::cyclesToGHz(1'000'000'001), "."), "2.000000002");
  EXPECT_EQ(veltrana::generalFormat(veltrana::cyclesToGHz(1'496'123'456), "."), "2.992246912");
  EXPECT_EQ(veltrana::generalFormat(veltrana::cyclesToGHz(4'394'967'296), "."), "8.789934592")
      << "the whole 64-bit count: no wrap above 8.59 GHz";
  EXPECT_EQ(veltrana::generalFormat(2.5, ","), "2,5");
  EXPECT_EQ(veltrana::generalFormat(0, "."), "0");

  fakes::FakeSystemInfo system;
  system.cyclesPerHalfSecond = 1'496'123'456;
  veltrana::ProcessorSpeedProbe probe;
  EXPECT_EQ(probe.measure(system), 2.992246912);
  EXPECT_EQ(system.sleeps, (std::vector<std::uint32_t>{10, 500}));
  EXPECT_EQ(system.priorityLog,
            (std::vector<std::string>{"process 256", "thread 15", "thread 0", "process 32"}))
      << "raised, then restored thread first";
  EXPECT_EQ(system.current.processClass, 0x20u);
  EXPECT_EQ(system.current.thread, 0);
}

TEST(ProcessorFrequency, ReadsThePrioritiesOnceAndRestoresThemAfterEveryCount) {
  fakes::FakeSystemInfo system;
  system.current = {0x4000, -1};  // below normal, a thread one step lower
  for (const auto raised : {veltrana::RaisedPriority::processAndThread, veltrana::RaisedPriority::threadOnly}) {
    veltrana::ProcessorSpeedProbe probe(raised);
    system.priorityReads = 0;
    for (int count = 1; count <= 3; ++count) {
      probe.measure(system);
      EXPECT_EQ(system.current.processClass, 0x4000u) << "after count " << count;
      EXPECT_EQ(system.current.thread, -1) << "after count " << count;
    }
    EXPECT_EQ(system.priorityReads, 1) << "read before the first count only";
  }

  fakes::Scenario s;
  s.start();
  s.advanceSeconds(5);
  EXPECT_EQ(s.systemInfo.priorityReads, 1) << "one read in five ticks of the bar";
  EXPECT_EQ(s.systemInfo.current.processClass, 0x20u);
}

TEST(ProcessorFrequency, TheMemoryReadoutRunsFirstInTheSameTick) {
  fakes::Scenario s;
  s.systemInfo.cyclesPerHalfSecond = 1'000'000'001;
  s.systemInfo.separator = ",";
  s.start();
  EXPECT_EQ(component<toolkit::Label>(s.bar(), "Label11").caption(), "----");
  s.advanceSeconds(1);
  EXPECT_EQ(component<toolkit::Label>(s.bar(), "Label11").caption(), "2,000000002");
  EXPECT_EQ(component<toolkit::Label>(s.bar(), "TotalPhys").caption(), "24576 MB");
}

}  // namespace

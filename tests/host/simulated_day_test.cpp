#include <gtest/gtest.h>

#include <memory>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "support/scenario.h"

namespace {

using fakes::component;

using fakes::Scenario;

// Bytes of heap in use, where the C library tells.
long heapInUse() {
#if defined(__GLIBC__)
  return static_cast<long>(mallinfo2().uordblks);
#else
  return 0;
#endif
}

std::string settings(int tenSeconds, int minute, bool faulty) {
  static const char* const skins[] = {"Silver", "Olive", "Blue"};
  std::string text = faulty ? "one\r\n" : "1\r\n";
  text += "5\r\n";
  text += std::string(skins[minute % 3]) + "\r\n";
  text += tenSeconds % 2 ? "255\r\n" : "0\r\n";
  text += "32768\r\n";
  text += tenSeconds % 3 ? "True\r\n" : "False\r\n";
  text += tenSeconds % 2 ? "Move\r\n" : "Stay\r\n";
  return text;
}

// A day of the program on the virtual clock: the settings file rewritten
// every 10 s, the skin switched every minute, a faulty line for five seconds
// every hour. Nothing may be left behind and nothing may grow.
TEST(SimulatedDay, FreesEverythingItCreatedAndDoesNotGrow) {
  constexpr int day = 24 * 60 * 60;
  constexpr int warmUp = 10 * 60;
  long heapAfterWarmUp = 0;
  std::weak_ptr<const toolkit::Pixmap> firstSkin;
  int faultyPeriods = 0;
  int errorBoxes = 0;
  {
    Scenario s;
    s.writeSettings(settings(0, 0, false));
    s.start();
    for (int t = 1; t <= day; ++t) {
      const bool faulty = t % 3600 >= 30 && t % 3600 < 35;
      if (t % 3600 == 30) ++faultyPeriods;
      if (t % 10 == 0 || t % 3600 == 30 || t % 3600 == 35) s.writeSettings(settings(t / 10, t / 60, faulty));
      s.advanceSeconds(1);
      errorBoxes += static_cast<int>(s.backend.errorBoxes.size());
      s.forgetRecords();
      if (t == 61) firstSkin = component<toolkit::Image>(s.bar(), "Image1").picture();
      // By then every variation of the schedule has run once: all three skins,
      // both colours, both move modes, a faulty line.
      if (t == warmUp) heapAfterWarmUp = heapInUse();
      ASSERT_EQ(s.files.openHandles, 0) << "at " << t << " s";
    }
    EXPECT_EQ(s.workClock(), "24:00:00");
    EXPECT_EQ(errorBoxes, faultyPeriods) << "one report per faulty period";
    EXPECT_TRUE(firstSkin.expired()) << "a replaced skin is freed";
    const long heapAtTheEnd = heapInUse();
    // The same blocks can count some bytes more or less by where they lie:
    // glibc hands out a whole free chunk when what would be left of it is
    // too small to be one. Losing the smallest block once an hour is more.
    constexpr long placementSlack = 256;
    EXPECT_LE(heapAtTheEnd, heapAfterWarmUp + placementSlack)
        << "heap in use after a day against after the first ten minutes";

    s.program.reset();
    EXPECT_EQ(s.backend.scheduledTimers(), 0u) << "every timer stopped";
    EXPECT_EQ(s.backend.liveWindows(), 0u) << "every window destroyed";
    EXPECT_TRUE(s.shell.trayIcons.empty()) << "the tray icon removed";
    EXPECT_EQ(s.files.openHandles, 0);
  }
  EXPECT_EQ(faultyPeriods, 24);
}

}  // namespace

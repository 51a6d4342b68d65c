// One simulated hour of the whole program on the host, default settings: the
// work the handlers do per simulated second, to be counted by callgrind
// (scripts/bench), and what the bar asked the window system to repaint.
#include <cstdio>

#include "support/scenario.h"

int main() {
  fakes::Scenario s(1280, 1024);
  s.files.readPiece = 4096;  // read the settings file as a real file is read
  s.writeSettings("1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
  s.start();
  s.advanceSeconds(60);  // first readings, the skin and the registry value in place
  s.forgetRecords();
  const auto before = s.bar().counters();
  constexpr int seconds = 3600;
  std::size_t paints = 0;
  for (int t = 0; t < seconds; ++t) {
    s.advanceSeconds(1);
    paints += s.backend.windowOf(s.bar())->paints.size();
    s.forgetRecords();
  }
  const auto after = s.bar().counters();
  std::printf("simulated seconds: %d\n", seconds);
  std::printf("invalidations per second: %.3f\n",
              static_cast<double>(after.invalidations - before.invalidations) / seconds);
  std::printf("paint cycles per second: %.3f (of which asked for at once: %.3f)\n",
              static_cast<double>(paints) / seconds,
              static_cast<double>(after.updatesNow - before.updatesNow) / seconds);
  std::printf("bar moves and resizes: %ld\n", (after.moves - before.moves) + (after.resizes - before.resizes));
  std::printf("work clock: %s\n", s.workClock().c_str());
  return 0;
}

// The cost of the bar's per-second work on the real Win32 layer: painting a
// gauge, one memory readout, one processor-load sample and the frequency
// probe without its sleeps. Each figure is nanoseconds per operation from a
// loop of many operations sized to take about 200 ms, repeated five times;
// the table gives the fastest, the median and the slowest repetition.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include "memory_surface.h"
#include "scratch_program.h"
#include "platform/win32/system_info.h"
#include "readouts/memory_readout.h"
#include "readouts/processor_frequency.h"
#include "readouts/processor_load.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/win32/backend.h"
#include "toolkit/win32/canvas.h"
#include "widgets/gauge.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int repetitions = 5;
constexpr auto loopTime = std::chrono::milliseconds(200);

double nanosecondsPer(const std::function<void()>& operation, long iterations) {
  const auto start = Clock::now();
  for (long i = 0; i < iterations; ++i) operation();
  const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
  return spent.count() / static_cast<double>(iterations);
}

void report(const char* name, const std::function<void()>& operation) {
  operation();  // first-use work (lookups, font creation) stays out of the figures
  // Size the loop from a short trial run.
  long iterations = 1;
  while (true) {
    const double each = nanosecondsPer(operation, iterations);
    if (each * static_cast<double>(iterations) >= 20e6) {
      iterations = std::max(10L, static_cast<long>(std::chrono::nanoseconds(loopTime).count() / each));
      break;
    }
    iterations *= 4;
  }
  std::vector<double> figures;
  for (int r = 0; r < repetitions; ++r) figures.push_back(nanosecondsPer(operation, iterations));
  std::sort(figures.begin(), figures.end());
  std::printf("%-40s %10ld %12.0f %12.0f %12.0f\n", name, iterations, figures.front(), figures[repetitions / 2],
              figures.back());
  std::fflush(stdout);
}

// For operations whose answer Wine keeps for a while: each repetition times
// one operation after a pause long enough for the kept answer to expire.
void reportAfterPauses(const char* name, const std::function<void()>& operation, DWORD pauseMs) {
  std::vector<double> figures;
  for (int r = 0; r < repetitions; ++r) {
    ::Sleep(pauseMs);
    figures.push_back(nanosecondsPer(operation, 1));
  }
  std::sort(figures.begin(), figures.end());
  std::printf("%-40s %10d %12.0f %12.0f %12.0f\n", name, 1, figures.front(), figures[repetitions / 2], figures.back());
  std::fflush(stdout);
}

// The real system information with the sleeps left out, so the probe's own
// work (priorities and counter reads) can be timed.
class NoSleep : public platform::win32::Win32SystemInfo {
 public:
  void sleep(std::uint32_t) override {}
};

const toolkit::Font captionFont{"Times New Roman", 13, true, toolkit::Charset::cyrillic, toolkit::colors::black};
const toolkit::Font valueFont{"Times New Roman", 13, true, toolkit::Charset::cyrillic, toolkit::colors::green};

// Moves the file's last write a minute into the past.
void ageFile(const std::string& path) {
  platform::win32::UniqueFile file(::CreateFileW(platform::win32::widen(path).c_str(), FILE_WRITE_ATTRIBUTES,
                                                 FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER then{{now.dwLowDateTime, now.dwHighDateTime}};
  then.QuadPart -= 60ULL * 10'000'000ULL;
  const FILETIME written{then.LowPart, then.HighPart};
  ::SetFileTime(file.get(), nullptr, nullptr, &written);
}

}  // namespace

int main() {
  toolkit::win32::Win32Backend backend(::GetModuleHandleA(nullptr));
  toolkit::Application application(backend);
  toolkit::FormOptions options;
  options.className = "BenchForm";
  options.bounds = toolkit::Rect::fromBounds(0, 0, 200, 30);
  // Never shown: caption and gauge changes invalidate nothing on the screen.
  toolkit::Form form(application, options);

  std::printf("%-40s %10s %12s %12s %12s\n", "ns per operation", "iterations", "min", "median", "max");

  veltrana::TGauge gauge(form, "Gauge1", toolkit::Rect::fromBounds(0, 0, 185, 17));
  gauge.setForeColor(toolkit::colors::silver);
  gauge.setFont(valueFont);
  gauge.setProgress(50);
  MemorySurface surface(185, 17);
  toolkit::win32::Win32Canvas canvas(surface.dc.get(), backend.fonts(), backend.surfaces());
  report("gauge paint, 185x17 at 50 %", [&] {
    gauge.paint(canvas);
    ::GdiFlush();
  });

  platform::win32::Win32SystemInfo system;
  toolkit::Label total(form, "TotalPhys", {0, 0}, "----MB", valueFont);
  veltrana::TGauge freeShare(form, "RamGauge", toolkit::Rect::fromBounds(0, 0, 185, 17));
  freeShare.setFont(captionFont);
  const auto memoryReadout = [&] { veltrana::showMemory(system.memoryStatus(), total, freeShare); };
  // Wine answers GlobalMemoryStatusEx from its last result for a second; the
  // bar asks once a second, so mostly afresh.
  reportAfterPauses("memory readout, asked afresh", memoryReadout, 1100);
  report("memory readout, kept answer", memoryReadout);

  veltrana::ProcessorLoadSampler sampler;
  volatile int position = 0;  // kept, so the reading is not optimised away
  report("processor load sample", [&] { sampler.sample(system, [&](int p) { position = p; }); });

  NoSleep noSleep;
  veltrana::ProcessorSpeedProbe probe;
  volatile double gigahertz = 0;
  report("frequency probe without its sleeps", [&] { gigahertz = probe.measure(noSleep); });

  {
    // The whole program on the real window system: a settings pass that
    // reads the file through and finds nothing changed (the file was written
    // a moment ago, too recently for its stamp to tell), and the pass of a
    // steady second, when the file was last written long ago.
    ScratchProgram scratch;
    auto& bar = scratch.program().bar();
    bar.Timer8Timer();
    report("settings reload pass, the file read", [&] { bar.Timer8Timer(); });
    ageFile(scratch.settingsPath());
    bar.Timer8Timer();
    report("settings reload pass, steady", [&] { bar.Timer8Timer(); });
  }

  std::printf("\nlast memory readout: %s, %d %% free\n", total.caption().c_str(), freeShare.Progress());
  return 0;
}

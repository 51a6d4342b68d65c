#pragma once

#include <memory>
#include <string>

#include "app/program.h"
#include "support/components.h"
#include "support/fake_backend.h"
#include "support/fake_ports.h"

namespace fakes {

// Settings files: the defaults the bar writes at its first start, and the
// same with move mode off.
inline constexpr char defaultSettings[] = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n";
inline constexpr char staySettings[] = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nStay\r\n";

// The whole program on fakes: a screen of a chosen size, a virtual clock and
// everything a test can look at.
struct Scenario {
  explicit Scenario(int screenWidth = 1280, int screenHeight = 1024, int dpi = veltrana::designDpi);
  ~Scenario();

  // Starts the program as the entry point does once the single-instance rule let it.
  veltrana::Program& start();
  void advanceSeconds(int seconds) { backend.advance(static_cast<std::uint64_t>(seconds) * 1000); }
  void advanceMs(std::uint64_t ms) { backend.advance(ms); }
  // Seconds on the virtual clock, the work queue's jobs run after each one:
  // a worker thread that keeps up with the ticks.
  void advanceSecondsWorking(int seconds);

  veltrana::TVTR& bar() { return program->bar(); }
  // The work clock as the bar shows it, "hh:mm:ss".
  std::string workClock();
  std::string date();

  // How many running timers tick at the interval: the readouts run on three
  // timers of the update interval.
  int timersAt(std::uint32_t ms) const;

  // Drops what the fakes recorded so far, so that their logs do not count
  // as the program's memory.
  void forgetRecords();

  // The settings folder and file as the bar finds them through the fake shell.
  static constexpr const char* settingsFolder = "C:\\users\\root\\Documents\\VTR";
  static std::string settingsPath() { return std::string(settingsFolder) + "\\Options.set"; }
  void writeSettings(std::string_view text) { files.write(settingsPath(), text); }
  // The same settings file with line n (from 1) replaced.
  void setLine(int n, const std::string& text);

  FakeBackend backend;
  FakeSystemInfo systemInfo;
  FakeResources resources;
  FakeFiles files;
  FakeShell shell;
  FakeRegistry registry;
  FakeSession session;
  FakeMultimedia multimedia;
  FakeProcessorCounters processorCounters;
  FakeWorkQueue workQueue;
  platform::Ports ports;
  std::unique_ptr<veltrana::Program> program;
};

// Whether a label of the bar shows a value (frequency, its unit, refresh
// rate, total memory), whose colour is line 5's, not a caption's.
bool isValueLabel(const toolkit::Label& label);

// The bar's caption font as the bar itself sets it (first asked for once
// main() runs: the bar's own fonts are made before it).
const toolkit::Font& barCaptionFont();

}  // namespace fakes

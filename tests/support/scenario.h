#pragma once

#include <memory>
#include <string>

#include "app/program.h"
#include "support/fake_backend.h"
#include "support/fake_ports.h"

namespace fakes {

// The whole program on fakes: a screen of a chosen size, a virtual clock and
// everything a test can look at.
struct Scenario {
  explicit Scenario(int screenWidth = 1280, int screenHeight = 1024);
  ~Scenario();

  // Starts the program as the entry point does once the single-instance rule let it.
  veltrana::Program& start();
  void advanceSeconds(int seconds) { backend.advance(static_cast<std::uint64_t>(seconds) * 1000); }
  void advanceMs(std::uint64_t ms) { backend.advance(ms); }

  veltrana::TVTR& bar() { return program->bar(); }
  // The work clock as the bar shows it, "hh:mm:ss".
  std::string workClock();
  std::string date();

  FakeBackend backend;
  FakeWindowSystem windowSystem;
  FakeSystemInfo systemInfo;
  FakeResources resources;
  platform::Ports ports;
  std::unique_ptr<veltrana::Program> program;
};

}  // namespace fakes

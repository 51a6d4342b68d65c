#include "support/scenario.h"

namespace fakes {

Scenario::Scenario(int screenWidth, int screenHeight) : ports{windowSystem, systemInfo, resources} {
  windowSystem.setScreen(screenWidth, screenHeight);
}

Scenario::~Scenario() = default;

veltrana::Program& Scenario::start() {
  program = std::make_unique<veltrana::Program>(backend, ports);
  return *program;
}

std::string Scenario::workClock() {
  return bar().Label10.caption() + bar().Label9.caption() + bar().Label8.caption() + bar().Label6.caption() +
         bar().Label7.caption();
}

std::string Scenario::date() {
  return bar().Label1.caption() + bar().Label2.caption() + bar().Label3.caption() + bar().Label5.caption() +
         bar().Label4.caption();
}

}  // namespace fakes

#include "support/scenario.h"

#include <algorithm>

#include "support/assets.h"

namespace fakes {

Scenario::Scenario(int screenWidth, int screenHeight, int dpi)
    : ports{systemInfo, resources, files, shell, registry, session, multimedia, processorCounters, workQueue} {
  backend.setScreen(screenWidth, screenHeight, dpi);
  // The settings folder as an installer leaves it: the skins, no settings file.
  files.folders.insert(settingsFolder);
  for (std::string_view skin : skinFiles)
    files.files[std::string(settingsFolder) + "\\" + std::string(skin)] = readAsset("skins/" + std::string(skin));
}

void Scenario::forgetRecords() {
  for (toolkit::Form* form : backend.forms()) {
    if (FakeWindow* w = backend.windowOf(*form)) {
      std::vector<toolkit::Rect>().swap(w->invalidated);
      decltype(w->paints)().swap(w->paints);
    }
  }
  std::vector<FakeBackend::ErrorBox>().swap(backend.errorBoxes);
  std::vector<std::string>().swap(systemInfo.priorityLog);
  std::vector<std::uint32_t>().swap(systemInfo.sleeps);
  std::vector<std::string>().swap(session.requests);
  decltype(multimedia.commands)().swap(multimedia.commands);
  decltype(shell.opened)().swap(shell.opened);
}

void Scenario::setLine(int n, const std::string& text) {
  std::vector<std::string> lines;
  std::string all = files.text(settingsPath());
  std::size_t start = 0;
  while (start < all.size()) {
    const auto end = all.find("\r\n", start);
    lines.push_back(all.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  if (static_cast<int>(lines.size()) < n) lines.resize(static_cast<std::size_t>(n));
  lines[static_cast<std::size_t>(n - 1)] = text;
  std::string joined;
  for (const auto& l : lines) joined += l + "\r\n";
  writeSettings(joined);
}

Scenario::~Scenario() = default;

void Scenario::advanceSecondsWorking(int seconds) {
  for (int i = 0; i < seconds; ++i) {
    advanceSeconds(1);
    workQueue.runJobs();
  }
}

veltrana::Program& Scenario::start() {
  program = std::make_unique<veltrana::Program>(backend, ports);
  return *program;
}

std::string Scenario::workClock() {
  return component<toolkit::Label>(bar(), "Label10").caption() + component<toolkit::Label>(bar(), "Label9").caption() + component<toolkit::Label>(bar(), "Label8").caption() + component<toolkit::Label>(bar(), "Label6").caption() +
         component<toolkit::Label>(bar(), "Label7").caption();
}

std::string Scenario::date() {
  return component<toolkit::Label>(bar(), "Label1").caption() + component<toolkit::Label>(bar(), "Label2").caption() + component<toolkit::Label>(bar(), "Label3").caption() + component<toolkit::Label>(bar(), "Label5").caption() +
         component<toolkit::Label>(bar(), "Label4").caption();
}

int Scenario::timersAt(std::uint32_t ms) const {
  const auto intervals = backend.scheduledIntervals();
  return static_cast<int>(std::count(intervals.begin(), intervals.end(), ms));
}

bool isValueLabel(const toolkit::Label& label) {
  for (const char* name : {"Label11", "Label19", "Hz", "TotalPhys"})
    if (label.name() == name) return true;
  return false;
}

const toolkit::Font& barCaptionFont() {
  static const toolkit::Font font = [] {
    Scenario s;
    s.start();
    return component<toolkit::Label>(s.bar(), "Label12").font();
  }();
  return font;
}

}  // namespace fakes

#include "options/monitor_choice.h"

#include <algorithm>

#include "common/monitor_name.h"

namespace veltrana::options {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number Windows ends a device name with ("\\.\DISPLAY2": 2), without
// leading zeros; a name without one is numbered by its place in the list.
std::string numberOf(std::string_view name, std::size_t place) {
  std::size_t start = name.size();
  while (start > 0 && isDigit(name[start - 1])) --start;
  std::string_view digits = name.substr(start);
  while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
  return digits.empty() ? std::to_string(place) : std::string(digits);
}

std::string sizeOf(const Screen& screen) {
  return std::to_string(screen.width) + " x " + std::to_string(screen.height);
}

// A monitor's extent along one axis, doubled so that its centre is whole.
struct Span {
  long long start;
  long long end;
  long long centre() const { return start + end; }
  bool overlaps(const Span& other) const { return start < other.end && other.start < end; }
};

Span across(const MonitorOnDesk& m) { return {m.left, static_cast<long long>(m.left) + m.screen.width}; }
Span down(const MonitorOnDesk& m) { return {m.top, static_cast<long long>(m.top) + m.screen.height}; }

// -1 when the centre lies before the main display's extent, 1 after it, 0 within.
int side(const Span& monitor, const Span& main) {
  if (monitor.centre() < 2 * main.start) return -1;
  if (monitor.centre() > 2 * main.end) return 1;
  return 0;
}

// Where a monitor lies beside the main display, by where its centre lies. A
// centre beyond a corner names both sides only where the two monitors share
// no row and no column; otherwise the side they share an edge along.
std::string placeOf(const MonitorOnDesk& monitor, const MonitorOnDesk& main) {
  int horizontal = side(across(monitor), across(main));
  int vertical = side(down(monitor), down(main));
  if (horizontal != 0 && vertical != 0) {
    if (down(monitor).overlaps(down(main))) vertical = 0;
    else if (across(monitor).overlaps(across(main))) horizontal = 0;
  }
  const std::string sideways = horizontal < 0 ? "left" : "right";
  const std::string upDown = vertical < 0 ? "above" : "below";
  if (horizontal == 0 && vertical == 0) return "overlapping the main display";
  if (vertical == 0) return sideways + " of the main display";
  if (horizontal == 0) return upDown + " the main display";
  return upDown + " and " + sideways + " of the main display";
}

const MonitorOnDesk* mainOf(std::span<const MonitorOnDesk> desk) {
  if (desk.empty()) return nullptr;
  const auto main = std::find_if(desk.begin(), desk.end(), [](const MonitorOnDesk& m) { return m.main; });
  return main != desk.end() ? &*main : &desk.front();
}

}  // namespace

const MonitorOnDesk* barMonitor(std::span<const MonitorOnDesk> desk, std::string_view line) {
  const MonitorOnDesk* named = monitorNamedBy(desk, line);
  return named ? named : mainOf(desk);
}

MonitorChoice monitorChoice(std::span<const MonitorOnDesk> desk, std::string_view line) {
  MonitorChoice choice;
  const MonitorOnDesk* main = mainOf(desk);
  const MonitorOnDesk* named = monitorNamedBy(desk, line);
  if (!main) {
    choice.entries.push_back({"The main display", {}, {}, true});
  } else {
    std::vector<const MonitorOnDesk*> order{main};
    for (const MonitorOnDesk& m : desk)
      if (&m != main) order.push_back(&m);
    for (std::size_t i = 0; i < order.size(); ++i) {
      const MonitorOnDesk& m = *order[i];
      const std::string place = &m == main ? "the main display" : placeOf(m, *main);
      choice.entries.push_back(
          {numberOf(m.name, i + 1) + ": " + sizeOf(m.screen) + ", " + place, &m == main ? "" : m.name, m.screen, true});
      if (&m == named) choice.selected = i;
    }
  }
  if (!line.empty() && !named) {
    choice.selected = choice.entries.size();
    choice.entries.push_back({std::string(line) + " (not connected)", {}, main ? main->screen : Screen{}, false});
  }
  choice.entries[choice.selected].line = line;
  return choice;
}

}  // namespace veltrana::options

#include "support/fake_backend.h"

#include <algorithm>

namespace fakes {

namespace {

int advanceOf(char c) {
  switch (c) {
    case '0': case '1': case '2': case '3': case '4':
    case '5': case '6': case '7': case '8': case '9': return 7;
    case '.': case 'i': case 'l': return 3;
    case ':': case '-': case 't': return 4;
    case 'r': case 'z': case 'a': return 5;
    case 's': case 'e': case 'n': case 'c': case 'y': return 6;
    case 'o': case 'q': case 'u': return 7;
    case 'A': case 'B': case 'F': case 'P': case 'U': return 8;
    case 'R': case 'C': case 'G': case 'T': return 9;
    case 'H': return 10;
    case 'M': return 12;
    case ' ': return 3;
    default: return 7;
  }
}

}  // namespace

bool touches(const std::vector<toolkit::Rect>& region, const toolkit::Rect& r) {
  return std::any_of(region.begin(), region.end(), [&r](const toolkit::Rect& area) { return !area.intersect(r).empty(); });
}

toolkit::Size measureText(const toolkit::Font& font, std::string_view text) {
  int width = 0;
  for (char c : text) width += advanceOf(c);
  if (font.height != 13) width = width * font.height / 13;
  return {width, font.height + 2};
}

// Forgets itself in the backend's list when the form destroys it.
class TrackedWindow : public FakeWindow {
 public:
  TrackedWindow(FakeBackend& backend, toolkit::Form& owner, const toolkit::WindowOptions& windowOptions)
      : FakeWindow(backend, owner, windowOptions), backend_(backend) {
    backend_.windows_.push_back(this);
  }
  ~TrackedWindow() override {
    if (backend_.active_ == this) backend_.active_ = nullptr;
    std::erase(backend_.windows_, this);
  }

 private:
  FakeBackend& backend_;
};

std::unique_ptr<toolkit::NativeWindow> FakeBackend::createWindow(toolkit::Form& form,
                                                                 const toolkit::WindowOptions& options) {
  return std::make_unique<TrackedWindow>(*this, form, options);
}

void FakeBackend::setScreen(int width, int height, int dpi) {
  const auto screen = toolkit::Rect::fromBounds(0, 0, width, height);
  monitorList = {toolkit::Monitor{screen, screen, dpi, "\\\\.\\DISPLAY1"}};
}

void FakeBackend::addMonitor(const toolkit::Rect& full, int dpi) {
  monitorList.push_back({full, full, dpi, "\\\\.\\DISPLAY" + std::to_string(monitorList.size() + 1)});
}

int FakeWindow::verticalRefreshRate() const { return backend_.refreshRate; }

void FakeWindow::show() {
  visible = true;
  backend_.activate(this);
}

void FakeWindow::runModal() {
  ++modalRuns;
  show();
  if (backend_.duringModal) backend_.duringModal();
}

void FakeWindow::hide() {
  visible = false;
  if (backend_.activeWindow() == this) backend_.activate(nullptr);
}

void FakeBackend::activate(FakeWindow* window) {
  if (window == active_) return;
  FakeWindow* previous = active_;
  active_ = window;
  if (previous) {
    previous->active = false;
    previous->form.activationChanged(false);
  }
  if (window) {
    window->active = true;
    window->form.activationChanged(true);
  }
}

FakeWindow* FakeBackend::windowOf(const toolkit::Form& form) const {
  for (FakeWindow* w : windows_)
    if (&w->form == &form) return w;
  return nullptr;
}

void FakeBackend::schedule(toolkit::Timer& timer, std::uint32_t intervalMs) {
  timers_[&timer] = Countdown{now_ + intervalMs, intervalMs, scheduled_++};
}

void FakeBackend::cancel(toolkit::Timer& timer) { timers_.erase(&timer); }

std::vector<std::uint32_t> FakeBackend::scheduledIntervals() const {
  std::vector<std::uint32_t> intervals;
  for (const auto& [timer, countdown] : timers_) intervals.push_back(countdown.interval);
  std::sort(intervals.begin(), intervals.end());
  return intervals;
}

void FakeBackend::advance(std::uint64_t ms) {
  const std::uint64_t end = now_ + ms;
  for (;;) {
    auto next = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
      if (it->second.due > end) continue;
      if (next == timers_.end() || it->second.due < next->second.due ||
          (it->second.due == next->second.due && it->second.order < next->second.order))
        next = it;
    }
    if (next == timers_.end()) break;
    toolkit::Timer* timer = next->first;
    now_ = next->second.due;
    next->second.due += next->second.interval;
    next->second.order = scheduled_++;
    guarded([timer] { timer->tick(); });
    for (FakeWindow* w : windows_) w->paintMarked();
  }
  now_ = std::max(now_, end);  // a nested advance (under a modal box) may have gone further
}

}  // namespace fakes

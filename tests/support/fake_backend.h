#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/dpi.h"
#include "toolkit/backend.h"
#include "toolkit/canvas.h"
#include "toolkit/form.h"

namespace fakes {

class FakeBackend;

// The native window of a form, as far as a test can observe it.
class FakeWindow : public toolkit::NativeWindow {
 public:
  FakeWindow(FakeBackend& backend, toolkit::Form& owner, toolkit::WindowOptions windowOptions)
      : form(owner), options(std::move(windowOptions)), backend_(backend) {}

  void setBounds(const toolkit::Rect& r) override { bounds = r; }
  void show() override;
  void hide() override;
  bool isActive() const override { return active; }
  void invalidate(std::span<const toolkit::Rect> areas) override {
    ++invalidations;
    invalidated.insert(invalidated.end(), areas.begin(), areas.end());
    marked.insert(marked.end(), areas.begin(), areas.end());
  }
  void updateNow() override {
    ++updatesNow;
    paintMarked();
  }
  // The window system's paint cycle: what is marked is painted once the
  // program waits for its next message, before the next timer's tick (timer
  // messages come last). A hidden window paints nothing: it is painted whole
  // when shown.
  void paintMarked() {
    if (marked.empty()) return;
    const std::vector<toolkit::Rect> region = std::move(marked);
    marked.clear();
    if (!visible) return;
    paints.push_back(region);
    if (onPaint) onPaint(region);
  }
  void stepBehind(std::uintptr_t other) override {
    topmost = false;
    behind = other;
    ++stepsBehind;
  }
  void bringToTopmost() override {
    topmost = true;
    behind = 0;
  }
  bool liesRightBelow(std::uintptr_t other) const override { return !topmost && behind == other; }
  void runModal() override;
  std::uintptr_t handle() const override { return reinterpret_cast<std::uintptr_t>(this); }
  int verticalRefreshRate() const override;

  toolkit::Form& form;
  toolkit::WindowOptions options;
  toolkit::Rect bounds;
  bool visible = false;
  bool active = false;
  // Its place among the other programs' windows: in the top-most band (as
  // made for a top-most form), or right below another window.
  bool topmost = options.topmost;
  std::uintptr_t behind = 0;
  int stepsBehind = 0;
  int modalRuns = 0;
  // Every area marked, and how many requests marked them.
  std::vector<toolkit::Rect> invalidated;
  int invalidations = 0;
  // Marked and not painted yet.
  std::vector<toolkit::Rect> marked;
  // The paint cycles: the areas each one painted.
  std::vector<std::vector<toolkit::Rect>> paints;
  int updatesNow = 0;
  // Runs at each paint cycle with the areas it paints: what the screen shows
  // of the form changes there, and only there.
  std::function<void(const std::vector<toolkit::Rect>& region)> onPaint;

 private:
  FakeBackend& backend_;
};

// Whether a rectangle shares pixels with any area of a paint's region.
bool touches(const std::vector<toolkit::Rect>& region, const toolkit::Rect& r);

// Text measurement for tests: fixed advance widths per character, chosen so the
// bar's captions measure as they do in its 13-pixel bold serif font.
toolkit::Size measureText(const toolkit::Font& font, std::string_view text);

// A window system on a virtual clock.
class FakeBackend : public toolkit::Backend {
 public:
  // The desktop
  std::vector<toolkit::Monitor> monitors() const override { return monitorList; }
  toolkit::Point cursorPos() const override { return cursor; }
  std::optional<toolkit::ForegroundWindow> foregroundWindow() const override { return foreground; }
  // Another program's window in the foreground, or the program's own.
  std::optional<toolkit::ForegroundWindow> foreground;
  // One monitor of the size at the desktop's origin, without a taskbar, at
  // the pixels per inch of a scaling setting (96: 100 %).
  void setScreen(int width, int height, int dpi = veltrana::designDpi);
  // Another monitor, named as Windows names the next one (\\.\DISPLAY2, ...).
  void addMonitor(const toolkit::Rect& full, int dpi = veltrana::designDpi);
  std::vector<toolkit::Monitor> monitorList;
  toolkit::Point cursor;
  int refreshRate = 60;

  // Timers
  void schedule(toolkit::Timer& timer, std::uint32_t intervalMs) override;
  void cancel(toolkit::Timer& timer) override;
  // Runs every timer that falls due within the next `ms` milliseconds, in order.
  void advance(std::uint64_t ms);
  std::uint64_t now() const { return now_; }
  bool isScheduled(const toolkit::Timer& timer) const { return timers_.count(const_cast<toolkit::Timer*>(&timer)) != 0; }
  std::size_t scheduledTimers() const { return timers_.size(); }
  // The intervals of the running timers, shortest first.
  std::vector<std::uint32_t> scheduledIntervals() const;
  std::size_t liveWindows() const { return windows_.size(); }
  std::vector<toolkit::Form*> forms() const {
    std::vector<toolkit::Form*> list;
    for (FakeWindow* w : windows_) list.push_back(&w->form);
    return list;
  }

  std::unique_ptr<toolkit::NativeWindow> createWindow(toolkit::Form& form,
                                                      const toolkit::WindowOptions& options) override;
  toolkit::Size textExtent(const toolkit::Font& font, std::string_view text) override { return measureText(font, text); }
  bool visualStylesOn() const override { return visualStyles; }
  void setApplicationTitle(const std::string& title) override { applicationTitle = title; }
  void endProcess(int code) override { exitCode = code; }
  void hideApplicationWindow() override {
    ++applicationWindowHides;
    applicationWindowVisible = false;
  }
  void showError(const std::string& title, const std::string& text) override {
    errorBoxes.push_back({title, text});
    if (duringErrorBox) duringErrorBox();
  }

  // The native window of a form, or null once it is destroyed.
  FakeWindow* windowOf(const toolkit::Form& form) const;

  // One window is active at a time, as the window system has it; null: another program's.
  void activate(FakeWindow* window);
  FakeWindow* activeWindow() const { return active_; }

  bool applicationWindowVisible = true;
  int applicationWindowHides = 0;

  bool visualStyles = false;
  std::string applicationTitle;
  std::optional<int> exitCode;
  struct ErrorBox {
    std::string title;
    std::string text;
  };
  std::vector<ErrorBox> errorBoxes;
  // What happens while a window is shown modally; by default the modal
  // display ends at once.
  std::function<void()> duringModal;
  // What happens while an error box is open (it closes when this returns).
  std::function<void()> duringErrorBox;

 private:
  struct Countdown {
    std::uint64_t due;
    std::uint32_t interval;
    std::uint64_t order;
  };
  std::map<toolkit::Timer*, Countdown> timers_;
  std::uint64_t now_ = 0;
  std::uint64_t scheduled_ = 0;
  std::vector<FakeWindow*> windows_;
  FakeWindow* active_ = nullptr;
  friend class TrackedWindow;
};

}  // namespace fakes

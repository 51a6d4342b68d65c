// A paint of the real window for areas asked for in one request: the
// controls the areas touch are drawn, the ones between them are not, and the
// screen shows nothing of the part of the paint's picture left undrawn.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <vector>

#include "memory_surface.h"
#include "toolkit/application.h"
#include "toolkit/canvas.h"
#include "toolkit/control.h"
#include "toolkit/form.h"
#include "toolkit/win32/backend.h"

namespace {

using toolkit::Rect;

// Fills its rectangle with its colour and counts its paints.
struct Patch : toolkit::Control {
  Patch(toolkit::Form& form, const char* name, const Rect& bounds, toolkit::Color fill)
      : Control(form, name, bounds), colour(fill) {}
  void paint(toolkit::Canvas& canvas) const override {
    ++paints;
    canvas.fillRect(Rect::fromBounds(0, 0, width(), height()), colour);
  }
  toolkit::Color colour;
  mutable int paints = 0;
};

struct PatchForm {
  PatchForm() : backend(::GetModuleHandleA(nullptr)), application(backend) {
    toolkit::FormOptions options;
    options.className = "RegionPaintTestForm";
    options.bounds = Rect::fromBounds(0, 300, 300, 20);
    options.topmost = true;
    form.emplace(application, options);
    patches[0].emplace(*form, "left", Rect::fromBounds(0, 0, 20, 20), 0x0000FF);
    patches[1].emplace(*form, "middle", Rect::fromBounds(100, 0, 20, 20), 0x00FF00);
    patches[2].emplace(*form, "right", Rect::fromBounds(200, 0, 20, 20), 0xFF0000);
    form->finishLoading();
    form->show();
  }
  ~PatchForm() { form->hide(); }
  Patch& at(int i) { return *patches[static_cast<std::size_t>(i)]; }
  // Lets messages run until `done` or about two seconds have passed.
  template <typename Done>
  bool pumpUntil(Done done) {
    for (int i = 0; i < 400 && !done(); ++i) {
      backend.processMessages();
      ::Sleep(5);
    }
    return done();
  }
  // Lets whatever else is pending run.
  void settle() {
    for (int i = 0; i < 40; ++i) {
      backend.processMessages();
      ::Sleep(5);
    }
  }
  // The window's pixel as the screen shows it, 0x00RRGGBB.
  std::uint32_t shown(int x, int y) {
    MemorySurface surface(1, 1);
    const HWND window = reinterpret_cast<HWND>(form->nativeHandle());
    const HDC dc = ::GetDC(window);
    ::BitBlt(surface.dc.get(), 0, 0, 1, 1, dc, x, y, SRCCOPY);
    ::ReleaseDC(window, dc);
    return surface.at(0, 0);
  }

  toolkit::win32::Win32Backend backend;
  toolkit::Application application;
  std::optional<toolkit::Form> form;
  std::array<std::optional<Patch>, 3> patches;
};

TEST(RegionPaint, AreasAskedForTogetherPaintTheControlsTheyTouchAndNoOther) {
  PatchForm host;
  ASSERT_TRUE(host.pumpUntil([&] { return host.at(0).paints > 0 && host.at(2).paints > 0; })) << "first shown";
  host.settle();  // whatever else showing it asks for
  for (int i = 0; i < 3; ++i) host.at(i).paints = 0;
  ASSERT_EQ(host.shown(110, 10), 0x00FF00u) << "the middle patch as first painted";

  // Changed without asking for a repaint: a paint that drew it would show it.
  host.at(1).colour = 0xFFFFFF;
  host.at(0).colour = 0x00FFFF;
  host.at(2).colour = 0xFF00FF;
  const long before = host.form->counters().invalidations;
  const std::vector<Rect> areas{host.at(0).bounds(), host.at(2).bounds()};
  host.form->invalidate(areas);
  EXPECT_EQ(host.form->counters().invalidations, before + 1) << "one request for both";
  ASSERT_TRUE(host.pumpUntil([&] { return host.at(0).paints > 0 && host.at(2).paints > 0; }));
  host.settle();
  EXPECT_EQ(host.at(0).paints, 1);
  EXPECT_EQ(host.at(2).paints, 1);
  EXPECT_EQ(host.at(1).paints, 0) << "between the areas, within the paint's bounding rectangle";
  EXPECT_EQ(host.shown(10, 10), 0xFFFF00u) << "0x00FFFF is yellow";
  EXPECT_EQ(host.shown(210, 10), 0xFF00FFu);
  EXPECT_EQ(host.shown(110, 10), 0x00FF00u) << "the screen keeps what the paint left undrawn";
  EXPECT_EQ(host.shown(60, 10), host.shown(150, 10)) << "the form's colour, as before";
}

TEST(RegionPaint, UpdateNowPaintsWhatIsAskedForBeforeReturning) {
  PatchForm host;
  ASSERT_TRUE(host.pumpUntil([&] { return host.at(1).paints > 0; }));
  host.settle();
  host.at(1).paints = 0;
  host.form->invalidate(host.at(1).bounds());
  host.form->updateNow();
  EXPECT_EQ(host.at(1).paints, 1) << "inside the call, with no message loop";
}

}  // namespace

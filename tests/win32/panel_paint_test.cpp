#include <gtest/gtest.h>

#include <windows.h>

#include <optional>

#include "memory_surface.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"
#include "toolkit/win32/backend.h"
#include "toolkit/win32/canvas.h"

namespace {

// A system colour as a 32-bit DIB stores it, 0x00RRGGBB.
std::uint32_t dibColour(int index) {
  const COLORREF c = ::GetSysColor(index);
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// The menu panel's face: a raised outer edge of highlight above and left and
// shadow below and right, and within it a lowered edge the other way round.
TEST(PanelPaint, HasARaisedOuterAndALoweredInnerEdgeInTheSystemColours) {
  toolkit::win32::Win32Backend backend(::GetModuleHandleA(nullptr));
  toolkit::Application application(backend);
  toolkit::FormOptions options;
  options.className = "PanelTestForm";
  options.bounds = toolkit::Rect::fromBounds(0, 0, 177, 185);
  std::optional<toolkit::Form> form;
  form.emplace(application, options);
  toolkit::Panel panel(*form, "Panel1", toolkit::Rect::fromBounds(0, 0, 177, 185), toolkit::colors::buttonHighlight);
  MemorySurface surface(177, 185);
  {
    toolkit::win32::Win32Canvas canvas(surface.dc.get(), backend.fonts(), backend.surfaces());
    panel.paint(canvas);
  }
  const std::uint32_t highlight = dibColour(COLOR_BTNHIGHLIGHT);
  const std::uint32_t shadow = dibColour(COLOR_BTNSHADOW);
  ASSERT_NE(highlight, shadow);
  for (int x = 0; x < 176; ++x) EXPECT_EQ(surface.at(x, 0), highlight) << "outer top at " << x;
  for (int y = 0; y < 184; ++y) EXPECT_EQ(surface.at(0, y), highlight) << "outer left at " << y;
  for (int x = 1; x < 177; ++x) EXPECT_EQ(surface.at(x, 184), shadow) << "outer bottom at " << x;
  for (int y = 1; y < 185; ++y) EXPECT_EQ(surface.at(176, y), shadow) << "outer right at " << y;
  for (int x = 1; x < 175; ++x) EXPECT_EQ(surface.at(x, 1), shadow) << "inner top at " << x;
  for (int x = 2; x < 176; ++x) EXPECT_EQ(surface.at(x, 183), highlight) << "inner bottom at " << x;
}

}  // namespace

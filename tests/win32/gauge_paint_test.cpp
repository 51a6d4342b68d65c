#include <gtest/gtest.h>

#include <windows.h>

#include <optional>

#include "memory_surface.h"
#include "support/scenario.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/win32/backend.h"
#include "toolkit/win32/canvas.h"
#include "widgets/gauge.h"

namespace {

constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t silver = 0xC0C0C0;
constexpr std::uint32_t red = 0xFF0000;  // as a 32-bit DIB stores the colour 255

struct GaugeHost {
  GaugeHost() : backend(::GetModuleHandleA(nullptr)), application(backend) {
    toolkit::FormOptions options;
    options.className = "GaugeTestForm";
    options.bounds = toolkit::Rect::fromBounds(0, 0, 200, 30);
    form.emplace(application, options);
  }
  toolkit::win32::Win32Backend backend;
  toolkit::Application application;
  std::optional<toolkit::Form> form;
};

std::uint32_t complement(std::uint32_t c) { return ~c & 0xFFFFFF; }

// Paints the gauge into a memory bitmap and checks every pixel: the frame is
// black; inside, each pixel is the bar's colour there (fill for the columns
// left of the extent, background after) or the complement of it, and
// complemented pixels (the text) lie within the text's cell.
void checkGauge(GaugeHost& host, int width, int percentage, int lastFilled, toolkit::Color foreColor,
                std::uint32_t fill) {
  veltrana::TGauge gauge(*host.form, "gauge", toolkit::Rect::fromBounds(0, 0, width, 17));
  gauge.setForeColor(foreColor);
  const toolkit::Font& barFont = fakes::barCaptionFont();
  gauge.setFont(barFont);
  gauge.setProgress(percentage);
  MemorySurface surface(width, 17);
  toolkit::win32::Win32Canvas canvas(surface.dc.get(), host.backend.fonts(), host.backend.surfaces());
  canvas.fillRect({0, 0, width, 17}, 0x030201);  // anything the paint must cover
  gauge.paint(canvas);

  SCOPED_TRACE("width " + std::to_string(width) + ", " + std::to_string(percentage) + " %");
  for (int x = 0; x < width; ++x) {
    EXPECT_EQ(surface.at(x, 0), black) << "top frame at " << x;
    EXPECT_EQ(surface.at(x, 16), black) << "bottom frame at " << x;
  }
  for (int y = 0; y < 17; ++y) {
    EXPECT_EQ(surface.at(0, y), black) << "left frame at " << y;
    EXPECT_EQ(surface.at(width - 1, y), black) << "right frame at " << y;
  }

  const std::string text = std::to_string(percentage) + "%";
  toolkit::Font whiteFont = barFont;
  whiteFont.smoothEdges = false;
  const toolkit::Size cell = canvas.textExtent(text, whiteFont);
  const toolkit::Point at = veltrana::gaugeTextOrigin({1, 1, width - 1, 16}, cell);
  const toolkit::Rect textCell = toolkit::Rect::fromBounds(at.x, at.y, cell.width, cell.height);

  int textPixels = 0;
  int wrong = 0;
  for (int y = 1; y < 16; ++y) {
    for (int x = 1; x < width - 1; ++x) {
      const std::uint32_t bar = x <= lastFilled ? fill : white;
      const std::uint32_t seen = surface.at(x, y);
      if (seen == bar) continue;
      if (seen == complement(bar) && textCell.contains({x, y})) {
        ++textPixels;
        continue;
      }
      if (++wrong <= 5) ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << seen << ", bar " << bar;
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_GT(textPixels, 20) << "the percentage is written";
}

// Width, percentage and the last filled column (0: none).
struct Row {
  int width, percentage, lastFilled;
};
constexpr Row table[] = {{73, 0, 0},    {73, 1, 0},    {73, 2, 0},     {73, 3, 1},     {73, 10, 6},   {73, 50, 35},
                         {73, 99, 70},  {73, 100, 71}, {185, 0, 0},    {185, 1, 0},    {185, 2, 2},   {185, 3, 4},
                         {185, 10, 17}, {185, 50, 91}, {185, 99, 181}, {185, 100, 183}};

TEST(GaugePaint, FrameFillAndInvertedTextAtBothWidths) {
  GaugeHost host;
  for (const Row& r : table) checkGauge(host, r.width, r.percentage, r.lastFilled, toolkit::colors::silver, silver);
}

TEST(GaugePaint, TextOverARedFillIsCyan) {
  GaugeHost host;
  checkGauge(host, 185, 100, 183, toolkit::colors::red, red);
  checkGauge(host, 73, 50, 35, toolkit::colors::red, red);
}

TEST(GaugePaint, ShownGaugeAsksForOneRepaintAndNoneForTheSameValue) {
  GaugeHost host;
  veltrana::TGauge gauge(*host.form, "gauge", toolkit::Rect::fromBounds(0, 0, 185, 17));
  host.form->setLeft(-1000);
  host.form->show();
  const long before = host.form->counters().invalidations;
  gauge.setProgress(42);
  EXPECT_EQ(host.form->counters().invalidations, before + 1);
  gauge.setProgress(42);
  EXPECT_EQ(host.form->counters().invalidations, before + 1);
  host.form->hide();
}

}  // namespace

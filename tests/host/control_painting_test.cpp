// What the toolkit's controls paint on the program's own forms, as a
// recording canvas sees it: where texts, glyphs, faces and edges go.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <vector>

#include "support/recording_canvas.h"
#include "support/scenario.h"
#include "popups/file_error_notice.h"
#include "popups/fonts.h"
#include "popups/menu_panel.h"

namespace {

using fakes::component;

using fakes::Drawing;
using Kind = Drawing::Kind;
using toolkit::Rect;

// Paints the whole form as its window does.
fakes::RecordingCanvas paintForm(toolkit::Form& form, const Rect& area) {
  fakes::RecordingCanvas canvas;
  form.paint(canvas, area);
  EXPECT_EQ(canvas.depth(), 0u) << "every area entered is left again";
  return canvas;
}

fakes::RecordingCanvas paintForm(toolkit::Form& form) {
  return paintForm(form, Rect::fromBounds(0, 0, form.bounds().width(), form.bounds().height()));
}

// What the control drew when its form painted, in the control's coordinates.
std::vector<Drawing> paintedBy(const toolkit::Control& c) {
  return paintForm(c.form()).madeAt({c.left(), c.top()});
}

std::vector<Drawing> ofKind(const std::vector<Drawing>& drawings, Kind kind) {
  std::vector<Drawing> found;
  std::copy_if(drawings.begin(), drawings.end(), std::back_inserter(found),
               [kind](const Drawing& d) { return d.kind == kind; });
  return found;
}

Rect whole(const toolkit::Control& c) { return Rect::fromBounds(0, 0, c.width(), c.height()); }

TEST(LabelPaint, WithVisualStylesOnlyTheTextOtherwiseTheFormColourFirst) {
  for (const bool styles : {true, false}) {
    fakes::Scenario s;
    s.backend.visualStyles = styles;
    s.start();
    auto& bar = s.bar();
    for (const toolkit::Label* label : fakes::labelsOf(bar)) {
      SCOPED_TRACE(label->name() + (styles ? " with visual styles" : " without visual styles"));
      const auto drawn = paintedBy(*label);
      ASSERT_EQ(drawn.size(), styles ? 1u : 2u);
      if (!styles) {
        EXPECT_EQ(drawn[0].kind, Kind::fill);
        EXPECT_EQ(drawn[0].rect, whole(*label));
        EXPECT_EQ(drawn[0].color, bar.color());
      }
      EXPECT_EQ(drawn.back().kind, Kind::text);
      EXPECT_EQ(drawn.back().rect, whole(*label)) << "the label is as large as its text";
      EXPECT_EQ(drawn.back().text, label->caption());
    }
  }
}

TEST(LabelPaint, AColourOfItsOwnIsFilledEvenWithVisualStyles) {
  fakes::Scenario s;
  s.backend.visualStyles = true;
  s.start();
  const auto& heading = s.program->fileErrorNotice().Label1;
  const auto drawn = paintedBy(heading);
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].kind, Kind::fill);
  EXPECT_EQ(drawn[0].rect, whole(heading));
  EXPECT_EQ(drawn[0].color, toolkit::colors::buttonHighlight);
  EXPECT_EQ(drawn[1].kind, Kind::text);
}

// A face, then the glyph and caption side by side; while the button is up
// the pair is centred both ways.
struct ButtonPicture {
  explicit ButtonPicture(const toolkit::Control& button) : drawn(paintedBy(button)) {
    const auto faces = ofKind(drawn, Kind::buttonFace);
    EXPECT_EQ(faces.size(), 1u);
    EXPECT_EQ(drawn.front().kind, Kind::buttonFace) << "the face lies beneath";
    if (!faces.empty()) {
      face = faces[0].face;
      EXPECT_EQ(faces[0].rect, whole(button));
    }
    const auto glyphs = ofKind(drawn, Kind::glyph);
    const auto texts = ofKind(drawn, Kind::text);
    if (!glyphs.empty()) glyph = glyphs[0].rect;
    if (!texts.empty()) text = texts[0].rect;
    if (face == toolkit::ButtonFace::down) return;
    const Rect pair = glyph.unite(text);
    EXPECT_LE(std::abs(pair.left - (button.width() - pair.right)), 1) << "the pair centred across";
    for (const Rect& part : {glyph, text}) {
      if (part.empty()) continue;
      EXPECT_LE(std::abs(part.top - (button.height() - part.bottom)), 1) << "centred down";
    }
  }
  std::vector<Drawing> drawn;
  toolkit::ButtonFace face = toolkit::ButtonFace::up;
  Rect glyph, text;
};

TEST(ButtonPaint, GlyphAndCaptionStandSideBySideCentredWithTheGlyphOnItsSide) {
  fakes::Scenario s;
  s.start();
  auto& panel = s.program->menuPanel();
  const ButtonPicture options(panel.BitBtn1);
  ASSERT_FALSE(options.glyph.empty());
  ASSERT_FALSE(options.text.empty());
  const int gap = options.text.left - options.glyph.right;
  EXPECT_GT(gap, 0) << "the glyph left of \"Options\", apart";

  // In the free space between Options and About.
  toolkit::SpeedButton glyphRight(panel, "glyphRight", Rect::fromBounds(4, 52, 169, 25), "Options",
                                  veltrana::windowFont);
  glyphRight.setGlyph(std::make_shared<toolkit::Pixmap>(toolkit::Pixmap{options.glyph.width(), options.glyph.height(),
                          std::vector<std::uint32_t>(options.glyph.width() * options.glyph.height())}),
                      toolkit::SpeedButton::GlyphPlacement::right);
  const ButtonPicture mirrored(glyphRight);
  EXPECT_EQ(mirrored.glyph.left - mirrored.text.right, gap) << "placed right, the same gap";

  const ButtonPicture captionOnly(component<toolkit::SpeedButton>(s.bar(), "SpeedButton11"));
  EXPECT_TRUE(captionOnly.glyph.empty());
  EXPECT_EQ(ofKind(captionOnly.drawn, Kind::text)[0].text, "Lg");
  const ButtonPicture glyphOnly(component<toolkit::SpeedButton>(s.bar(), "SpeedButton1"));
  EXPECT_TRUE(glyphOnly.text.empty());
  EXPECT_FALSE(glyphOnly.glyph.empty());
}

TEST(ButtonPaint, PressedTheFaceIsDownAndGlyphAndCaptionMoveOnePixelRightAndDown) {
  fakes::Scenario s;
  s.start();
  auto& panel = s.program->menuPanel();
  auto& button = panel.BitBtn3;
  const ButtonPicture up(button);
  panel.mouseDown({button.left() + 5, button.top() + 5});
  const ButtonPicture down(button);
  EXPECT_EQ(up.face, toolkit::ButtonFace::up);
  EXPECT_EQ(down.face, toolkit::ButtonFace::down);
  for (const auto& [before, after] : {std::pair{up.glyph, down.glyph}, std::pair{up.text, down.text}}) {
    EXPECT_EQ(after.left, before.left + 1);
    EXPECT_EQ(after.top, before.top + 1);
    EXPECT_EQ(after.width(), before.width());
  }
  panel.mouseUp({button.left() + 5, button.top() + 5});
  const ButtonPicture released(button);
  EXPECT_EQ(released.face, toolkit::ButtonFace::up);
  EXPECT_EQ(released.glyph, up.glyph);
  EXPECT_EQ(released.text, up.text);
}

TEST(ButtonPaint, TheFocusedButtonAloneHasADottedRectangleFourPixelsInside) {
  fakes::Scenario s;
  s.start();
  auto& panel = s.program->menuPanel();
  s.bar().SpeedButton6Click();
  for (int step = 0; step < 2; ++step) {
    for (const toolkit::BitButton* b : {&panel.BitBtn1, &panel.BitBtn3, &panel.BitBtn4, &panel.BitBtn5}) {
      SCOPED_TRACE(b->caption());
      const auto drawn = paintedBy(*b);
      const auto focus = ofKind(drawn, Kind::focusRect);
      ASSERT_EQ(focus.size(), b->focused() ? 1u : 0u);
      if (focus.empty()) continue;
      EXPECT_EQ(focus[0].rect, (Rect{4, 4, b->width() - 4, b->height() - 4}));
      EXPECT_EQ(drawn.back().kind, Kind::focusRect) << "over the caption";
    }
    panel.keyDown(toolkit::Key::tab);
  }
}

TEST(PanelPaint, AFaceWithARaisedOuterAndALoweredInnerEdgeBeneathTheButtons) {
  fakes::Scenario s;
  s.start();
  auto& panel = s.program->menuPanel();
  const auto canvas = paintForm(panel);
  const auto drawn = canvas.madeAt({0, 0});
  // The form's own background first, then the panel over all of it.
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[1].kind, Kind::fill);
  EXPECT_EQ(drawn[1].rect, whole(panel.Panel1));
  const int w = panel.Panel1.width(), h = panel.Panel1.height();
  EXPECT_EQ(drawn[2].kind, Kind::bevel);
  EXPECT_EQ(drawn[2].bevel, toolkit::Bevel::raised);
  EXPECT_EQ(drawn[2].rect, (Rect{0, 0, w, h})) << "the outer edge";
  EXPECT_EQ(drawn[3].kind, Kind::bevel);
  EXPECT_EQ(drawn[3].bevel, toolkit::Bevel::lowered);
  EXPECT_EQ(drawn[3].rect, (Rect{1, 1, w - 1, h - 1})) << "the inner edge, one pixel inside";
  const auto firstButtonDrawing = std::find_if(canvas.drawings.begin(), canvas.drawings.end(),
                                               [](const Drawing& d) { return d.kind == Kind::buttonFace; });
  const auto lastPanelDrawing = std::find_if(canvas.drawings.begin(), canvas.drawings.end(), [](const Drawing& d) {
    return d.kind == Kind::bevel && d.bevel == toolkit::Bevel::lowered;
  });
  EXPECT_LT(lastPanelDrawing, firstButtonDrawing) << "the buttons lie above the panel";
}

TEST(FormPaint, APartialRepaintChangesNothingOutsideItsArea) {
  fakes::Scenario s;
  s.start();
  s.advanceSeconds(1);
  auto& bar = s.bar();
  const Rect seconds = component<toolkit::Label>(bar, "Label7").bounds();
  const auto canvas = paintForm(bar, seconds);
  for (const Drawing& d : canvas.drawings)
    EXPECT_EQ(d.onCanvas().unite(seconds), seconds) << "a drawing reaches outside the seconds";
  const auto label = canvas.madeAt({seconds.left, seconds.top});
  ASSERT_FALSE(label.empty());
  EXPECT_EQ(label.back().text, component<toolkit::Label>(bar, "Label7").caption());
  EXPECT_GT(canvas.drawings.size(), 2u) << "what lies beneath is drawn too";
}

}  // namespace

#include "popups/menu_panel.h"

#include <memory>

#include "platform/resources.h"
#include "platform/shell.h"
#include "toolkit/backend.h"
#include "toolkit/application.h"
#include "toolkit/bitmap_file.h"
#include "toolkit/scaling.h"
#include "popups/centred.h"
#include "popups/fonts.h"

namespace veltrana {

namespace {

// The pointer may wander this far from the bar's top-left corner, the
// screen's on the main monitor.
constexpr int pointerLimit = 230;

const toolkit::Font headingFont{"Times New Roman", 13, true, toolkit::Charset::cyrillic, toolkit::colors::green};

constexpr toolkit::Point position{5, 27};

toolkit::FormOptions options() {
  toolkit::FormOptions o;
  o.className = "TForm4";
  o.caption = "+";
  o.bounds = toolkit::Rect::fromBounds(position.x, position.y, 177, 185);
  o.color = toolkit::colors::buttonHighlight;
  o.topmost = true;
  return o;
}

toolkit::Rect button(int top) { return toolkit::Rect::fromBounds(4, top, 169, 25); }

}  // namespace

TForm4::TForm4(toolkit::Application& application, platform::Shell& shell, const platform::Resources& resources)
    : Form(application, options()),
      Panel1(*this, "Panel1", toolkit::Rect::fromBounds(0, 0, 177, 185), toolkit::colors::buttonHighlight),
      Label1(*this, "Label1", {2, 2}, "Veltrana:", headingFont),
      BitBtn1(*this, "BitBtn1", button(20), "Options", windowFont),
      BitBtn3(*this, "BitBtn3", button(84), "About", windowFont),
      BitBtn4(*this, "BitBtn4", button(116), "Help", windowFont),
      BitBtn5(*this, "BitBtn5", button(148), "Exit", windowFont),
      Timer1(application.backend(), 10),
      shell_(shell) {
  BitBtn1.setGlyph(toolkit::pictureFromBitmapFile(resources.bytes(platform::Resource::glyphOptions)));
  BitBtn3.setGlyph(toolkit::pictureFromBitmapFile(resources.bytes(platform::Resource::glyphAbout)));
  BitBtn4.setGlyph(toolkit::pictureFromBitmapFile(resources.bytes(platform::Resource::glyphHelp)));
  BitBtn5.setGlyph(toolkit::pictureFromBitmapFile(resources.bytes(platform::Resource::glyphExit)));
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  BitBtn3.onClick = [this] { BitBtn3Click(); };
  BitBtn4.onClick = [this] { BitBtn4Click(); };
  BitBtn5.onClick = [this] { BitBtn5Click(); };
  Timer1.onTimer = [this] { Timer1Timer(); };
  onActivate = [this] { FormActivate(); };
  setFocus(BitBtn1);
  finishLoading();
  FormCreate();
}

void TForm4::scaleTo(double scale) {
  setScale(scale);
  placeAt(*this, toolkit::Rect::fromBounds(barCorner_.x + toolkit::scaled(position.x, scale),
                                           barCorner_.y + toolkit::scaled(position.y, scale), bounds().width(),
                                           bounds().height()));
}

void TForm4::placeUnder(toolkit::Point barCorner) {
  if (barCorner == barCorner_) return;
  barCorner_ = barCorner;
  scaleTo(scale());
}

void TForm4::FormCreate() { Timer1.setEnabled(false); }

void TForm4::FormActivate() { Timer1.setEnabled(true); }

void TForm4::Timer1Timer() {
  if (!active()) {
    Timer1.setEnabled(false);
    hide();
    return;
  }
  const toolkit::Point pointer = application().backend().cursorPos();
  const int limit = toolkit::scaled(pointerLimit, scale());
  if (pointer.x - barCorner_.x > limit) hide();
  if (pointer.y - barCorner_.y > limit) hide();
}

void TForm4::openCompanion(const char* fileName) {
  shell_.openFile(nativeHandle(), platform::executableFolder(shell_.programPath()) + fileName);
}

void TForm4::BitBtn1Click() { openCompanion("Options.exe"); }

void TForm4::BitBtn3Click() { openCompanion("About.exe"); }

void TForm4::BitBtn4Click() {
  openCompanion("About.html");
  hide();
}

void TForm4::BitBtn5Click() { application().terminate(0); }

}  // namespace veltrana

#include "bar/fitted_layout.h"

#include <algorithm>
#include <array>
#include <span>
#include <stdexcept>
#include <string>

#include "toolkit/application.h"
#include "toolkit/backend.h"
#include "toolkit/control.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/scaling.h"

namespace veltrana {

namespace {

using toolkit::scaled;

// A component in its group, with the spacing of the 1280-wide layout at 96
// pixels per inch: from its left edge to the next one's, and the least room
// after its text or face.
struct Item {
  std::string_view component;
  int advance;
  int minGap;
  // The widest text a value shows; captions measure their own text. A
  // group's last item ends at its own right edge.
  std::string_view widest = {};
};

constexpr int gaugeAdvance = -1;  // a gauge takes the width the screen leaves it

constexpr std::array dateGroup{
    Item{"SpeedButton6", 34, 9},  Item{"Label1", 15, 1, "00"}, Item{"Label2", 5, 1},
    Item{"Label3", 16, 1, "00"},  Item{"Label5", 5, 1},       Item{"Label4", 29, 1, "0000"},
    Item{"SpeedButton1", 25, 0},  Item{"SpeedButton2", 25, 0},
};
constexpr int dateGroupLeft = 8;  // the magic button's left edge
constexpr std::array memoryGroup{
    Item{"Label12", 37, 3},
    Item{"Label13", 32, 3},
    Item{"RamGauge", gaugeAdvance, 3},
    Item{"Label14", 36, 3},
    Item{"TotalPhys", 65, 4, "99999 MB"},  // five-digit memories fit
    Item{"Label15", 55, 4},
    Item{"Hz", 36, 3, "999Hz"},
};
constexpr std::array sessionGroup{
    Item{"SpeedButton3", 25, 0},
    Item{"SpeedButton4", 25, 0},
    Item{"SpeedButton5", 25, 0},
};
constexpr std::array processorGroup{
    Item{"Label16", 33, 3},
    Item{"Label17", 28, 3},
    Item{"Gauge1", gaugeAdvance, 5},
    Item{"Label18", 74, 4},
    Item{"Label11", 78, 3, "8.888888888"},  // the longest a measured frequency gets
    Item{"Label19", 0, 0},
};
constexpr std::array keyboardGroup{Item{"SpeedButton11", 25, 0}};
constexpr std::array clockGroup{
    Item{"Label10", 16, 1, "00"}, Item{"Label9", 6, 1}, Item{"Label8", 16, 1, "00"},
    Item{"Label6", 4, 0},         Item{"Label7", 0, 0, "00"},
};
constexpr int clockRightMargin = 18;  // from the seconds' right edge to the screen's

struct Group {
  std::span<const Item> items;
  int gapBefore;  // in the 1280-wide layout
};
// Between the date group and the work clock, in order.
constexpr std::array<Group, 4> middleGroups{{
    {memoryGroup, 5},
    {sessionGroup, 0},
    {processorGroup, 10},
    {keyboardGroup, 26},
}};
constexpr int gapBeforeClock = 29;
constexpr int gapsBetweenGroups = static_cast<int>(middleGroups.size()) + 1;

// The gauges' width: at least what still shows "100%", at most what still
// looks like a gauge rather than a rule.
constexpr int narrowestGauge = 40;
constexpr int widestGauge = 300;

}  // namespace

FittedLayout::FittedLayout(toolkit::Form& bar) : bar_(bar) {
  for (const std::span<const Item> group : {std::span<const Item>(dateGroup), std::span<const Item>(clockGroup)})
    for (const Item& item : group) find(item.component);
  for (const Group& group : middleGroups)
    for (const Item& item : group.items) find(item.component);
  for (const char* name : {"Image1", "Shape1", "Image2", "Image3", "Image4", "Image5"}) find(name);
}

toolkit::Control& FittedLayout::find(std::string_view name) const {
  toolkit::Control* c = bar_.findControl(name);
  if (!c) throw std::logic_error("the bar has no component " + std::string(name));
  return *c;
}

void FittedLayout::apply(int width, double scale) {
  // Text is measured only when the screen or its scaling changed: every
  // other second puts the components where they were.
  if (width != width_ || scale != scale_) {
    placements_ = placementsFor(width, scale);
    width_ = width;
    scale_ = scale;
  }
  toolkit::GeometryBatch batch(bar_);
  for (const Placement& p : placements_)
    p.control->setBounds(toolkit::Rect::fromBounds(p.left, p.control->top(), p.width < 0 ? p.control->width() : p.width,
                                                   p.control->height()));
}

std::vector<FittedLayout::Placement> FittedLayout::placementsFor(int width, double scale) const {
  toolkit::Backend& backend = bar_.application().backend();
  // What an item needs, in pixels: the distance to the next item's left
  // edge, or for a gauge the room after it.
  const auto advanceOf = [&](const Item& item, bool last) {
    const toolkit::Control& c = find(item.component);
    int face = c.width();
    if (const auto* label = dynamic_cast<const toolkit::Label*>(&c))
      face = backend.textExtent(label->font(), item.widest.empty() ? label->caption() : item.widest).width;
    if (item.advance == gaugeAdvance) return scaled(item.minGap, scale);
    if (last) return face;
    return std::max(scaled(item.advance, scale), face + scaled(item.minGap, scale));
  };
  const auto groupWidth = [&](std::span<const Item> items) {
    int total = 0;
    for (std::size_t i = 0; i < items.size(); ++i) total += advanceOf(items[i], i + 1 == items.size());
    return total;
  };

  int fixed = scaled(dateGroupLeft, scale) + groupWidth(dateGroup) + groupWidth(clockGroup) +
              scaled(clockRightMargin, scale) + scaled(gapBeforeClock, scale);
  for (const Group& group : middleGroups) fixed += scaled(group.gapBefore, scale) + groupWidth(group.items);
  const int gauge = std::clamp((width - fixed) / 2, scaled(narrowestGauge, scale), scaled(widestGauge, scale));
  const int spare = width - fixed - 2 * gauge;
  const int share = spare / gapsBetweenGroups;

  std::vector<Placement> placements;
  const auto leftOf = [&](std::string_view name) {
    const toolkit::Control* c = &find(name);
    return std::find_if(placements.begin(), placements.end(), [&](const Placement& p) { return p.control == c; })->left;
  };
  int x = 0;
  const auto place = [&](std::span<const Item> items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      const bool isGauge = items[i].advance == gaugeAdvance;
      placements.push_back({&find(items[i].component), x, isGauge ? gauge : -1});
      x += (isGauge ? gauge : 0) + advanceOf(items[i], i + 1 == items.size());
    }
  };
  x = scaled(dateGroupLeft, scale);
  place(dateGroup);
  for (const Group& group : middleGroups) {
    x += scaled(group.gapBefore, scale) + share;
    place(group.items);
  }
  // The last gap takes what rounding left over, so the clock ends where it should.
  x = width - scaled(clockRightMargin, scale) - groupWidth(clockGroup);
  place(clockGroup);

  // The backgrounds span the screen; the hot zones lie over the readouts as
  // they do in the 1280-wide layout.
  const auto span = [&](std::string_view name, int left, int right) {
    placements.push_back({&find(name), left, right - left});
  };
  span("Image1", 0, width);
  span("Shape1", 0, width);
  span("Image3", leftOf("Label1") + scaled(10, scale), leftOf("Label4") + scaled(9, scale));
  span("Image4", leftOf("Label13"), leftOf("Hz") + scaled(4, scale));
  span("Image5", leftOf("Label17"), leftOf("Label19") + scaled(30, scale));
  span("Image2", leftOf("Label10") - scaled(6, scale), width);
  return placements;
}

}  // namespace veltrana

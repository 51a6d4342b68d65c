#include "bar/fitted_layout.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

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
  std::optional<int> advance;
  int minGap;
  // The widest text a value shows; captions measure their own text. A
  // group's last item ends at its own right edge.
  std::string_view widest = {};
};

// A gauge has no advance of its own: it is as wide as the screen leaves it.
constexpr std::nullopt_t gauge = std::nullopt;

constexpr std::array dateGroup{
    Item{"SpeedButton6", 34, 9},  Item{"Label1", 15, 1, "00"}, Item{"Label2", 5, 1},
    Item{"Label3", 16, 1, "00"},  Item{"Label5", 5, 1},       Item{"Label4", 29, 1, "0000"},
    Item{"SpeedButton1", 25, 0},  Item{"SpeedButton2", 25, 0},
};
constexpr std::array memoryGroup{
    Item{"Label12", 37, 3},
    Item{"Label13", 32, 3},
    Item{"RamGauge", gauge, 3},
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
    Item{"Gauge1", gauge, 5},
    Item{"Label18", 74, 4},
    Item{"Label11", 78, 3, "8.888888888"},  // the longest a measured frequency gets
    Item{"Label19", 0, 0},
};
constexpr std::array keyboardGroup{Item{"SpeedButton11", 25, 0}};
constexpr std::array clockGroup{
    Item{"Label10", 16, 1, "00"}, Item{"Label9", 6, 1}, Item{"Label8", 16, 1, "00"},
    Item{"Label6", 4, 0},         Item{"Label7", 0, 0, "00"},
};

struct Group {
  std::span<const Item> items;
  // In the 1280-wide layout; the first group's from the screen's left edge.
  int gapBefore;
};
// In reading order. Every gap but the first also gets an even share of the
// width the groups and gauges leave.
constexpr std::array<Group, 6> groups{{
    {dateGroup, 8},
    {memoryGroup, 5},
    {sessionGroup, 0},
    {processorGroup, 10},
    {keyboardGroup, 26},
    {clockGroup, 29},
}};
constexpr int clockRightMargin = 18;  // from the seconds' right edge to the screen's

// The gauges' width: at least what still shows "100%", at most what still
// looks like a gauge rather than a rule.
constexpr int narrowestGauge = 40;
constexpr int widestGauge = 300;

// All groups' items in one row, in reading order, each with its place in its
// group. The layout keeps their components in this order.
struct Slot {
  const Item* item;
  std::size_t group;
  bool firstInGroup;
  bool lastInGroup;
};
constexpr std::size_t itemCount = [] {
  std::size_t count = 0;
  for (const Group& group : groups) count += group.items.size();
  return count;
}();
constexpr std::array<Slot, itemCount> slots = [] {
  std::array<Slot, itemCount> all{};
  std::size_t i = 0;
  for (std::size_t g = 0; g < groups.size(); ++g)
    for (std::size_t j = 0; j < groups[g].items.size(); ++j)
      all[i++] = {&groups[g].items[j], g, j == 0, j + 1 == groups[g].items.size()};
  return all;
}();
constexpr int gaugeCount =
    static_cast<int>(std::ranges::count_if(slots, [](const Slot& slot) { return !slot.item->advance; }));

// An item's place among all groups' items; a name no item has does not compile.
consteval std::size_t itemIndex(std::string_view component) {
  for (std::size_t i = 0; i < slots.size(); ++i)
    if (slots[i].item->component == component) return i;
  throw std::logic_error("no item of that name");
}

// The hot zones lie over the readouts as in the 1280-wide layout: each from
// an item's left edge moved by an offset (at 96 pixels per inch) to another
// one's, or to the screen's right edge.
struct ZoneEdge {
  std::size_t item;
  int offset;
};
struct HotZone {
  std::string_view component;
  ZoneEdge left;
  std::optional<ZoneEdge> right;  // none: the screen's right edge
};
constexpr std::array hotZones{
    // From the day's second digit into the year.
    HotZone{"Image3", {itemIndex("Label1"), 10}, ZoneEdge{itemIndex("Label4"), 9}},
    // From "Free" to just inside the refresh rate.
    HotZone{"Image4", {itemIndex("Label13"), 0}, ZoneEdge{itemIndex("Hz"), 4}},
    // From "Use" to just past "GHz".
    HotZone{"Image5", {itemIndex("Label17"), 0}, ZoneEdge{itemIndex("Label19"), 30}},
    // From just before the work clock's hours to the screen's edge.
    HotZone{"Image2", {itemIndex("Label10"), -6}, std::nullopt},
};
// They span the screen.
constexpr std::array<std::string_view, 2> backgrounds{"Image1", "Shape1"};

// What each item needs, in pixels: the distance from its left edge to the
// next item's, for a gauge the room after it, for a group's last item its
// own width. Each text is measured once.
std::vector<int> measure(std::span<toolkit::Control* const> items, toolkit::Backend& backend, double scale) {
  std::vector<int> needs;
  needs.reserve(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    const Item& item = *slots[i].item;
    if (!item.advance) {
      needs.push_back(scaled(item.minGap, scale));
      continue;
    }
    int face = items[i]->width();
    if (const auto* label = dynamic_cast<const toolkit::Label*>(items[i]))
      face = backend.textExtent(label->font(), item.widest.empty() ? label->caption() : item.widest).width;
    needs.push_back(slots[i].lastInGroup ? face
                                         : std::max(scaled(*item.advance, scale), face + scaled(item.minGap, scale)));
  }
  return needs;
}

// The width the items leave, shared out: first to the gauges, then to the
// gaps between the groups.
struct Distribution {
  int gaugeWidth = 0;
  std::array<int, groups.size()> gapBefore{};
};

Distribution distribute(std::span<const int> needs, int width, double scale) {
  int fixed = scaled(clockRightMargin, scale);
  for (const Group& group : groups) fixed += scaled(group.gapBefore, scale);
  for (const int need : needs) fixed += need;
  Distribution d;
  d.gaugeWidth = std::clamp((width - fixed) / 2, scaled(narrowestGauge, scale), scaled(widestGauge, scale));
  const int spare = width - fixed - gaugeCount * d.gaugeWidth;
  constexpr int sharingGaps = static_cast<int>(groups.size()) - 1;
  const int share = spare / sharingGaps;
  for (std::size_t g = 0; g < groups.size(); ++g)
    d.gapBefore[g] = scaled(groups[g].gapBefore, scale) + (g == 0 ? 0 : share);
  // The last gap takes what rounding left over, so the clock ends where it should.
  d.gapBefore.back() += spare - sharingGaps * share;
  return d;
}

// The items' placements in reading order, then the backgrounds' and the hot
// zones'.
std::vector<Placement> placementsFor(std::span<const int> needs, const Distribution& d, int width, double scale) {
  std::vector<Placement> placements;
  placements.reserve(needs.size() + backgrounds.size() + hotZones.size());
  int x = 0;
  for (std::size_t i = 0; i < needs.size(); ++i) {
    if (slots[i].firstInGroup) x += d.gapBefore[slots[i].group];
    const std::optional<int> gaugeWidth = slots[i].item->advance ? std::nullopt : std::optional(d.gaugeWidth);
    placements.push_back({x, gaugeWidth});
    x += gaugeWidth.value_or(0) + needs[i];
  }
  placements.insert(placements.end(), backgrounds.size(), Placement{0, width});
  const auto at = [&](const ZoneEdge& edge) { return *placements[edge.item].left + scaled(edge.offset, scale); };
  for (const HotZone& zone : hotZones) {
    const int left = at(zone.left);
    placements.push_back({left, (zone.right ? at(*zone.right) : width) - left});
  }
  return placements;
}

}  // namespace

FittedLayout::FittedLayout(toolkit::Form& bar) : bar_(bar) {
  for (const Slot& slot : slots) components_.push_back(&componentNamed(bar, slot.item->component));
  for (const std::string_view name : backgrounds) components_.push_back(&componentNamed(bar, name));
  for (const HotZone& zone : hotZones) components_.push_back(&componentNamed(bar, zone.component));
}

void FittedLayout::apply(int width, double scale) {
  // Text is measured only when the screen or its scaling changed: every
  // other second puts the components where they were.
  if (width != width_ || scale != scale_) {
    const std::vector<int> needs =
        measure(std::span(components_).first(itemCount), bar_.application().backend(), scale);
    placements_ = placementsFor(needs, distribute(needs, width, scale), width, scale);
    width_ = width;
    scale_ = scale;
  }
  toolkit::GeometryBatch batch(bar_);
  for (std::size_t i = 0; i < components_.size(); ++i) place(*components_[i], placements_[i]);
}

}  // namespace veltrana

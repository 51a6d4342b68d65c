#include "bar/screen_layout.h"

#include <array>
#include <optional>
#include <string_view>

#include "bar/placement.h"

namespace veltrana {

namespace {

// A value the layout leaves as it was.
constexpr std::nullopt_t keep = std::nullopt;

struct Row {
  std::string_view component;
  Placement narrow;  // 1024x768
  Placement wide;    // 1280x1024, 1280x960, 1280x800
};

constexpr std::array<Row, 35> rows{{
    {"Shape1", {keep, 1024}, {keep, 1280}},
    {"Image1", {keep, 1024}, {keep, 1280}},
    {"Label1", {43, keep}, {42, keep}},
    {"Label2", {58, keep}, {57, keep}},
    {"Label3", {63, keep}, {62, keep}},
    {"Label5", {78, keep}, {78, keep}},
    {"Label4", {84, keep}, {83, keep}},
    {"SpeedButton1", {112, keep}, {112, keep}},
    {"SpeedButton2", {136, keep}, {137, keep}},
    {"Label12", {163, keep}, {167, keep}},
    {"Label13", {198, keep}, {204, keep}},
    {"RamGauge", {232, 73}, {236, 185}},
    {"Label14", {310, keep}, {424, keep}},
    {"TotalPhys", {348, keep}, {460, keep}},
    {"Label15", {397, keep}, {525, keep}},
    {"Hz", {452, keep}, {580, keep}},
    {"SpeedButton3", {488, keep}, {616, keep}},
    {"SpeedButton4", {512, keep}, {640, keep}},
    {"SpeedButton5", {536, keep}, {664, keep}},
    {"Label16", {571, keep}, {699, keep}},
    {"Label17", {604, keep}, {732, keep}},
    {"Gauge1", {632, 73}, {760, 185}},
    {"Label18", {715, keep}, {950, keep}},
    {"Label11", {776, keep}, {1024, keep}},
    {"Label19", {854, keep}, {1102, keep}},
    {"SpeedButton11", {896, keep}, {1152, keep}},
    {"Label10", {934, keep}, {1206, keep}},
    {"Label9", {950, keep}, {1222, keep}},
    {"Label8", {956, keep}, {1228, keep}},
    {"Label6", {972, keep}, {1244, keep}},
    {"Label7", {977, keep}, {1248, keep}},
    {"Image3", {48, 49}, {52, 40}},
    {"Image4", {keep, 281}, {204, 380}},
    {"Image5", {keep, 265}, {732, 400}},
    {"Image2", {944, 97}, {1200, 80}},
}};

}  // namespace

ScreenLayout::ScreenLayout(toolkit::Form& bar) {
  components_.reserve(rows.size());
  for (const Row& row : rows) components_.push_back(&componentNamed(bar, row.component));
}

void ScreenLayout::apply(ScreenMode mode) const {
  if (mode == ScreenMode::unsupported) return;
  for (std::size_t i = 0; i < rows.size(); ++i)
    place(*components_[i], mode == ScreenMode::narrow ? rows[i].narrow : rows[i].wide);
}

}  // namespace veltrana

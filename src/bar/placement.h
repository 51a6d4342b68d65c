#pragma once

#include <optional>
#include <string_view>

namespace toolkit {
class Control;
class Form;
}  // namespace toolkit

namespace veltrana {

// Where a layout puts one of the bar's components: a left edge and a width,
// either of which it may leave as the component has it. Top and height are
// not the layouts' to set.
struct Placement {
  std::optional<int> left;
  std::optional<int> width;
};

void place(toolkit::Control& component, const Placement& placement);

// The bar's component of that name, which a layout lays out; a name the bar
// lacks is a fault in the program.
toolkit::Control& componentNamed(const toolkit::Form& bar, std::string_view name);

}  // namespace veltrana

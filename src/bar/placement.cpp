#include "bar/placement.h"

#include <stdexcept>
#include <string>

#include "toolkit/control.h"
#include "toolkit/form.h"

namespace veltrana {

void place(toolkit::Control& component, const Placement& placement) {
  component.setBounds(toolkit::Rect::fromBounds(placement.left.value_or(component.left()), component.top(),
                                                placement.width.value_or(component.width()), component.height()));
}

toolkit::Control& componentNamed(const toolkit::Form& bar, std::string_view name) {
  toolkit::Control* component = bar.findControl(name);
  if (!component) throw std::logic_error("the bar has no component " + std::string(name));
  return *component;
}

}  // namespace veltrana

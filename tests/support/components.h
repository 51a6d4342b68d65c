#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/form.h"
#include "toolkit/label.h"

namespace fakes {

// A component of a form, found by its name as the form lists it.
template <typename T = toolkit::Control>
T& component(const toolkit::Form& form, std::string_view name) {
  auto* found = dynamic_cast<T*>(form.findControl(name));
  if (!found) throw std::logic_error("no component " + std::string(name));
  return *found;
}

// Every label of a form, in creation order.
inline std::vector<toolkit::Label*> labelsOf(const toolkit::Form& form) {
  std::vector<toolkit::Label*> labels;
  for (toolkit::Control* c : form.controls())
    if (auto* label = dynamic_cast<toolkit::Label*>(c)) labels.push_back(label);
  return labels;
}

}  // namespace fakes

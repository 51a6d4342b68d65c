#include "readouts/two_digits.h"

namespace veltrana {

std::string twoDigits(int value) {
  std::string text = std::to_string(value);
  if (value >= 0 && value <= 9) text.insert(0, 1, '0');
  return text;
}

}  // namespace veltrana

#pragma once

#include "platform/system_info.h"

namespace toolkit {
class Label;
}

namespace veltrana {

struct DateLabels {
  toolkit::Label& day;
  toolkit::Label& month;
  toolkit::Label& year;
};

// Day and month with two digits, the year as it is.
void showDate(const platform::Date& date, const DateLabels& labels);

}  // namespace veltrana

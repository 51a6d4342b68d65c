#include "readouts/date_readout.h"

#include <string>

#include "readouts/captions.h"
#include "toolkit/label.h"

namespace veltrana {

void showDate(const platform::Date& date, const DateLabels& labels) {
  labels.year.setCaption(std::to_string(date.year));
  labels.month.setCaption(twoDigits(date.month));
  labels.day.setCaption(twoDigits(date.day));
}

}  // namespace veltrana

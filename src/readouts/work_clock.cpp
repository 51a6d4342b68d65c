#include "readouts/work_clock.h"

#include <charconv>
#include <string>

#include "readouts/captions.h"
#include "toolkit/label.h"

namespace veltrana {

namespace {

int readNumber(const toolkit::Label& label) {
  const std::string& text = label.caption();
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

void advanceWorkClock(const ClockLabels& labels) {
  int s = readNumber(labels.seconds);
  int m = readNumber(labels.minutes);
  int h = readNumber(labels.hours);
  if (++s == 60) {
    s = 0;
    if (++m == 60) {
      m = 0;
      ++h;
    }
  }
  labels.minutes.setCaption(twoDigits(m));
  labels.seconds.setCaption(twoDigits(s));
  labels.hours.setCaption(twoDigits(h));
}

}  // namespace veltrana

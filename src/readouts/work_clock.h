#pragma once

namespace toolkit {
class Label;
}

namespace veltrana {

struct ClockLabels {
  toolkit::Label& hours;
  toolkit::Label& minutes;
  toolkit::Label& seconds;
};

// One second more on the work clock. The clock keeps no count of its own: it
// reads its value back from the labels, so it counts ticks, not wall time.
// Hours have no upper bound.
void advanceWorkClock(const ClockLabels& labels);

}  // namespace veltrana

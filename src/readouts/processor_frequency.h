#pragma once

#include <cstdint>
#include <optional>

#include "platform/system_info.h"

namespace veltrana {

// Whose priority the count raises to be woken promptly after its sleep.
enum class RaisedPriority {
  processAndThread,  // real-time class and time-critical thread, on the GUI thread
  // A thread that measures beside the GUI thread raises itself alone: the
  // process's class would raise the GUI thread too, and a count on the GUI
  // thread after the switch went off would take the raised class as the one
  // to restore.
  threadOnly,
};

// Counts processor cycles across a half-second sleep at raised priority and
// gives the clock frequency in GHz. Each count blocks for a little over
// 510 ms; the priorities are restored before it returns. Counts of one probe
// run on one thread.
class ProcessorSpeedProbe {
 public:
  explicit ProcessorSpeedProbe(RaisedPriority raised = RaisedPriority::processAndThread) : raised_(raised) {}

  double measure(platform::SystemInfo& system);

 private:
  RaisedPriority raised_;
  // The priorities found before the first count, restored after every one.
  // Nothing else in the program changes them, so they are read once: two
  // calls to the system fewer in every count.
  std::optional<platform::Priorities> restored_;
};

// Cycles counted in half a second, in GHz. The whole 64-bit count takes part,
// so processors above 8.59 GHz do not wrap around.
double cyclesToGHz(std::uint64_t cycles);

}  // namespace veltrana

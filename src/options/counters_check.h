#pragma once

#include <string>

namespace platform {
class ProcessorCounters;
}

namespace veltrana::options {

// What the dialog says under its box for line 11: which readouts Windows'
// counters give as Task Manager shows them, found as the bar finds them,
// from two readings a second apart (a rate counter reads nothing at first).
class CountersCheck {
 public:
  explicit CountersCheck(platform::ProcessorCounters& counters) : counters_(counters) {}

  // How long after begin() the second readings are taken.
  static constexpr unsigned secondReadingMs = 1000;

  // Takes the first readings; the note while the second are awaited.
  std::string begin();
  // Takes the second readings and lets the counters go; the note.
  std::string finish();

 private:
  platform::ProcessorCounters& counters_;
};

}  // namespace veltrana::options

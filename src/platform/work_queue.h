#pragma once

#include <functional>

namespace platform {

// Runs jobs away from the GUI thread, one at a time, in the order they were
// posted, so that a job may wait without holding up the windows. A job must
// not touch a window or anything the GUI thread uses unguarded. Jobs still
// waiting when the queue ends are dropped; the one under way is finished.
class WorkQueue {
 public:
  virtual ~WorkQueue() = default;
  virtual void post(std::function<void()> job) = 0;
};

}  // namespace platform

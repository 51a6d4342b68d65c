#pragma once

namespace platform {

struct Date {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
};

// What the machine tells about itself: the calendar, memory, processors.
class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  // Today's date in local time.
  virtual Date today() const = 0;
};

}  // namespace platform

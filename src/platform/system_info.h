#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace platform {

struct Date {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
};

struct MemoryStatus {
  std::uint64_t totalPhysical = 0;      // bytes
  std::uint64_t availablePhysical = 0;  // bytes
};

struct Priorities {
  std::uint32_t processClass = 0;
  int thread = 0;
};

inline constexpr std::uint32_t realtimePriorityClass = 0x100;
inline constexpr int timeCriticalPriority = 15;

// What the machine tells about itself, and the few kernel services the
// readouts use: the calendar, memory, processor counters, priorities, sleeping.
class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  // Today's date in local time.
  virtual Date today() const = 0;

  virtual MemoryStatus memoryStatus() const = 0;

  // The kernel's system-information query, looked up by name on first use;
  // false when there is none.
  virtual bool findSystemInformationQuery() = 0;
  // Fills the buffer with the record of the information class; 0 is success.
  virtual std::int32_t querySystemInformation(std::uint32_t infoClass, std::span<std::uint8_t> buffer) = 0;

  // The processor's cycle counter.
  virtual std::uint64_t timeStampCounter() = 0;

  virtual Priorities priorities() const = 0;
  virtual void setProcessPriorityClass(std::uint32_t priorityClass) = 0;
  virtual void setThreadPriority(int priority) = 0;
  virtual void sleep(std::uint32_t ms) = 0;

  // The user's decimal separator.
  virtual std::string decimalSeparator() const = 0;
};

}  // namespace platform

#pragma once

#include <atomic>

#include "platform/system_info.h"

namespace platform::win32 {

class Win32SystemInfo : public platform::SystemInfo {
 public:
  platform::Date today() const override;
  platform::MemoryStatus memoryStatus() const override;
  bool findSystemInformationQuery() override;
  std::int32_t querySystemInformation(std::uint32_t infoClass, std::span<std::uint8_t> buffer) override;
  std::uint64_t timeStampCounter() override;
  platform::Priorities priorities() const override;
  void setProcessPriorityClass(std::uint32_t priorityClass) override;
  void setThreadPriority(int priority) override;
  void sleep(std::uint32_t ms) override;
  std::string decimalSeparator() const override;

 private:
  using QueryFunction = long __stdcall(unsigned long, void*, unsigned long, unsigned long*);
  // The load is sampled on the work queue's thread too.
  std::atomic<QueryFunction*> query_ = nullptr;
};

}  // namespace platform::win32

#include "platform/win32/system_info.h"

#include <windows.h>

#ifdef _MSC_VER
#include <intrin.h>
#else
#include <x86intrin.h>
#endif

#include "platform/win32/system_library.h"

namespace platform::win32 {

platform::Date Win32SystemInfo::today() const {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

// The 64-bit call: the old 32-bit one caps at 2 GB (4 GB when large-address aware).
platform::MemoryStatus Win32SystemInfo::memoryStatus() const {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!::GlobalMemoryStatusEx(&status)) return {};
  return {status.ullTotalPhys, status.ullAvailPhys};
}

bool Win32SystemInfo::findSystemInformationQuery() {
  // ntdll is in every process; it is found, not loaded.
  query_ = functionIn<QueryFunction>(::GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation");
  return query_ != nullptr;
}

std::int32_t Win32SystemInfo::querySystemInformation(std::uint32_t infoClass, std::span<std::uint8_t> buffer) {
  QueryFunction* const query = query_;
  if (!query) return -1;
  return query(infoClass, buffer.data(), static_cast<unsigned long>(buffer.size()), nullptr);
}

std::uint64_t Win32SystemInfo::timeStampCounter() { return __rdtsc(); }

platform::Priorities Win32SystemInfo::priorities() const {
  return {::GetPriorityClass(::GetCurrentProcess()), ::GetThreadPriority(::GetCurrentThread())};
}

void Win32SystemInfo::setProcessPriorityClass(std::uint32_t priorityClass) {
  ::SetPriorityClass(::GetCurrentProcess(), priorityClass);
}

void Win32SystemInfo::setThreadPriority(int priority) { ::SetThreadPriority(::GetCurrentThread(), priority); }

void Win32SystemInfo::sleep(std::uint32_t ms) { ::Sleep(ms); }

std::string Win32SystemInfo::decimalSeparator() const {
  char separator[8] = {};
  if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) <= 1) return ".";
  return separator;
}

}  // namespace platform::win32

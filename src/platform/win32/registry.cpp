#include "platform/win32/registry.h"

#include <windows.h>

#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/trace.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

namespace {

constexpr wchar_t runKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

UniqueKey openRunKey(REGSAM access) {
  UniqueKey key;
  ::RegOpenKeyExW(HKEY_CURRENT_USER, runKey, 0, access, key.put());
  return key;
}

}  // namespace

std::optional<std::wstring> userStringValue(const wchar_t* keyName, const std::wstring& valueName) {
  UniqueKey key;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, keyName, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return std::nullopt;
  DWORD type = 0;
  DWORD size = 0;
  if (::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return std::nullopt;
  // Room for a terminating zero the stored value may lack.
  std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
  if (::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(data.data());
}

std::optional<std::string> Win32Registry::runValue(const std::string& name) const {
  const auto value = userStringValue(runKey, widen(name));
  return value ? std::optional<std::string>(narrow(*value)) : std::nullopt;
}

bool Win32Registry::setRunValue(const std::string& name, const std::string& command) {
  // A new user's profile may not have the key yet.
  UniqueKey key;
  const std::wstring data = widen(command);
  const bool written =
      ::RegCreateKeyExW(HKEY_CURRENT_USER, runKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr) ==
          ERROR_SUCCESS &&
      ::RegSetValueExW(key.get(), widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  if (!written) traceIgnoredFailure("writing the Run value");
  return written;
}

// Windows 8 and later keep, beside the Run key, a record per value of
// whether the user turned it off: a first byte with its lowest bit set (3 or
// 7) means off, and a time stamp of when follows.
bool Win32Registry::runValueTurnedOff(const std::string& name) const {
  constexpr wchar_t approvedRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
  UniqueKey key;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, approvedRunKey, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return false;
  BYTE data[16] = {};
  DWORD size = sizeof data;
  DWORD type = 0;
  const LONG read = ::RegQueryValueExW(key.get(), widen(name).c_str(), nullptr, &type, data, &size);
  return read == ERROR_SUCCESS && type == REG_BINARY && size >= 1 && (data[0] & 1) != 0;
}

bool Win32Registry::deleteRunValue(const std::string& name) {
  UniqueKey key = openRunKey(KEY_SET_VALUE);
  const bool deleted = key && ::RegDeleteValueW(key.get(), widen(name).c_str()) == ERROR_SUCCESS;
  if (!deleted) traceIgnoredFailure("deleting the Run value");
  return deleted;
}

}  // namespace platform::win32

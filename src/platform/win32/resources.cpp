#include "platform/win32/resources.h"

#include <windows.h>

namespace platform::win32 {

std::span<const std::uint8_t> Win32Resources::bytes(platform::Resource resource) const {
  // Resources live in the mapped program file: nothing to free.
  HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(static_cast<int>(resource)), RT_RCDATA);
  if (!found) return {};
  HGLOBAL loaded = ::LoadResource(nullptr, found);
  if (!loaded) return {};
  const auto* data = static_cast<const std::uint8_t*>(::LockResource(loaded));
  if (!data) return {};
  return {data, ::SizeofResource(nullptr, found)};
}

}  // namespace platform::win32

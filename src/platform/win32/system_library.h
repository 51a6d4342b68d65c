#pragma once

#include <windows.h>

#include <type_traits>

#include "platform/win32/unique_handle.h"

namespace platform::win32 {

// A function of a module, looked up by name and typed as the caller declares
// it (`functionIn<decltype(::mciSendStringA)>(module, "mciSendStringA")`);
// null when the module or the function is missing, as it is on a Windows
// older than the function.
template <typename Function>
Function* functionIn(HMODULE module, const char* name) {
  static_assert(std::is_function_v<Function>, "a function type, not a pointer to one");
  // GetProcAddress without a module would look in the program's own file.
  if (!module) return nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

// A library of the system's that the program loads itself, at its first need
// or for a function that older Windows lack, from the system folder only: a
// file of the same name beside the program or in the current folder is never
// taken for it. A library that the program's manifest names (the common
// controls 6) still comes from the side-by-side store the manifest chooses.
// Freed with its owner.
class SystemLibrary {
 public:
  // Not loaded.
  SystemLibrary() = default;
  // Empty when the system has no such library.
  explicit SystemLibrary(const wchar_t* fileName);

  explicit operator bool() const { return static_cast<bool>(module_); }

  // One of its functions; null when the library or the function is missing.
  template <typename Function>
  Function* function(const char* name) const {
    return functionIn<Function>(module_.get(), name);
  }

 private:
  UniqueModule module_;
};

}  // namespace platform::win32

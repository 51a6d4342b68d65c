#pragma once

#include "platform/win32/unique_handle.h"

namespace veltrana::options::win32 {

// One running copy of a program per session, told apart by a named mutex
// held for the copy's life.
class SingleInstance {
 public:
  explicit SingleInstance(const wchar_t* name);
  // Whether another copy held the name first.
  bool another() const { return another_; }

 private:
  platform::win32::UniqueMutex mutex_;
  bool another_ = false;
};

// Brings the other copy's window of the class to the front, with the box it
// may have open; waits a moment for a copy that is still starting.
void bringToFront(const wchar_t* windowClass);

}  // namespace veltrana::options::win32

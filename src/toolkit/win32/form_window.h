#pragma once

#include <windows.h>

#include <optional>

#include "platform/win32/unique_handle.h"
#include "toolkit/backend.h"
#include "toolkit/form.h"
#include "toolkit/win32/hint_tip.h"

namespace toolkit::win32 {

class Win32Backend;

// A form's borderless top-level window, owned by the application window. It
// paints the form off-screen and copies it in one go, and passes mouse, keys
// and activation to the form.
class FormWindow : public toolkit::NativeWindow {
 public:
  FormWindow(Win32Backend& backend, toolkit::Form& form, const toolkit::WindowOptions& options);
  ~FormWindow() override;

  void setBounds(const toolkit::Rect& screenRect) override;
  void show() override;
  void hide() override;
  bool isActive() const override;
  void invalidate(std::span<const toolkit::Rect> clientAreas) override;
  void updateNow() override;
  void stepBehind(std::uintptr_t other) override;
  void bringToTopmost() override;
  bool liesRightBelow(std::uintptr_t other) const override;
  void runModal() override;
  std::uintptr_t handle() const override { return reinterpret_cast<std::uintptr_t>(window_.get()); }
  int verticalRefreshRate() const override;

  // For the window procedure.
  LRESULT onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool takesMessages() const { return !destroying_; }
  toolkit::Backend& backend();

 private:
  void paint();
  void mouseMoved(toolkit::Point p);

  Win32Backend& backend_;
  toolkit::Form& form_;
  bool mainWindow_;
  bool tracking_ = false;
  bool destroying_ = false;
  platform::win32::UniqueWindow window_;
  std::optional<HintTip> hint_;
  // The refresh rate of the window's display, looked up again after the
  // display changed or the window moved.
  mutable int refreshRate_ = 0;
  mutable DWORD refreshRateLookedUpAt_ = 0;
};

}  // namespace toolkit::win32

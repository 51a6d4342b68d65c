#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "toolkit/backend.h"
#include "toolkit/form.h"

namespace win32 {

class Win32Backend;

// The program's windows other than `except` take no input until the scope ends,
// as under a modal dialog.
class DisabledWindows {
 public:
  explicit DisabledWindows(HWND except);
  ~DisabledWindows();
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;

 private:
  std::vector<HWND> disabled_;
};

// A form's borderless top-level window, owned by the application window.
class Win32Window : public toolkit::NativeWindow {
 public:
  Win32Window(Win32Backend& backend, toolkit::Form& form, const toolkit::WindowOptions& options);
  ~Win32Window() override;

  void setBounds(const toolkit::Rect& screenRect) override;
  void show() override;
  void hide() override;
  bool isActive() const override;
  void invalidate(const toolkit::Rect& clientRect) override;
  void paintNow(const toolkit::Rect& clientRect) override;
  void runModal() override;
  std::uintptr_t handle() const override { return reinterpret_cast<std::uintptr_t>(window_.get()); }

 private:
  static LRESULT CALLBACK router(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void paint();
  void mouseMoved(toolkit::Point p);
  void createTooltip();
  void updateTooltip(toolkit::Point p);
  void showHint();
  void hideHint();

  Win32Backend& backend_;
  toolkit::Form& form_;
  bool mainWindow_;
  bool tracking_ = false;
  bool destroying_ = false;
  const toolkit::Control* tipControl_ = nullptr;
  std::string tipText_;
  UniqueWindow window_;
  UniqueWindow tooltip_;
};

}  // namespace win32

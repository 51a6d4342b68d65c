#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace veltrana::dialogs::win32 {

// A modal dialog from a template in the resource script. One static router
// is the dialog procedure: it keeps the object in DWLP_USER from
// WM_INITDIALOG on and hands every message to onMessage; an exception that
// onMessage lets out is shown in a box and goes no further.
class ModalDialog {
 public:
  virtual ~ModalDialog() = default;

  // Shows the dialog until it ends; EndDialog's result, or -1 when it could not be made.
  INT_PTR run(HINSTANCE instance, int templateId, HWND owner = nullptr);

 protected:
  ModalDialog() = default;
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;

  HWND window() const { return window_; }
  HWND control(int id) const { return ::GetDlgItem(window_, id); }
  // The dialog's caption.
  std::string title() const;
  // A control's text in UTF-8, and setting it.
  std::string text(int id) const;
  void setText(int id, const std::string& text) const;
  // A message box owned by the dialog, titled as the dialog is.
  int ask(const std::string& message, UINT type) const;

  // As a dialog procedure answers: TRUE when the message is handled.
  virtual INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

 private:
  static INT_PTR CALLBACK router(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void reportEscaped(std::exception_ptr exception) noexcept;

  HWND window_ = nullptr;
  bool reporting_ = false;
};

}  // namespace veltrana::dialogs::win32

#include "dialogs/win32/modal_dialog.h"

#include <vector>

#include "platform/win32/exception_box.h"
#include "platform/win32/text.h"

namespace veltrana::dialogs::win32 {

namespace {

std::string windowText(HWND window) {
  std::vector<wchar_t> buffer(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1);
  const int length = ::GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()));
  return platform::win32::narrow(std::wstring_view(buffer.data(), static_cast<std::size_t>(length)));
}

}  // namespace

INT_PTR ModalDialog::run(HINSTANCE instance, int templateId, HWND owner) {
  return ::DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), owner, router, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK ModalDialog::router(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<ModalDialog*>(lParam);
    self->window_ = window;
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
  }
  auto* self = reinterpret_cast<ModalDialog*>(::GetWindowLongPtrW(window, DWLP_USER));
  // Messages before WM_INITDIALOG (WM_SETFONT) go to the system's handling.
  if (!self) return FALSE;
  INT_PTR result = FALSE;
  try {
    result = self->onMessage(message, wParam, lParam);
  } catch (...) {
    self->reportEscaped(std::current_exception());
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, DWLP_USER, 0);
    self->window_ = nullptr;
  }
  return result;
}

// No exception may unwind through the system's dialog manager: one that
// escapes a handler is shown over the dialog, which goes on. While that box
// is open the dialog's messages still come, and one that fails again is not
// shown on top of it.
void ModalDialog::reportEscaped(std::exception_ptr exception) noexcept {
  if (reporting_) return;
  reporting_ = true;
  try {
    platform::win32::showException(window_, title(), exception);
  } catch (...) {
    // Not even the box could be made (no memory left): the dialog goes on.
  }
  reporting_ = false;
}

std::string ModalDialog::title() const { return windowText(window_); }

std::string ModalDialog::text(int id) const { return windowText(control(id)); }

void ModalDialog::setText(int id, const std::string& text) const {
  ::SetWindowTextW(control(id), platform::win32::widen(text).c_str());
}

int ModalDialog::ask(const std::string& message, UINT type) const {
  return ::MessageBoxW(window_, platform::win32::widen(message).c_str(), platform::win32::widen(title()).c_str(), type);
}

}  // namespace veltrana::dialogs::win32

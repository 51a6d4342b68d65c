#include "dialogs/win32/modal_dialog.h"

#include <vector>

#include "platform/win32/text.h"

namespace veltrana::dialogs::win32 {

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
  const INT_PTR result = self->onMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, DWLP_USER, 0);
    self->window_ = nullptr;
  }
  return result;
}

std::string ModalDialog::text(int id) const {
  const HWND c = control(id);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(::GetWindowTextLengthW(c)) + 1);
  const int length = ::GetWindowTextW(c, buffer.data(), static_cast<int>(buffer.size()));
  return platform::win32::narrow(std::wstring_view(buffer.data(), static_cast<std::size_t>(length)));
}

void ModalDialog::setText(int id, const std::string& text) const {
  ::SetWindowTextW(control(id), platform::win32::widen(text).c_str());
}

int ModalDialog::ask(const std::string& message, UINT type) const {
  std::vector<wchar_t> title(static_cast<std::size_t>(::GetWindowTextLengthW(window_)) + 1);
  ::GetWindowTextW(window_, title.data(), static_cast<int>(title.size()));
  return ::MessageBoxW(window_, platform::win32::widen(message).c_str(), title.data(), type);
}

}  // namespace veltrana::dialogs::win32

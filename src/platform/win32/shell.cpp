#include "platform/win32/shell.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/resource_ids.h"
#include "platform/win32/registry.h"
#include "platform/win32/system_library.h"
#include "platform/win32/text.h"
#include "platform/win32/trace.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

namespace {

// The first form of the record (88 bytes), which every shell understands.
constexpr DWORD notifyIconRecordSize = NOTIFYICONDATAA_V1_SIZE;
static_assert(NOTIFYICONDATAA_V1_SIZE == 88);

// Any message number the bar does not act on: it takes no notifications from the icon.
constexpr UINT trayCallbackMessage = WM_APP + 0x5A;

// The shell's library for the calls of one operation, let go after them: the
// program calls it a few times in its whole run (its icon, the documents
// folder, a reserved strip), and mapped all along, it and the libraries it
// brings would hold more than a megabyte.
SystemLibrary shellLibrary() { return SystemLibrary(L"shell32.dll"); }

}  // namespace

std::optional<std::string> Win32Shell::personalFolder(platform::WindowHandle owner) const {
  const SystemLibrary shell = shellLibrary();
  const auto location = shell.function<decltype(::SHGetSpecialFolderLocation)>("SHGetSpecialFolderLocation");
  const auto pathOf = shell.function<decltype(::SHGetPathFromIDListEx)>("SHGetPathFromIDListEx");
  const auto freeList = shell.function<decltype(::ILFree)>("ILFree");
  if (!location || !pathOf || !freeList) return std::nullopt;
  LPITEMIDLIST found = nullptr;
  if (FAILED(location(reinterpret_cast<HWND>(owner), CSIDL_PERSONAL, &found)) || !found) return std::nullopt;
  // Freed by the library that made it, before the library goes.
  const std::unique_ptr<ITEMIDLIST, decltype(freeList)> id(found, freeList);
  // Paths longer than MAX_PATH need the call that takes the buffer's size.
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    if (pathOf(id.get(), path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT)) break;
    if (path.size() >= 32768) return std::nullopt;
    path.resize(path.size() * 4);
  }
  return narrow(path.data());
}

std::optional<std::string> Win32Shell::personalFolderSetting() const {
  const auto stored =
      userStringValue(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", L"Personal");
  if (!stored) return std::nullopt;
  std::vector<wchar_t> expanded(MAX_PATH);
  for (;;) {
    const DWORD length =
        ::ExpandEnvironmentStringsW(stored->c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
    if (length == 0) return std::nullopt;
    if (length <= expanded.size()) return narrow(expanded.data());
    expanded.resize(length);
  }
}

std::string Win32Shell::programPath() const {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return narrow(std::wstring(path.data(), length));
    path.resize(path.size() * 2);
  }
}

void Win32Shell::addTrayIcon(platform::WindowHandle window, unsigned id, const std::string& tip) {
  if (shownIcons_.count({window, id})) return;
  NOTIFYICONDATAA data{};
  data.cbSize = notifyIconRecordSize;
  data.hWnd = reinterpret_cast<HWND>(window);
  data.uID = id;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = trayCallbackMessage;
  data.hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(VELTRANA_ICON));
  // The first form's tip holds 63 characters and the terminating zero.
  std::strncpy(data.szTip, tip.c_str(), 63);
  const SystemLibrary shell = shellLibrary();
  const auto notify = shell.function<decltype(::Shell_NotifyIconA)>("Shell_NotifyIconA");
  if (notify && notify(NIM_ADD, &data))
    shownIcons_.insert({window, id});
  else
    traceIgnoredFailure("Shell_NotifyIconA(NIM_ADD)");
}

namespace {

UINT taskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

// The message the shell sends a window that holds a strip, registered so that
// it reaches the shell whatever window gets it.
UINT stripMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"Veltrana reserved strip");
  return message;
}

APPBARDATA stripRecord(platform::WindowHandle window) {
  APPBARDATA data{};
  data.cbSize = sizeof data;
  data.hWnd = reinterpret_cast<HWND>(window);
  return data;
}

}  // namespace

void Win32Shell::registeredMessage(unsigned message, std::uintptr_t wParam, std::intptr_t) {
  if (message == taskbarCreatedMessage()) {
    shownIcons_.clear();
    strips_.clear();
  } else if (message == stripMessage()) {
    if (wParam == ABN_POSCHANGED)
      for (auto& [window, placed] : strips_) placed.reset();
  }
}

void Win32Shell::reserveTopStrip(platform::WindowHandle window, const platform::ScreenStrip& strip) {
  const auto held = strips_.find(window);
  if (held != strips_.end() && held->second == strip) return;
  const SystemLibrary shell = shellLibrary();
  const auto message = shell.function<decltype(::SHAppBarMessage)>("SHAppBarMessage");
  if (!message) {
    traceIgnoredFailure("finding SHAppBarMessage");
    return;
  }
  APPBARDATA data = stripRecord(window);
  if (held == strips_.end()) {
    data.uCallbackMessage = stripMessage();
    // A strip the shell still keeps from before it restarted is taken anew.
    message(ABM_REMOVE, &data);
    if (!message(ABM_NEW, &data)) {
      traceIgnoredFailure("SHAppBarMessage(ABM_NEW)");
      return;
    }
  }
  // The shell moves the strip clear of other toolbars, keeping its height.
  data.uEdge = ABE_TOP;
  data.rc = {strip.left, strip.top, strip.right, strip.bottom};
  message(ABM_QUERYPOS, &data);
  data.rc.bottom = data.rc.top + (strip.bottom - strip.top);
  message(ABM_SETPOS, &data);
  strips_[window] = strip;
}

void Win32Shell::releaseStrip(platform::WindowHandle window) {
  strips_.erase(window);
  APPBARDATA data = stripRecord(window);
  const SystemLibrary shell = shellLibrary();
  const auto message = shell.function<decltype(::SHAppBarMessage)>("SHAppBarMessage");
  if (!message || !message(ABM_REMOVE, &data)) traceIgnoredFailure("SHAppBarMessage(ABM_REMOVE)");
}

void Win32Shell::deleteTrayIcon(platform::WindowHandle window, unsigned id) {
  shownIcons_.erase({window, id});
  NOTIFYICONDATAA data{};
  data.cbSize = notifyIconRecordSize;
  data.hWnd = reinterpret_cast<HWND>(window);
  data.uID = id;
  const SystemLibrary shell = shellLibrary();
  const auto notify = shell.function<decltype(::Shell_NotifyIconA)>("Shell_NotifyIconA");
  if (!notify || !notify(NIM_DELETE, &data)) traceIgnoredFailure("Shell_NotifyIconA(NIM_DELETE)");
}

// The wide-character call, so that a folder outside the ANSI code page works.
// Opening a file can leave the shell's work running after the call returns
// (a conversation with the program that opens it, a handler of the file's
// kind), so the library stays from the first opening on.
void Win32Shell::openFile(platform::WindowHandle parent, const std::string& path) {
  if (!opener_) opener_ = shellLibrary();
  const auto execute = opener_.function<decltype(::ShellExecuteW)>("ShellExecuteW");
  if (!execute) {
    traceIgnoredFailure("finding ShellExecuteW");
    return;
  }
  const auto result = reinterpret_cast<INT_PTR>(
      execute(reinterpret_cast<HWND>(parent), L"open", widen(path).c_str(), nullptr, nullptr, SW_SHOW));
  // Values above 32 mean success; below, the value is the reason.
  if (result <= 32) traceIgnoredFailure("ShellExecuteW", static_cast<unsigned long>(result));
}

}  // namespace platform::win32

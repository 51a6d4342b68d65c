#include "about/win32/about_dialog.h"

#include <commctrl.h>

#include "about/about_ids.h"
#include "about/about_text.h"
#include "about/win32/file_version.h"
#include "platform/shell.h"

namespace veltrana::about::win32 {

namespace {

constexpr char helpPage[] = "About.html";

}  // namespace

std::string AboutDialog::folder() const { return platform::executableFolder(shell_.programPath()); }

INT_PTR AboutDialog::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      initialise();
      // OK takes the focus, so that Enter closes the dialog at once.
      ::SetFocus(control(IDOK));
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) ::EndDialog(window(), LOWORD(wParam));
      return TRUE;
    case WM_NOTIFY: {
      const auto& notice = *reinterpret_cast<const NMHDR*>(lParam);
      if (notice.idFrom != ABOUT_HELP_LINK || (notice.code != NM_CLICK && notice.code != NM_RETURN)) return FALSE;
      shell_.openFile(reinterpret_cast<platform::WindowHandle>(window()), folder() + helpPage);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

void AboutDialog::initialise() {
  // The name in the dialog's own font, larger and bold.
  LOGFONTW name{};
  if (::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(window(), WM_GETFONT, 0, 0)), sizeof name, &name)) {
    name.lfHeight = name.lfHeight * 3 / 2;
    name.lfWeight = FW_BOLD;
    nameFont_.reset(::CreateFontIndirectW(&name));
    ::SendMessageW(control(ABOUT_NAME), WM_SETFONT, reinterpret_cast<WPARAM>(nameFont_.get()), FALSE);
  }
  setText(ABOUT_VERSION, veltrana::about::versionLine(fileVersion(folder() + veltrana::about::barFileName)));
  setText(ABOUT_FOLDER, folder());
}

}  // namespace veltrana::about::win32

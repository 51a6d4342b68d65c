#include "platform/win32/display.h"

#include "platform/win32/system_library.h"
#include "platform/win32/text.h"
#include "platform/win32/trace.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

// Windows 8.1 and later: looked up, so that the program runs on 7 as well.
MonitorDpi::MonitorDpi()
    : shcore_(L"shcore.dll"),
      perMonitor_(shcore_.function<HRESULT WINAPI(HMONITOR, int, UINT*, UINT*)>("GetDpiForMonitor")) {}

int MonitorDpi::of(HMONITOR monitor) const {
  constexpr int effectiveDpi = 0;  // MDT_EFFECTIVE_DPI
  UINT x = 0, y = 0;
  if (perMonitor_ && perMonitor_(monitor, effectiveDpi, &x, &y) == S_OK && x > 0) return static_cast<int>(x);
  const WindowDc screen(nullptr);
  return screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : veltrana::designDpi;
}

namespace {

// The monitors found so far, and what tells their pixels per inch while they are looked at.
struct DeskList {
  std::vector<DeskMonitor>& monitors;
  const MonitorDpi dpi;
};

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFOEXW info{};
  info.cbSize = sizeof info;
  if (::GetMonitorInfoW(monitor, &info)) {
    auto& [monitors, dpi] = *reinterpret_cast<DeskList*>(list);
    const bool primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    DeskMonitor m{narrow(info.szDevice), info.rcMonitor, info.rcWork, dpi.of(monitor), primary};
    monitors.insert(primary ? monitors.begin() : monitors.end(), std::move(m));
  } else {
    traceIgnoredFailure("GetMonitorInfoW");
  }
  return TRUE;
}

}  // namespace

std::vector<DeskMonitor> monitorsOnDesk() {
  std::vector<DeskMonitor> monitors;
  DeskList list{monitors, {}};
  if (!::EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&list)))
    traceIgnoredFailure("EnumDisplayMonitors");
  return monitors;
}

namespace {

// Windows 10, 1607 and later: looked up, so that the program runs on 7 as well.
struct ThreadAwareness {
  DPI_AWARENESS_CONTEXT(WINAPI* set)(DPI_AWARENESS_CONTEXT) = nullptr;
  DPI_AWARENESS_CONTEXT(WINAPI* get)() = nullptr;
  DPI_AWARENESS(WINAPI* awareness)(DPI_AWARENESS_CONTEXT) = nullptr;
};

const ThreadAwareness& threadAwareness() {
  static const ThreadAwareness functions = [] {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return ThreadAwareness{
        functionIn<DPI_AWARENESS_CONTEXT WINAPI(DPI_AWARENESS_CONTEXT)>(user32, "SetThreadDpiAwarenessContext"),
        functionIn<DPI_AWARENESS_CONTEXT WINAPI()>(user32, "GetThreadDpiAwarenessContext"),
        functionIn<DPI_AWARENESS WINAPI(DPI_AWARENESS_CONTEXT)>(user32, "GetAwarenessFromDpiAwarenessContext")};
  }();
  return functions;
}

}  // namespace

PerMonitorDpiAwareness::PerMonitorDpiAwareness() {
  const auto& functions = threadAwareness();
  if (!functions.set) return;
  // An older Windows 10 knows no V2, and says so by changing nothing.
  previous_ = functions.set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  if (!previous_) previous_ = functions.set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
  if (!previous_) traceIgnoredFailure("making the thread per-monitor DPI aware");
}

PerMonitorDpiAwareness::~PerMonitorDpiAwareness() {
  if (previous_) threadAwareness().set(previous_);
}

bool threadIsPerMonitorDpiAware() {
  const auto& functions = threadAwareness();
  if (!functions.get || !functions.awareness) return false;
  return functions.awareness(functions.get()) == DPI_AWARENESS_PER_MONITOR_AWARE;
}

}  // namespace platform::win32

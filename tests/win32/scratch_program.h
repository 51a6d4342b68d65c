#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/program.h"
#include "platform/win32/files.h"
#include "platform/win32/registry.h"
#include "platform/win32/resources.h"
#include "platform/win32/multimedia.h"
#include "platform/win32/processor_counters.h"
#include "platform/win32/session.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_info.h"
#include "platform/win32/text.h"
#include "platform/win32/worker_thread.h"
#include "support/assets.h"
#include "toolkit/win32/backend.h"

// The real program on the real window system, with a personal folder of its
// own: a scratch folder holding VTR with the three skins and a settings file.
// Autostart stays off, so the Run key is left alone. Everything goes at the end.
class ScratchProgram {
 public:
  static std::string settings(const char* skin) {
    return std::string("1\r\n5\r\n") + skin + "\r\n0\r\n32768\r\nFalse\r\nStay\r\n";
  }

  ScratchProgram()
      : personal_(scratchFolder()),
        folder_(personal_ + "\\VTR\\"),
        shell_(personal_),
        ports_{systemInfo_, resources_,  files_,           shell_,    registry_,
               session_,    multimedia_, processorCounters_, workQueue_} {
    ::CreateDirectoryW(platform::win32::widen(personal_).c_str(), nullptr);
    ::CreateDirectoryW(platform::win32::widen(folder_).c_str(), nullptr);
    for (std::string_view skin : fakes::skinFiles)
      files_.createWith(folder_ + std::string(skin), fakes::readAsset("skins/" + std::string(skin)));
    writeSettings(settings("Silver"));
    backend_.emplace(::GetModuleHandleW(nullptr));
    program_.emplace(*backend_, ports_);
  }

  ~ScratchProgram() {
    program_.reset();
    backend_.reset();
    for (std::string_view skin : fakes::skinFiles)
      ::DeleteFileW(platform::win32::widen(folder_ + std::string(skin)).c_str());
    ::DeleteFileW(platform::win32::widen(folder_ + "Options.set").c_str());
    ::RemoveDirectoryW(platform::win32::widen(folder_).c_str());
    ::RemoveDirectoryW(platform::win32::widen(personal_).c_str());
  }

  void writeSettings(const std::string& text) {
    files_.createWith(folder_ + "Options.set",
                      {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
  }

  std::string settingsPath() const { return folder_ + "Options.set"; }
  veltrana::Program& program() { return *program_; }
  toolkit::win32::Win32Backend& backend() { return *backend_; }

 private:
  // The real shell, but with the scratch folder as the personal folder.
  class ScratchShell : public platform::win32::Win32Shell {
   public:
    explicit ScratchShell(std::string folder) : folder_(std::move(folder)) {}
    std::optional<std::string> personalFolder(platform::WindowHandle) const override { return folder_; }

   private:
    std::string folder_;
  };

  static std::string scratchFolder() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    return platform::win32::narrow(temp) + "veltrana-scratch-" + std::to_string(::GetCurrentProcessId());
  }

  std::string personal_;
  std::string folder_;
  platform::win32::Win32SystemInfo systemInfo_;
  platform::win32::Win32Resources resources_;
  platform::win32::Win32Files files_;
  ScratchShell shell_;
  platform::win32::Win32Registry registry_;
  platform::win32::Win32Session session_;
  platform::win32::Win32Multimedia multimedia_;
  platform::win32::Win32ProcessorCounters processorCounters_;
  platform::win32::WorkerThread workQueue_{"processor measurements"};
  platform::Ports ports_;
  std::optional<toolkit::win32::Win32Backend> backend_;
  std::optional<veltrana::Program> program_;
};

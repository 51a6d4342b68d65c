#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>

#include "platform/win32/files.h"
#include "platform/win32/multimedia.h"
#include "platform/win32/registry.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_library.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "settings/settings_file.h"
#include "scratch_folder.h"

namespace {

std::string readAll(platform::ReadableFile& file) {
  std::string text;
  std::uint8_t buffer[5];
  while (const std::size_t got = file.read(buffer)) text.append(reinterpret_cast<char*>(buffer), got);
  return text;
}

TEST(Files, CreateReadAndReportTheSystemsCodes) {
  ScratchFolder folder;
  platform::win32::Win32Files files;
  const std::string path = folder.file("Options.set");
  EXPECT_EQ(files.openForReading(path).error, 2) << "a missing file";
  EXPECT_EQ(files.openForReading(folder.path + "\\missing\\Options.set").error, 3) << "a missing folder";
  EXPECT_EQ(files.createWith(folder.path + "\\missing\\Options.set", bytes("x")), 3);

  ASSERT_EQ(files.createWith(path, bytes("1\r\n5\r\nSilver\r\n")), 0) << "in a folder outside the ANSI code page";
  ASSERT_EQ(files.createWith(path, bytes("2\r\n")), 0);
  auto opened = files.openForReading(path);
  ASSERT_EQ(opened.error, 0);
  EXPECT_EQ(readAll(*opened.file), "2\r\n") << "creating truncates";
  const auto contents = files.readAll(path);
  EXPECT_EQ(contents.error, 0);
  EXPECT_EQ(std::string(contents.bytes.begin(), contents.bytes.end()), "2\r\n");
  EXPECT_EQ(files.readAll(folder.file("none.bmp")).error, 2);
  EXPECT_NE(files.errorText(2).find("ile"), std::string::npos) << files.errorText(2);
}

TEST(Files, AnOpenSettingsFileLetsOthersReadButNotWrite) {
  ScratchFolder folder;
  platform::win32::Win32Files files;
  const std::string path = folder.file("Options.set");
  ASSERT_EQ(files.createWith(path, bytes("1\r\n")), 0);
  {
    auto opened = files.openForReading(path);
    ASSERT_EQ(opened.error, 0);
    platform::win32::UniqueFile reader(::CreateFileW(platform::win32::widen(path).c_str(), GENERIC_READ,
                                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                                     nullptr));
    EXPECT_TRUE(reader) << "another reader is let in";
    platform::win32::UniqueFile writer(::CreateFileW(platform::win32::widen(path).c_str(), GENERIC_WRITE,
                                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                                     nullptr));
    EXPECT_FALSE(writer) << "a writer is kept out while the bar reads";
  }
  platform::win32::UniqueFile writer(
      ::CreateFileW(platform::win32::widen(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(writer) << "closed again: the companion program may write";
  EXPECT_EQ(files.openForReading(path).error, 32) << "while another program writes it";
}

TEST(Registry, RunValueIsWrittenReadAndDeleted) {
  platform::win32::Win32Registry registry;
  const std::string name = "VeltranaTest" + std::to_string(::GetCurrentProcessId());
  EXPECT_FALSE(registry.runValue(name));
  EXPECT_TRUE(registry.setRunValue(name, "\"C:\\Program Files\\V\\Veltrana.exe\""));
  EXPECT_EQ(registry.runValue(name), "\"C:\\Program Files\\V\\Veltrana.exe\"");
  EXPECT_TRUE(registry.deleteRunValue(name));
  EXPECT_FALSE(registry.runValue(name));
  EXPECT_FALSE(registry.deleteRunValue(name));
}

// The endurance run counts the handles left open: a handle that a call handed
// out is counted from that call on, whether or not it was used since.
TEST(UniqueHandles, AHandleReceivedThroughAPointerIsCountedUntilClosed) {
  const long before = platform::win32::UniqueKey::liveCount();
  {
    platform::win32::UniqueKey key;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, key.put()), ERROR_SUCCESS);
    EXPECT_EQ(platform::win32::UniqueKey::liveCount(), before + 1);
    platform::win32::UniqueKey moved(std::move(key));
    EXPECT_EQ(platform::win32::UniqueKey::liveCount(), before + 1) << "moved, not opened again";
  }
  EXPECT_EQ(platform::win32::UniqueKey::liveCount(), before);
}

TEST(Shell, FindsThePersonalFolderAndTheProgramsOwnFile) {
  platform::win32::Win32Shell shell;
  const auto personal = shell.personalFolder(0);
  ASSERT_TRUE(personal);
  EXPECT_EQ(personal->substr(1, 2), ":\\") << *personal;
  const auto setting = shell.personalFolderSetting();
  ASSERT_TRUE(setting) << "the profile names the folder";
  EXPECT_EQ(veltrana::settingsFolderFrom(*setting), veltrana::settingsFolderFrom(*personal))
      << "its variables expanded, the folder the shell answers with while it exists";
  const std::string program = shell.programPath();
  EXPECT_EQ(program.substr(program.size() - 4), ".exe") << program;
  EXPECT_NE(program.find('\\'), std::string::npos);
}

}  // namespace

namespace {

// The multimedia library costs memory in every session that never presses a
// CD button: it comes with the first command, and the command reaches it.
TEST(Multimedia, TheLibraryIsLoadedByTheFirstCommand) {
  if (::GetModuleHandleW(L"winmm.dll")) GTEST_SKIP() << "something else in this process loaded winmm";
  platform::win32::Win32Multimedia multimedia;
  EXPECT_EQ(::GetModuleHandleW(L"winmm.dll"), nullptr);
  const int answer = multimedia.sendCommand("Set cdaudio door open wait", 0);
  EXPECT_NE(::GetModuleHandleW(L"winmm.dll"), nullptr);
  EXPECT_NE(answer, MCIERR_DEVICE_NOT_INSTALLED) << "the device answered, not the loader";
}

// A library of the system's is never a file of the same name planted beside
// the program, where the ordinary search looks first.
TEST(SystemLibrary, ComesFromTheSystemFolderOnly) {
  constexpr wchar_t planted[] = L"veltrana_planted.dll";
  // Asked before the ordinary search: a library loaded already is found by its name alone.
  const platform::win32::SystemLibrary fromTheSystem(planted);
  EXPECT_FALSE(fromTheSystem) << "the library beside the program was loaded";
  EXPECT_EQ(fromTheSystem.function<int()>("planted"), nullptr) << "nor any function of it";
  const platform::win32::UniqueModule searched(::LoadLibraryW(planted));
  ASSERT_TRUE(searched) << "the ordinary search finds it beside the program";

  const platform::win32::SystemLibrary shcore(L"shcore.dll");
  ASSERT_TRUE(shcore);
  EXPECT_NE(shcore.function<HRESULT WINAPI(HMONITOR, int, UINT*, UINT*)>("GetDpiForMonitor"), nullptr);
  EXPECT_EQ(shcore.function<void()>("NoSuchFunction"), nullptr);
}

}  // namespace

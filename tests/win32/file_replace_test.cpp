// Writing the settings file while another reader holds it, as the bar does
// once a second; making the settings folder and copying the skins in; what
// a writer that ended midway left behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/files.h"
#include "platform/win32/unique_handle.h"
#include "scratch_folder.h"

namespace {

std::vector<std::wstring> namesIn(const ScratchFolder& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((folder.wide + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (std::wstring(found.cFileName) != L"." && std::wstring(found.cFileName) != L"..")
      names.push_back(found.cFileName);
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return names;
}

std::string contents(platform::win32::Win32Files& files, const std::string& path) {
  const auto read = files.readAll(path);
  return read.error ? "error " + std::to_string(read.error) : std::string(read.bytes.begin(), read.bytes.end());
}

// Opened as the bar opens it: for reading, sharing only reading.
platform::win32::UniqueFile openLikeTheBar(const std::string& path) {
  return platform::win32::UniqueFile(::CreateFileW(platform::win32::widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

const std::vector<std::wstring> onlyTheFile{L"Options.set"};

// Both ways the programs write a file: the bar's, which does not wait for
// another program that holds it, and the Options program's, which does.
using Write = int (platform::win32::Win32Files::*)(const std::string&, std::span<const std::uint8_t>);

class EveryWriter : public ::testing::TestWithParam<Write> {
 protected:
  int write(const std::string& file, const std::string& text) { return (files.*GetParam())(file, bytes(text)); }

  ScratchFolder folder;
  platform::win32::Win32Files files;
  const std::string path = folder.file("Options.set");
};

INSTANTIATE_TEST_SUITE_P(FileWriters, EveryWriter,
                         ::testing::Values(&platform::win32::Win32Files::createWith,
                                           &platform::win32::Win32Files::replaceWith),
                         [](const ::testing::TestParamInfo<Write>& writer) {
                           return writer.param == &platform::win32::Win32Files::createWith ? "createWith"
                                                                                             : "replaceWith";
                         });

TEST_P(EveryWriter, WritesANewFileOrReplacesOneLeavingNothingElse) {
  ASSERT_EQ(write(path, "1\r\n"), 0) << "a new file, in a folder outside the ANSI code page";
  EXPECT_EQ(contents(files, path), "1\r\n");
  ASSERT_EQ(write(path, "1\r\n5\r\nOlive\r\n"), 0);
  EXPECT_EQ(contents(files, path), "1\r\n5\r\nOlive\r\n");
  EXPECT_EQ(namesIn(folder), onlyTheFile) << "no temporary file left behind";

  EXPECT_EQ(write(folder.file("missing\\Options.set"), "x"), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(namesIn(folder), onlyTheFile);
}

// Windows refuses to replace a read-only file only after the wait for a
// holder, and Wine replaces it and drops the mark: the writers look first.
TEST_P(EveryWriter, LeaveAFileMarkedReadOnlyAsItWas) {
  ASSERT_EQ(write(path, "old\r\n"), 0);
  ASSERT_TRUE(::SetFileAttributesW(platform::win32::widen(path).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(write(path, "new\r\n"), ERROR_FILE_READ_ONLY);
  EXPECT_EQ(contents(files, path), "old\r\n");
  EXPECT_EQ(::GetFileAttributesW(platform::win32::widen(path).c_str()) & FILE_ATTRIBUTE_READONLY,
            static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(namesIn(folder), onlyTheFile);
  ::SetFileAttributesW(platform::win32::widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FileReplace, WaitsForAReaderThatLetsTheFileGoWithinTwoSeconds) {
  ScratchFolder folder;
  platform::win32::Win32Files files;
  const std::string path = folder.file("Options.set");
  ASSERT_EQ(files.replaceWith(path, bytes("old\r\n")), 0);
  platform::win32::UniqueFile held = openLikeTheBar(path);
  ASSERT_TRUE(held);
  std::thread reader([&held] {
    ::Sleep(300);
    held.reset();
  });
  const int replaced = files.replaceWith(path, bytes("new\r\n"));
  reader.join();
  EXPECT_EQ(replaced, 0);
  EXPECT_EQ(contents(files, path), "new\r\n");
  EXPECT_EQ(namesIn(folder), onlyTheFile);
}

TEST_P(EveryWriter, GivesUpOnAFileHeldLongerAndLeavesItAsItWas) {
  ASSERT_EQ(write(path, "old\r\n"), 0);
  platform::win32::UniqueFile held(::CreateFileW(platform::win32::widen(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(held) << "another program holds the file, sharing nothing";
  const int replaced = write(path, "new\r\n");
  EXPECT_TRUE(replaced == ERROR_SHARING_VIOLATION || replaced == ERROR_ACCESS_DENIED) << replaced;
  held.reset();
  EXPECT_EQ(contents(files, path), "old\r\n");
  EXPECT_EQ(namesIn(folder), onlyTheFile);
}

// What the bar meets while the Options program applies again and again: the
// old file or the new one, or a moment's refusal, but never no file and
// never a part of one.
TEST_P(EveryWriter, NeverShowsAReaderAMissingOrPartWrittenFile) {
  const std::string a = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n";
  const std::string b = "2\r\n6\r\nOlive\r\n255\r\n65280\r\nFalse\r\nStay\r\n";
  ASSERT_EQ(write(path, a), 0);
  std::atomic<bool> done = false;
  std::vector<std::string> seen;
  int reads = 0;
  std::thread reader([&] {
    while (!done) {
      platform::win32::UniqueFile file = openLikeTheBar(path);
      if (!file) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED)
          seen.push_back("open error " + std::to_string(error));
        ::Sleep(1);
        continue;
      }
      char buffer[256];
      DWORD got = 0;
      ::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr);
      const std::string text(buffer, got);
      if (text != a && text != b) seen.push_back(text);
      ++reads;
      file.reset();
      // Far more often than the bar's once a second, but letting go between reads as it does.
      ::Sleep(1);
    }
  });
  int failures = 0;
  for (int i = 0; i < 60; ++i) failures += write(path, i % 2 ? a : b) != 0;
  done = true;
  reader.join();
  // The bar's writer gives up at once on a file the reader holds that moment.
  if (GetParam() == &platform::win32::Win32Files::replaceWith) {
    EXPECT_EQ(failures, 0);
  }
  EXPECT_EQ(seen, std::vector<std::string>{});
  EXPECT_GT(reads, 0);
  EXPECT_EQ(namesIn(folder), onlyTheFile);
}

TEST(SettingsFolderSetup, CreatesTheFolderOnceAndCopiesFilesIn) {
  ScratchFolder folder;
  platform::win32::Win32Files files;
  const std::string vtr = folder.file("VTR\\");
  EXPECT_EQ(files.createFolder(vtr), 0);
  EXPECT_EQ(files.createFolder(vtr), 0) << "a folder that exists is no failure";
  EXPECT_EQ(files.createFolder(folder.file("no\\Docs\\VTR")), 0) << "with the folders above it";
  EXPECT_NE(::GetFileAttributesW(platform::win32::widen(folder.file("no\\Docs\\VTR")).c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(files.createFolder("Q:\\NoSuchDrive\\VTR"), ERROR_PATH_NOT_FOUND) << "a drive that is not there";
  ASSERT_EQ(files.replaceWith(folder.file("blue.bmp"), bytes("BM")), 0);
  EXPECT_EQ(files.createFolder(folder.file("blue.bmp")), ERROR_ALREADY_EXISTS) << "a file of that name";

  ASSERT_TRUE(::SetFileAttributesW(platform::win32::widen(folder.file("blue.bmp")).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(files.copyFile(folder.file("blue.bmp"), vtr + "blue.bmp"), 0);
  EXPECT_EQ(contents(files, vtr + "blue.bmp"), "BM");
  EXPECT_EQ(::GetFileAttributesW(platform::win32::widen(vtr + "blue.bmp").c_str()) & FILE_ATTRIBUTE_READONLY, 0u)
      << "the copy of a read-only skin can be replaced later";
  EXPECT_EQ(files.copyFile(folder.file("olive.bmp"), vtr + "olive.bmp"), ERROR_FILE_NOT_FOUND);

  // A skin the user changed is never copied over, read-only or not.
  ASSERT_EQ(files.replaceWith(vtr + "silver.bmp", bytes("BM mine")), 0);
  EXPECT_EQ(files.copyFile(folder.file("blue.bmp"), vtr + "silver.bmp"), ERROR_ALREADY_EXISTS);
  EXPECT_EQ(contents(files, vtr + "silver.bmp"), "BM mine");
  ASSERT_TRUE(::SetFileAttributesW(platform::win32::widen(vtr + "silver.bmp").c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(files.copyFile(folder.file("blue.bmp"), vtr + "silver.bmp"), ERROR_ALREADY_EXISTS);
  EXPECT_EQ(contents(files, vtr + "silver.bmp"), "BM mine");
  ::SetFileAttributesW(platform::win32::widen(vtr + "silver.bmp").c_str(), FILE_ATTRIBUTE_NORMAL);
  ::SetFileAttributesW(platform::win32::widen(folder.file("blue.bmp")).c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The id of a process that ran and has ended.
DWORD endedProcess() {
  wchar_t command[] = L"cmd.exe /c exit";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &process))
    return 0;
  ::WaitForSingleObject(process.hProcess, 30000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return process.dwProcessId;
}

// A writer killed between writing its temporary file and moving it over the
// target leaves that file behind, named for its process.
TEST(LeftoverTemporaryFiles, OnlyThoseOfProcessesThatAreGoneAreRemoved) {
  ScratchFolder folder;
  platform::win32::Win32Files files;
  const std::string path = folder.file("Options.set");
  ASSERT_EQ(files.replaceWith(path, bytes("1\r\n")), 0);
  const DWORD ended = endedProcess();
  ASSERT_NE(ended, 0u);
  const auto leftover = [&](const std::string& name) {
    ASSERT_EQ(files.replaceWith(folder.file(name.c_str()), bytes("x")), 0);
  };
  const std::string running = "Options.set." + std::to_string(::GetCurrentProcessId()) + ".tmp";
  for (const std::string& name : {"Options.set." + std::to_string(ended) + ".tmp",
                                  std::string("Options.set.4294967292.tmp"),  // an id no process has had
                                  running, std::string("Options.set.12ab.tmp"), std::string("Options.set.bak"),
                                  "Other.set." + std::to_string(ended) + ".tmp"})
    leftover(name);
  files.removeLeftovers(path);
  auto names = namesIn(folder);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Options.set", L"Options.set.12ab.tmp",
                                              platform::win32::widen(running), L"Options.set.bak",
                                              platform::win32::widen("Other.set." + std::to_string(ended) + ".tmp")}));
}

}  // namespace

// Replacing the settings file while another reader holds it, as the bar does
// once a second; making the settings folder and copying the skins in.
#include <gtest/gtest.h>

#include <windows.h>

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

TEST(FileReplace, WritesANewFileOrReplacesOneLeavingNothingElse) {
  ScratchFolder folder;
  platform::win32::Win32Files files;
  const std::string path = folder.file("Options.set");
  ASSERT_EQ(files.replaceWith(path, bytes("1\r\n")), 0) << "a new file, in a folder outside the ANSI code page";
  EXPECT_EQ(contents(files, path), "1\r\n");
  ASSERT_EQ(files.replaceWith(path, bytes("1\r\n5\r\nOlive\r\n")), 0);
  EXPECT_EQ(contents(files, path), "1\r\n5\r\nOlive\r\n");
  EXPECT_EQ(namesIn(folder), onlyTheFile) << "no temporary file left behind";

  EXPECT_EQ(files.replaceWith(folder.file("missing\\Options.set"), bytes("x")), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(namesIn(folder), onlyTheFile);
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

TEST(FileReplace, GivesUpOnAFileHeldLongerAndLeavesItAsItWas) {
  ScratchFolder folder;
  platform::win32::Win32Files files;
  const std::string path = folder.file("Options.set");
  ASSERT_EQ(files.replaceWith(path, bytes("old\r\n")), 0);
  platform::win32::UniqueFile held(::CreateFileW(platform::win32::widen(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(held) << "another program holds the file, sharing nothing";
  const int replaced = files.replaceWith(path, bytes("new\r\n"));
  EXPECT_TRUE(replaced == ERROR_SHARING_VIOLATION || replaced == ERROR_ACCESS_DENIED) << replaced;
  held.reset();
  EXPECT_EQ(contents(files, path), "old\r\n");
  EXPECT_EQ(namesIn(folder), onlyTheFile);
}

// What the bar meets while the Options program applies again and again: the
// old file or the new one, or a moment's refusal, but never no file and
// never a part of one.
TEST(FileReplace, NeverShowsAReaderAMissingOrPartWrittenFile) {
  ScratchFolder folder;
  platform::win32::Win32Files files;
  const std::string path = folder.file("Options.set");
  const std::string a = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n";
  const std::string b = "2\r\n6\r\nOlive\r\n255\r\n65280\r\nFalse\r\nStay\r\n";
  ASSERT_EQ(files.replaceWith(path, bytes(a)), 0);
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
  for (int i = 0; i < 60; ++i) failures += files.replaceWith(path, bytes(i % 2 ? a : b)) != 0;
  done = true;
  reader.join();
  EXPECT_EQ(failures, 0);
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
  EXPECT_EQ(files.createFolder(folder.file("no\\VTR")), ERROR_PATH_NOT_FOUND);
  ASSERT_EQ(files.replaceWith(folder.file("blue.bmp"), bytes("BM")), 0);
  EXPECT_EQ(files.createFolder(folder.file("blue.bmp")), ERROR_ALREADY_EXISTS) << "a file of that name";

  EXPECT_EQ(files.copyFile(folder.file("blue.bmp"), vtr + "blue.bmp"), 0);
  EXPECT_EQ(contents(files, vtr + "blue.bmp"), "BM");
  EXPECT_EQ(files.copyFile(folder.file("olive.bmp"), vtr + "olive.bmp"), ERROR_FILE_NOT_FOUND);
}

}  // namespace

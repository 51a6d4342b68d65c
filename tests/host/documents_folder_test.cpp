// Where the settings folder lies when the shell's answer for the documents
// folder is no path: Wine answers for a folder that does not exist with its
// path behind four stray characters.
#include <gtest/gtest.h>

#include <string>

#include "options/settings_document.h"
#include "popups/file_error_notice.h"
#include "settings/settings_file.h"
#include "support/scenario.h"

namespace {

using veltrana::options::SettingsDocument;

// What Wine 8's shell gave for C:\users\root\NoSuchDocs: U+02A8 U+0014 U+0298 U+0014 before the path.
const std::string garbled = "\u02A8\x14\u0298\x14" "C:\\users\\root\\NoSuchDocs";

TEST(DocumentsFolder, IsAFullPathOrNone) {
  for (const char* full : {"C:\\", "c:\\Users\\ann\\Documents", "D:\\Docs\\", "\\\\server\\share\\docs"})
    EXPECT_TRUE(veltrana::isFullPath(full)) << full;
  for (const std::string& not_full : {std::string(), std::string("C:"), std::string("C:Docs"), std::string("\\Docs"),
                                      std::string("Docs\\VTR"), std::string("1:\\Docs"), garbled})
    EXPECT_FALSE(veltrana::isFullPath(not_full)) << not_full;

  fakes::FakeShell shell;
  shell.personal = garbled;
  EXPECT_EQ(veltrana::documentsFolder(shell, 0), std::nullopt) << "the profile names no folder either";
  shell.personalSetting = "C:\\users\\root\\NoSuchDocs";
  EXPECT_EQ(veltrana::documentsFolder(shell, 0), "C:\\users\\root\\NoSuchDocs");
  shell.personal.reset();
  EXPECT_EQ(veltrana::documentsFolder(shell, 0), "C:\\users\\root\\NoSuchDocs") << "the shell answered nothing";
  shell.personal = "D:\\Docs\\";
  EXPECT_EQ(veltrana::documentsFolder(shell, 0), "D:\\Docs\\") << "a full answer is taken as it is";
}

TEST(DocumentsFolder, GarbledByTheShellTheBarsNoticeNamesTheDriveTheProfileNames) {
  fakes::Scenario s;
  s.files.folders.clear();
  s.shell.personal = garbled;
  s.shell.personalSetting = "E:\\users\\root\\NoSuchDocs";
  s.start();
  EXPECT_EQ(s.program->fileErrorNotice().Label2.caption(), "Can`t open file on disk E:\\");
  EXPECT_EQ(s.files.creations, 0) << "nothing written anywhere";
}

TEST(DocumentsFolder, GarbledByTheShellOptionsNamesTheFolderItExpected) {
  const std::string cyrillic = "C:\\users\\root\\\u0414\u043e\u043a\u0443\u043c\u0435\u043d\u0442\u044b";
  for (const std::string& expected : {std::string("C:\\users\\root\\NoSuchDocs"), cyrillic}) {
    fakes::FakeFiles files;
    fakes::FakeShell shell;
    const fakes::FakeRegistry registry;
    shell.personal = "\u02A8\x14\u0298\x14" + expected;
    shell.personalSetting = expected;
    SettingsDocument document(files, shell, registry);
    const auto opened = document.open();
    EXPECT_EQ(opened.found, SettingsDocument::Found::noFolder);
    EXPECT_EQ(opened.status, "The settings folder " + expected + "\\VTR\\ does not exist.");
    EXPECT_EQ(document.createFolderQuestion(),
              "Veltrana keeps its settings and skins in the folder\n\n" + expected +
                  "\\VTR\\\n\nwhich does not exist. Create it now and copy in the skins?");
  }
}

}  // namespace

// The Options program's logic on fakes: the ranges of its fields, and what it
// finds, creates and writes, with the texts it shows.
#include <gtest/gtest.h>

#include <string>

#include "options/option_fields.h"
#include "options/settings_document.h"
#include "options/setup_commands.h"
#include "settings/settings_file.h"
#include "support/fake_ports.h"

namespace {

using veltrana::options::Field;
using veltrana::options::OptionFields;
using veltrana::options::SettingsDocument;

TEST(OptionFieldRanges, TakeWholeSecondsTheBarCanTime) {
  using veltrana::options::secondsFrom;
  EXPECT_EQ(secondsFrom("0"), 0);
  EXPECT_EQ(secondsFrom("2147483"), 2147483) << "the longest interval";
  EXPECT_EQ(secondsFrom(" 7 "), 7) << "blanks around a number";
  EXPECT_EQ(secondsFrom("$10"), 16) << "numbers as the settings file writes them";
  for (const char* refused : {"2147484", "-1", "abc", "", "1.5", "2147483648", "1 2"})
    EXPECT_FALSE(secondsFrom(refused)) << '"' << refused << '"';
}

TEST(OptionFieldRanges, RefuseTheFirstFieldOutOfRangeByName) {
  OptionFields fields = veltrana::options::fieldsFor({});
  fields.updateInterval = "abc";
  fields.hideTime = "-1";
  auto check = veltrana::options::valuesFrom(fields);
  EXPECT_FALSE(check.values);
  EXPECT_EQ(check.field, Field::updateInterval);
  EXPECT_EQ(check.message, "Update interval must be a whole number of seconds from 0 to 2147483.");

  fields.updateInterval = "2147483";
  check = veltrana::options::valuesFrom(fields);
  EXPECT_EQ(check.field, Field::hideTime);
  EXPECT_EQ(check.message, "Hide time must be a whole number of seconds from 0 to 2147483.");

  fields.hideTime = "0";
  check = veltrana::options::valuesFrom(fields);
  ASSERT_TRUE(check.values);
  EXPECT_EQ(check.field, Field::none);
  EXPECT_EQ(check.values->updateInterval, 2147483);
  EXPECT_EQ(check.values->hideTime, 0);
}

class Document : public ::testing::Test {
 protected:
  Document() {
    files.folders.insert(folder);
    shell.personal = "C:\\Users\\ann\\Documents\\";
    shell.program = "C:\\Program Files\\Veltrana\\Options.exe";
  }
  void installSkinsBesideTheProgram(std::initializer_list<const char*> names) {
    files.folders.insert(skins);
    for (const char* name : names) files.write(skins + "\\" + name, std::string("BM skin ") + name);
  }

  const std::string folder = "C:\\Users\\ann\\Documents\\VTR";
  const std::string file = folder + "\\Options.set";
  const std::string skins = "C:\\Program Files\\Veltrana\\skins";
  fakes::FakeFiles files;
  fakes::FakeShell shell;
  fakes::FakeRegistry registry;
  SettingsDocument document{files, shell, registry};
};

TEST_F(Document, OpensTheFileWithItsFaultsNamedInTheStatusLine) {
  files.write(file, "abc\r\n5\r\nBlue\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
  auto opened = document.open();
  EXPECT_EQ(opened.found, SettingsDocument::Found::file);
  EXPECT_EQ(opened.values.updateInterval, 1) << "the faulty line at its default";
  EXPECT_EQ(opened.values.background, veltrana::Background{veltrana::Skin::blue});
  EXPECT_EQ(opened.status, "Line 1: 'abc' is not a valid integer value. The field shows its default.");
  EXPECT_EQ(files.openHandles, 0) << "the file is closed again";

  files.write(file, "1\r\n\xFCx\r\nBlue\r\nx\r\n32768\r\nTrue\r\nMove\r\n");
  opened = document.open();
  EXPECT_EQ(opened.status,
            "Line 2: '\u00FCx' is not a valid integer value. Line 4: 'x' is not a valid integer value. "
            "These fields show their defaults.");

  files.write(file, "1\r\n5\r\nBlue\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
  EXPECT_EQ(document.open().status, "Settings file: " + file);
}

// What is wrong is said in words where quoting the line would show nothing
// readable: a file that is not 8-bit text, a switch that is almost its word.
TEST_F(Document, SaysWhyAFileIsNotTextAndWhyASwitchIsOff) {
  files.write(file, std::string("\xFF\xFE" "1\0\r\0\n\0" "5\0", 10));
  auto opened = document.open();
  EXPECT_EQ(opened.status,
            "The settings file is saved as Unicode: save it as ANSI text. "
            "The fields show the defaults; OK or Apply saves them as ANSI text.");
  EXPECT_EQ(opened.values, veltrana::SettingsValues{});

  files.write(file, std::string("1\0abc\r\n5\r\nBlue\r\n0\r\n32768\r\nTrue\r\nMove\r\nfit\r\n Yield\r\nReserve \r\n", 61));
  EXPECT_EQ(document.open().status,
            "Line 1: '1' is followed by a NUL character: save the settings file as ANSI text. "
            "The field shows its default. Line 8 reads 'fit', not 'Fit': the switch is off. "
            "Line 9 reads ' Yield', not 'Yield': the switch is off. "
            "Line 10 reads 'Reserve ', not 'Reserve': the switch is off.");
}

TEST_F(Document, OpensTheDefaultsWhenTheFileIsMissingOrRefused) {
  auto opened = document.open();
  EXPECT_EQ(opened.found, SettingsDocument::Found::noFile);
  EXPECT_EQ(opened.values, veltrana::SettingsValues{});

  files.write(file, "2\r\n");
  files.heldForWriting.insert(file);
  opened = document.open();
  EXPECT_EQ(opened.found, SettingsDocument::Found::unreadable);
  EXPECT_EQ(opened.values, veltrana::SettingsValues{});
  EXPECT_EQ(opened.status, file + " cannot be read: Error 32. The fields show the defaults.");

  shell.personal.reset();
  EXPECT_EQ(document.open().found, SettingsDocument::Found::noDocuments);
}

TEST_F(Document, WritesTheValuesInOneReplaceOrKeepsTheOldFile) {
  files.write(file, "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
  document.open();
  veltrana::SettingsValues values;
  values.background = veltrana::Skin::olive;
  auto saved = document.save(values);
  EXPECT_TRUE(saved.done);
  EXPECT_EQ(saved.message, "Saved. The bar shows the change within a second.");
  EXPECT_EQ(files.text(file), "1\r\n5\r\nOlive\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
  EXPECT_EQ(files.replacements, 1);
  EXPECT_EQ(files.creations, 0) << "never truncated and written in place";

  files.readOnly.insert(file);  // marked so by the user, who wants it left alone
  values.background = veltrana::Skin::blue;
  saved = document.save(values);
  EXPECT_FALSE(saved.done);
  EXPECT_EQ(saved.message, "The settings cannot be saved to " + file +
                               ": the file is marked read-only.\n\nThe file was left as it was.");
  EXPECT_EQ(files.text(file), "1\r\n5\r\nOlive\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
}

// The optional switches are written when they are on, or when the file had
// their line: a file is never made longer than it must be.
TEST_F(Document, WritesAnOptionalLineOnlyWhenItIsOnOrWasThere) {
  const std::string seven = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n";
  files.write(file, seven);
  veltrana::SettingsValues values = document.open().values;
  document.save(values);
  EXPECT_EQ(files.text(file), seven);
  values.fit = true;
  document.save(values);
  EXPECT_EQ(files.text(file), seven + "Fit\r\n");
  values.fit = false;
  document.save(values);
  EXPECT_EQ(files.text(file), seven + "\r\n") << "off, and still there";

  files.write(file, seven + "fit\r\n");
  values = document.open().values;
  EXPECT_FALSE(values.fit) << "only the word itself";
  document.save(values);
  EXPECT_EQ(files.text(file), seven + "\r\n");
}

// Line 6 may say True while Windows keeps the start at log-on off: the
// dialog says so, and how to turn it on again, as the bar leaves it alone.
TEST_F(Document, SaysWhenWindowsStartupSettingsKeepTheStartAtLogOnOff) {
  files.write(file, "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
  auto opened = document.open();
  EXPECT_FALSE(opened.autostartTurnedOff);
  EXPECT_EQ(opened.status, "Settings file: " + file);

  registry.turnedOff.insert("VTR");
  opened = document.open();
  EXPECT_TRUE(opened.autostartTurnedOff);
  EXPECT_TRUE(opened.values.autostart) << "line 6 as the file has it";
  EXPECT_EQ(opened.status, "Settings file: " + file + "\n" + SettingsDocument::autostartTurnedOffAdvice);
  EXPECT_NE(opened.status.find("Task Manager's Startup tab"), std::string::npos) << "where to turn it on";
}

// Another writer may change the file while the dialog is open: setup's
// /fit, a text editor, a second copy of Options. A save keeps what it
// changed wherever the user changed nothing, and says so.
TEST_F(Document, KeepsLineEightThatSetupWroteWhileTheDialogWasOpen) {
  const std::string seven = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n";
  files.write(file, seven);
  veltrana::SettingsValues shown = document.open().values;
  shell.personal = "C:\\Users\\ann\\Documents";
  ASSERT_EQ(veltrana::options::fitSettings(files, shell).exitCode, veltrana::options::fitDone);
  ASSERT_EQ(files.text(file), seven + "Fit\r\n");

  shown.hideTime = 9;
  auto saved = document.save(shown);
  ASSERT_TRUE(saved.done) << saved.message;
  EXPECT_EQ(files.text(file), "1\r\n9\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\nFit\r\n");
  EXPECT_TRUE(saved.values.fit) << "the dialog shows the line it kept";
  EXPECT_EQ(saved.values.hideTime, 9);
  EXPECT_NE(saved.message.find("changed the settings file"), std::string::npos) << saved.message;
  EXPECT_NE(saved.message.find("line 8 is as the file had it"), std::string::npos) << saved.message;

  // The next save starts from what was written: nothing to report, Fit stays.
  shown = saved.values;
  shown.updateInterval = 2;
  saved = document.save(shown);
  EXPECT_EQ(files.text(file), "2\r\n9\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\nFit\r\n");
  EXPECT_EQ(saved.message, "Saved. The bar shows the change within a second.");

  // Unticked in the dialog after that: the user's change, written.
  shown.fit = false;
  document.save(shown);
  EXPECT_EQ(files.text(file), "2\r\n9\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n\r\n");
}

TEST_F(Document, KeepsAHandEditAndTheUsersValueWhereBothChangedALine) {
  files.write(file, "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
  veltrana::SettingsValues shown = document.open().values;
  // In a text editor meanwhile, saved with LF line ends and a hex colour.
  files.write(file, "3\n5\nBlue\n$FF\n32768\nTrue\nMove\n");
  shown.updateInterval = 7;  // changed there too
  shown.valueColour = 0;     // here alone
  const auto saved = document.save(shown);
  ASSERT_TRUE(saved.done);
  EXPECT_EQ(files.text(file), "7\r\n5\r\nBlue\r\n$FF\r\n0\r\nTrue\r\nMove\r\n");
  EXPECT_EQ(saved.values.background, veltrana::Background{veltrana::Skin::blue});
  EXPECT_EQ(saved.values.captionColour, 255);
  EXPECT_NE(saved.message.find("lines 3 and 4 are as the file had them"), std::string::npos) << saved.message;
  EXPECT_NE(saved.message.find("Line 1 had changed there too, and has the value set here"), std::string::npos)
      << saved.message;
  EXPECT_EQ(saved.message.find("line 5"), std::string::npos) << "the user's own change is no news: " << saved.message;

  // A line both changed to the same text is no conflict.
  const veltrana::SettingsValues opened = document.open().values;
  files.write(file, "7\r\n6\r\nBlue\r\n$FF\r\n0\r\nTrue\r\nMove\r\n");
  shown = opened;
  shown.hideTime = 6;
  EXPECT_EQ(document.save(shown).message, "Saved. The bar shows the change within a second.");
}

// Lines the program does not know (a later version's) are not its own:
// kept byte for byte, whoever wrote them and when.
TEST_F(Document, KeepsTheLinesAfterThoseItKnowsByteForByte) {
  const std::string twelve = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n\r\nYield\r\n\r\n\r\n\\\\.\\DISPLAY2\r\n";
  files.write(file, twelve + "a line of a later version\n");
  veltrana::SettingsValues shown = document.open().values;
  shown.moveMode = false;
  ASSERT_TRUE(document.save(shown).done);
  EXPECT_EQ(files.text(file), "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nStay\r\n\r\nYield\r\n\r\n\r\n\\\\.\\DISPLAY2\r\n"
                              "a line of a later version\n");

  // Added by another writer while the dialog was open, without a line end.
  files.write(file, "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nStay\r\n");
  shown = document.open().values;
  files.write(file, "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nStay\r\n\r\n\r\n\r\n\r\n\\\\.\\DISPLAY3\r\nthirteen");
  shown.hideTime = 4;
  ASSERT_TRUE(document.save(shown).done);
  EXPECT_EQ(files.text(file), "1\r\n4\r\nSilver\r\n0\r\n32768\r\nTrue\r\nStay\r\n\r\n\r\n\r\n\r\n\\\\.\\DISPLAY3\r\nthirteen");
}

TEST_F(Document, WritesAnewAFileThatWentAwayAndLeavesOneItCannotReadNow) {
  files.write(file, "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\nFit\r\n");
  veltrana::SettingsValues shown = document.open().values;
  files.files.erase(file);
  shown.hideTime = 8;
  auto saved = document.save(shown);
  ASSERT_TRUE(saved.done);
  EXPECT_EQ(files.text(file), "1\r\n8\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\nFit\r\n")
      << "no empty lines for what the file no longer has";

  files.heldForWriting.insert(file);
  shown.hideTime = 9;
  saved = document.save(shown);
  EXPECT_FALSE(saved.done);
  EXPECT_NE(saved.message.find("cannot be read"), std::string::npos) << saved.message;
  files.heldForWriting.clear();
  EXPECT_EQ(files.text(file), "1\r\n8\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\nFit\r\n");
}

// Without a file the dialog shows the defaults; the bar, started meanwhile,
// writes them: that is no change to report, and a line setup set is kept.
TEST_F(Document, TakesTheFileOthersMadeWhileItShowedTheDefaults) {
  veltrana::SettingsValues shown = document.open().values;
  files.write(file, "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
  shown.hideTime = 3;
  EXPECT_EQ(document.save(shown).message, "Saved. The bar shows the change within a second.");

  files.files.erase(file);
  shown = document.open().values;
  files.write(file, "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\nFit\r\n");
  shown.hideTime = 3;
  const auto saved = document.save(shown);
  EXPECT_EQ(files.text(file), "1\r\n3\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\nFit\r\n");
  EXPECT_NE(saved.message.find("line 8 is as the file had it"), std::string::npos) << saved.message;
}

// A line another writer made faulty is theirs, kept as it is; the dialog
// shows its default and says so, and a later save writes that default.
TEST_F(Document, SaysWhenALineItKeptIsOneTheBarRefuses) {
  files.write(file, "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
  veltrana::SettingsValues shown = document.open().values;
  files.write(file, "1\r\nfive\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
  shown.updateInterval = 2;
  auto saved = document.save(shown);
  EXPECT_EQ(files.text(file), "2\r\nfive\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
  EXPECT_NE(saved.message.find("Line 2: 'five' is not a valid integer value."), std::string::npos) << saved.message;
  saved = document.save(saved.values);
  EXPECT_EQ(files.text(file), "2\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
}

TEST(OptionScreen, NamesTheScreenAndItsScaling) {
  EXPECT_EQ(veltrana::options::screenText({1920, 1080, 144}), "1920 x 1080 at 150 %");
  EXPECT_EQ(veltrana::options::screenText({2560, 1440, 120}), "2560 x 1440 at 125 %");
  EXPECT_EQ(veltrana::options::screenText({1366, 768, 96}), "1366 x 768 at 100 %");
}

TEST_F(Document, OffersTheMissingFolderAndCopiesInTheSkinsBesideTheProgram) {
  files.folders.clear();
  installSkinsBesideTheProgram({"silver.bmp", "olive.bmp", "blue.bmp"});
  const auto opened = document.open();
  EXPECT_EQ(opened.found, SettingsDocument::Found::noFolder);
  EXPECT_NE(document.createFolderQuestion().find("\n" + folder + "\\\n"), std::string::npos)
      << "the question names the folder: " << document.createFolderQuestion();

  const auto created = document.createFolder();
  EXPECT_TRUE(created.done);
  EXPECT_EQ(created.message, "") << "nothing to report";
  EXPECT_EQ(created.status, "Created " + folder + "\\ with the three skins.");
  for (const char* skin : {"silver.bmp", "olive.bmp", "blue.bmp"})
    EXPECT_EQ(files.text(folder + "\\" + skin), std::string("BM skin ") + skin);
  EXPECT_FALSE(files.exists(file)) << "the bar writes the settings file when it starts";
  EXPECT_EQ(document.open().found, SettingsDocument::Found::noFile);
}

TEST_F(Document, CreatesTheFolderWithoutSkinsAndSaysWhichAreMissing) {
  files.folders.clear();
  document.open();
  auto created = document.createFolder();
  EXPECT_TRUE(created.done);
  EXPECT_TRUE(files.folders.count(folder));
  EXPECT_EQ(created.missingSkins, (std::vector<std::string>{"silver.bmp", "olive.bmp", "blue.bmp"}));
  EXPECT_EQ(created.message,
            "The folder " + folder +
                "\\ was created. The skins are missing: silver.bmp, olive.bmp and blue.bmp are not in " + skins +
                "\\.\n\nUntil a skin is in the new folder, the bar reports an error when it is to show it.");

  files.folders.clear();
  installSkinsBesideTheProgram({"silver.bmp", "blue.bmp"});
  created = document.createFolder();
  EXPECT_EQ(created.missingSkins, std::vector<std::string>{"olive.bmp"});
  EXPECT_NE(created.message.find("olive.bmp is not in"), std::string::npos) << created.message;
  EXPECT_TRUE(files.exists(folder + "\\silver.bmp"));
}

// A box as wide as a long path would reach past the screen's edges.
TEST_F(Document, BoxesQuoteALongPathByItsStartAndEndAndTheStatusLineWhole) {
  const std::string documents = "C:\\Users\\ann\\" + std::string(230, 'D');
  const std::string start = "C:\\Users\\ann\\" + std::string(17, 'D') + "\u2026";
  shell.personal = documents;
  files.folders = {documents};
  EXPECT_EQ(document.open().status, "The settings folder " + documents + "\\VTR\\ does not exist.");
  EXPECT_EQ(document.createFolderQuestion(),
            "Veltrana keeps its settings and skins in the folder\n\n" + start + std::string(44, 'D') +
                "\\VTR\\\n\nwhich does not exist. Create it now and copy in the skins?");
  files.readOnly.insert(documents + "\\VTR");
  EXPECT_EQ(document.createFolder().message,
            "The folder " + start + std::string(44, 'D') + "\\VTR\\ cannot be created: Error 5.");

  files.folders.insert(documents + "\\VTR");
  files.write(document.path(), "1\r\n");
  files.readOnly.insert(document.path());
  EXPECT_EQ(document.save({}).message,
            "The settings cannot be saved to " + start + std::string(33, 'D') +
                "\\VTR\\Options.set: the file is marked read-only.\n\nThe file was left as it was.");
}

TEST_F(Document, ReportsAFolderItCannotCreate) {
  files.folders.clear();
  files.readOnly.insert(folder);
  document.open();
  const auto created = document.createFolder();
  EXPECT_FALSE(created.done);
  EXPECT_EQ(created.message, "The folder " + folder + "\\ cannot be created: Error 5.");
}

}  // namespace

// What setup asks the Options program: to fit the bar (line 8), and whether
// fitting is worth offering on the screen it names.
#include <gtest/gtest.h>

#include "options/setup_commands.h"
#include "support/fake_ports.h"

namespace {

using veltrana::options::MonitorOnDesk;
using veltrana::options::SetupCommand;

class SetupCommands : public ::testing::Test {
 protected:
  SetupCommands() { files.folders.insert(folder); }
  int offer(int width, int height, int dpi) { return offerOn({{"\\\\.\\DISPLAY1", 0, 0, {width, height, dpi}, true}}); }
  int offerOn(const std::vector<MonitorOnDesk>& desk) {
    return veltrana::options::offerFitting(files, shell, desk).exitCode;
  }
  const std::string folder = "C:\\users\\root\\Documents\\VTR";
  const std::string path = folder + "\\Options.set";
  fakes::FakeFiles files;
  fakes::FakeShell shell;
};

TEST_F(SetupCommands, OfferFittingOnAScreenTheBarWasNotMadeForUntilLineEightReadsFit) {
  using veltrana::options::fitNotOffered, veltrana::options::fitOffered;
  EXPECT_EQ(offer(1280, 1024, 96), fitNotOffered);
  EXPECT_EQ(offer(1280, 800, 144), fitOffered) << "a made-for size, scaled";
  EXPECT_EQ(offer(1920, 1080, 144), fitOffered);
  const std::vector<MonitorOnDesk> desk{{"\\\\.\\DISPLAY1", 0, 0, {1920, 1080, 144}, true}};
  EXPECT_EQ(veltrana::options::offerFitting(files, shell, desk).text, "1920 x 1080 at 150 %");
  EXPECT_EQ(veltrana::options::fitSettings(files, shell).exitCode, veltrana::options::fitDone);
  EXPECT_EQ(offer(1920, 1080, 144), fitNotOffered) << "on already";
}

// Setup offers to fit the bar to the monitor it lives on: the one line 12
// names while it is connected, else the main one.
TEST_F(SetupCommands, OfferFittingJudgesTheMonitorLineTwelveNames) {
  using veltrana::options::fitNotOffered, veltrana::options::fitOffered, veltrana::options::offerFitting;
  const std::vector<MonitorOnDesk> desk{
      {"\\\\.\\DISPLAY1", 0, 0, {1280, 1024, 96}, true},
      {"\\\\.\\DISPLAY2", 1280, 0, {1920, 1080, 144}, false},
  };
  const std::string seven = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n";
  const auto named = [&](const std::string& line12) {
    files.write(path, seven + "\r\n\r\n\r\n\r\n" + line12 + "\r\n");
  };

  named("\\\\.\\display2");
  auto answer = offerFitting(files, shell, desk);
  EXPECT_EQ(answer.exitCode, fitOffered);
  EXPECT_EQ(answer.text, "1920 x 1080 at 150 %") << "the named monitor, its name in another case";

  named("\\\\.\\DISPLAY3");
  answer = offerFitting(files, shell, desk);
  EXPECT_EQ(answer.exitCode, fitNotOffered) << "not connected: the main monitor, made for";
  EXPECT_EQ(answer.text, "1280 x 1024 at 100 %");

  named("");
  EXPECT_EQ(offerOn(desk), fitNotOffered) << "empty: the main monitor";
  files.files.erase(path);
  EXPECT_EQ(offerFitting(files, shell, desk).text, "1280 x 1024 at 100 %") << "no file";

  // A faulty line before it does not hide line 12, as it does not from the bar.
  files.write(path, "abc\r\n" + seven.substr(3) + "Fit\r\n\r\n\r\n\r\n\\\\.\\DISPLAY2\r\n");
  answer = offerFitting(files, shell, desk);
  EXPECT_EQ(answer.text, "1920 x 1080 at 150 %");
  EXPECT_EQ(answer.exitCode, fitNotOffered) << "line 8 reads Fit already";
}

TEST_F(SetupCommands, FitAnswersWhyItLeftTheFileAlone) {
  files.write(path, "\xFF\xFE");
  const auto refused = veltrana::options::fitSettings(files, shell);
  EXPECT_EQ(refused.exitCode, veltrana::options::fitRefused);
  EXPECT_NE(refused.text.find("UTF-16"), std::string::npos) << refused.text;
  shell.personal = shell.personalSetting = std::nullopt;
  EXPECT_EQ(veltrana::options::fitSettings(files, shell).exitCode, veltrana::options::fitRefused) << "no Documents";

}

// Only an empty command line opens the dialog: a caller that gives a command
// waits for an exit code, and a dialog would keep it waiting for no one.
TEST(SetupCommandLine, OpensTheDialogOnlyWithoutACommandAndAnswersATypoAtOnce) {
  using veltrana::options::setupCommandIn;
  EXPECT_EQ(setupCommandIn("/fit"), SetupCommand::fit);
  EXPECT_EQ(setupCommandIn(" /FIT-Offer "), SetupCommand::fitOffer) << "as Windows switches go";
  EXPECT_EQ(setupCommandIn("/Prepare\t"), SetupCommand::prepare);
  for (const char* blank : {"", " ", "\t \t"}) EXPECT_EQ(setupCommandIn(blank), std::nullopt) << "the dialog";
  for (const char* other : {"/fitter", "/fit-offerx", "/fit /fit-offer", "fit", "/prepare now", "-fit", "/?"})
    EXPECT_EQ(setupCommandIn(other), SetupCommand::unknown) << '"' << other << '"';

  const auto typo = veltrana::options::unknownCommandAnswer(" /fit-offerx ");
  EXPECT_NE(typo.exitCode, 0);
  for (int other : {veltrana::options::fitRefused, veltrana::options::fitNotOffered, veltrana::options::prepareRefused})
    EXPECT_NE(typo.exitCode, other) << "told apart from every answer of a known command";
  EXPECT_NE(typo.text.find("'/fit-offerx'"), std::string::npos) << typo.text;
  for (const char* command : {"/fit", "/fit-offer", "/prepare"})
    EXPECT_NE(typo.text.find(command), std::string::npos) << "names " << command << ": " << typo.text;
}

// Scoop unpacks the programs and calls /prepare, so that the first start of
// the bar finds its folder and skins; a skin the user changed stays.
class PrepareCommand : public ::testing::Test {
 protected:
  PrepareCommand() {
    files.folders = {"C:\\users\\root\\Documents", skins};
    shell.program = "C:\\Users\\ann\\scoop\\apps\\veltrana\\current\\Options.exe";
    for (const char* skin : {"silver.bmp", "olive.bmp", "blue.bmp"})
      files.write(skins + "\\" + skin, std::string("BM shipped ") + skin);
  }
  veltrana::options::CommandAnswer prepare() { return veltrana::options::prepareFolder(files, shell); }
  const std::string folder = "C:\\users\\root\\Documents\\VTR";
  const std::string skins = "C:\\Users\\ann\\scoop\\apps\\veltrana\\current\\skins";
  fakes::FakeFiles files;
  fakes::FakeShell shell;
};

TEST_F(PrepareCommand, MakesTheFolderWithTheSkinsAndKeepsWhatIsThere) {
  auto answer = prepare();
  EXPECT_EQ(answer.exitCode, veltrana::options::prepared) << answer.text;
  for (const char* skin : {"silver.bmp", "olive.bmp", "blue.bmp"})
    EXPECT_EQ(files.text(folder + "\\" + skin), std::string("BM shipped ") + skin);
  EXPECT_FALSE(files.exists(folder + "\\Options.set")) << "the bar writes its settings when it starts";

  files.write(folder + "\\olive.bmp", "BM the user's own olive");
  files.files.erase(folder + "\\blue.bmp");
  files.write(folder + "\\Options.set", "3\r\n");
  answer = prepare();
  EXPECT_EQ(answer.exitCode, veltrana::options::prepared) << answer.text;
  EXPECT_EQ(files.text(folder + "\\olive.bmp"), "BM the user's own olive") << "never copied over";
  EXPECT_EQ(files.text(folder + "\\blue.bmp"), "BM shipped blue.bmp") << "the missing one copied in again";
  EXPECT_EQ(files.text(folder + "\\Options.set"), "3\r\n");

  files.readOnly.insert(folder + "\\olive.bmp");
  EXPECT_EQ(prepare().exitCode, veltrana::options::prepared) << "a read-only skin is there all the same";
}

TEST_F(PrepareCommand, SaysWhyTheFolderIsNotReady) {
  files.readOnly.insert(folder);
  auto answer = prepare();
  EXPECT_EQ(answer.exitCode, veltrana::options::prepareRefused);
  EXPECT_NE(answer.text.find("cannot be created (5: "), std::string::npos) << answer.text;
  EXPECT_EQ(files.files.count(folder + "\\silver.bmp"), 0u);

  files.readOnly.clear();
  files.files.erase(skins + "\\olive.bmp");
  files.files.erase(skins + "\\blue.bmp");
  answer = prepare();
  EXPECT_EQ(answer.exitCode, veltrana::options::prepareRefused);
  EXPECT_NE(answer.text.find("olive.bmp and blue.bmp are neither in"), std::string::npos) << answer.text;
  EXPECT_TRUE(files.exists(folder + "\\silver.bmp")) << "what could be copied is";
  files.write(folder + "\\olive.bmp", "BM");
  files.write(folder + "\\blue.bmp", "BM");
  EXPECT_EQ(prepare().exitCode, veltrana::options::prepared) << "in the settings folder is enough";

  shell.personal = shell.personalSetting = std::nullopt;
  EXPECT_EQ(prepare().exitCode, veltrana::options::prepareRefused) << "no Documents";
}

}  // namespace

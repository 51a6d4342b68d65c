// What setup asks the Options program: to fit the bar (line 8), and whether
// fitting is worth offering on the screen it names.
#include <gtest/gtest.h>

#include "options/setup_commands.h"
#include "support/fake_ports.h"

namespace {

using veltrana::options::SetupCommand;

class SetupCommands : public ::testing::Test {
 protected:
  SetupCommands() { files.folders.insert(folder); }
  int offer(int width, int height, int dpi) {
    return veltrana::options::offerFitting(files, shell, {width, height, dpi}).exitCode;
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
  EXPECT_EQ(veltrana::options::offerFitting(files, shell, {1920, 1080, 144}).text, "1920 x 1080 at 150 %");
  EXPECT_EQ(veltrana::options::fitSettings(files, shell).exitCode, veltrana::options::fitDone);
  EXPECT_EQ(offer(1920, 1080, 144), fitNotOffered) << "on already";
}

TEST_F(SetupCommands, FitAnswersWhyItLeftTheFileAlone) {
  files.write(path, "\xFF\xFE");
  const auto refused = veltrana::options::fitSettings(files, shell);
  EXPECT_EQ(refused.exitCode, veltrana::options::fitRefused);
  EXPECT_NE(refused.text.find("UTF-16"), std::string::npos) << refused.text;
  shell.personal = shell.personalSetting = std::nullopt;
  EXPECT_EQ(veltrana::options::fitSettings(files, shell).exitCode, veltrana::options::fitRefused) << "no Documents";

  EXPECT_EQ(veltrana::options::setupCommandIn("/fit"), SetupCommand::fit);
  EXPECT_EQ(veltrana::options::setupCommandIn(" /FIT-Offer "), SetupCommand::fitOffer) << "as Windows switches go";
  for (const char* other : {"", "/fitter", "/fit /fit-offer", "fit"})
    EXPECT_FALSE(veltrana::options::setupCommandIn(other)) << '"' << other << '"' << " opens the dialog";
}

}  // namespace

// Setting one line of the settings file for setup (line 8, Fit): every other
// byte kept whatever the file's line ends, and the files it must not touch
// left as they were.
#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>

#include "settings/line_setting.h"
#include "settings/settings_file.h"
#include "support/fake_ports.h"

namespace {

using veltrana::LineSetting;
using Outcome = veltrana::LineSetting::Outcome;

const std::string folder = "C:\\Users\\ann\\Documents\\VTR";
const std::string path = folder + "\\Options.set";

std::string text(std::span<const std::uint8_t> bytes) { return {bytes.begin(), bytes.end()}; }
std::string defaults() { return text(veltrana::startupDefaults()); }
std::string reloadDefaults() { return text(veltrana::reloadDefaults()); }

class FitLine : public ::testing::Test {
 protected:
  FitLine() { files.folders.insert(folder); }
  LineSetting fit() { return veltrana::setSettingsLine(files, path, 8, "Fit"); }
  fakes::FakeFiles files;
};

TEST_F(FitLine, ChangesLineEightAloneWhateverTheLineEnds) {
  const std::string nul("\0", 1);
  const struct {
    const char* what;
    std::string before, after;
  } cases[] = {
      {"six lines, the last unended: an empty line 7 first", "2\r\n7\r\nBlue\r\n255\r\n0\r\nFalse",
       "2\r\n7\r\nBlue\r\n255\r\n0\r\nFalse\r\n\r\nFit\r\n"},
      {"LF only: line 8 replaced, the lines after it kept", "2\n7\nBlue\n255\n0\nFalse\nStay\nfit\nYield\nmine",
       "2\n7\nBlue\n255\n0\nFalse\nStay\nFit\r\nYield\nmine"},
      {"twelve lines", defaults() + "Fit \r\n9\r\n10\r\n11\r\n12\r\n", defaults() + "Fit\r\n9\r\n10\r\n11\r\n12\r\n"},
      {"six lines, as a reload pass writes them", reloadDefaults(), reloadDefaults() + "\r\nFit\r\n"},
      {"seven lines", defaults(), defaults() + "Fit\r\n"},
      {"line 8 last, unended", defaults() + "off", defaults() + "Fit\r\n"},
      {"CR only: one line, whose last CR gets its LF", "1\r5\rSilver\r0\r32768\rTrue\rMove\r",
       "1\r5\rSilver\r0\r32768\rTrue\rMove\r\n\r\n\r\n\r\n\r\n\r\n\r\nFit\r\n"},
      {"lone CRs inside lines, and a CR of line 8's own",
       "1\r\n5\r\nSi\rlver\r\n0\r\n32768\r\nTrue\r\nMove\r\nF\rat\r\r\nx",
       "1\r\n5\r\nSi\rlver\r\n0\r\n32768\r\nTrue\r\nMove\r\nFit\r\nx"},
      {"empty", "", "\r\n\r\n\r\n\r\n\r\n\r\n\r\nFit\r\n"},
      {"a UTF-8 byte-order mark and NUL bytes",
       "\xEF\xBB\xBF" "1\r\n5" + nul + "\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n" + nul,
       "\xEF\xBB\xBF" "1\r\n5" + nul + "\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\nFit\r\n"},
      {"64 KB, the most a settings file is",
       defaults() + std::string(65536 - defaults().size() - 2, 'x') + "\r\n",
       defaults() + "Fit\r\n"},
  };
  for (const auto& c : cases) {
    files.write(path, c.before);
    EXPECT_EQ(fit().outcome, Outcome::written) << c.what;
    EXPECT_EQ(files.text(path), c.after) << c.what;
  }
  EXPECT_EQ(files.openHandles, 0);
}

TEST_F(FitLine, MakesAMissingFileWithTheDefaultsFirst) {
  EXPECT_EQ(fit().outcome, Outcome::written);
  EXPECT_EQ(files.text(path), defaults() + "Fit\r\n");
}

TEST_F(FitLine, LeavesAFileThatReadsFitAsTheBarReadsIt) {
  for (const char* line8 : {"Fit\r\n", "Fit\n", "Fit", "Fit\r", "F\rit\r\nYield\r\n"}) {
    files.write(path, defaults() + line8);
    EXPECT_EQ(fit().outcome, Outcome::alreadyThere) << line8;
    EXPECT_TRUE(veltrana::settingsLineReads(files, path, 8, "Fit")) << line8;
  }
  files.readOnly.insert(path);
  EXPECT_EQ(fit().outcome, Outcome::alreadyThere) << "nothing to change in a read-only file";
  EXPECT_EQ(files.replacements, 0);
  files.write(path, defaults() + "fit\r\n");
  EXPECT_FALSE(veltrana::settingsLineReads(files, path, 8, "Fit"));
}

TEST(FitLineRefused, ForFilesItMustNotChangeLeavesThemAsTheyWere) {
  const std::string red = "1\r\n5\r\n255\r\n0\r\n32768\r\nTrue\r\nMove\r\n";
  const std::string utf16le("\xFF\xFE" "1\0\r\0\n\0" "5\0\r\0\n\0", 14);
  const struct {
    const char* what;
    std::string bytes;
    std::set<std::string> fakes::FakeFiles::*mark;
  } cases[] = {
      {"read-only", red, &fakes::FakeFiles::readOnly},
      {"held open by another program", red, &fakes::FakeFiles::heldForWriting},
      {"65,537 bytes", red + std::string(65537 - red.size(), 'x'), nullptr},
      {"UTF-16, little-endian", utf16le, nullptr},
      {"UTF-16, big-endian", "\xFE\xFF" + red, nullptr},
      {"UTF-16 that reads Fit on line 8", "\xFF\xFE" + defaults() + "Fit\r\n", nullptr},
  };
  for (const auto& c : cases) {
    fakes::FakeFiles own;
    own.folders.insert(folder);
    own.write(path, c.bytes);
    if (c.mark) (own.*c.mark).insert(path);
    const LineSetting setting = veltrana::setSettingsLine(own, path, 8, "Fit");
    EXPECT_EQ(setting.outcome, Outcome::refused) << c.what;
    EXPECT_FALSE(setting.reason.empty()) << c.what;
    EXPECT_EQ(own.text(path), c.bytes) << c.what;
    EXPECT_EQ(own.replacements, 0) << c.what;
    EXPECT_FALSE(veltrana::settingsLineReads(own, path, 8, "Fit")) << c.what;
  }
}

TEST_F(FitLine, ReadsNoFurtherThanASettingsFileGoesAndWritesNothingItDidNotReadWhole) {
  files.write(path, std::string(1 << 20, 'x'));
  EXPECT_EQ(fit().reason, "the file is larger than settings get (64 KB)");
  EXPECT_LE(files.bytesRead, veltrana::largestSettingsFile + 1) << "a large file is not read through";

  // A read that fails midway ends like the file: only its size tells.
  files.write(path, defaults());
  files.onRead = [this] { files.files[path].push_back('\n'); };
  EXPECT_EQ(fit().outcome, Outcome::refused);
  EXPECT_EQ(files.replacements, 0);
}

}  // namespace

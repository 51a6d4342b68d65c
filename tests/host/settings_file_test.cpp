#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/error_messages.h"
#include "settings/line_reader.h"
#include "settings/settings_file.h"
#include "settings/settings_lines.h"
#include "settings/settings_reading.h"
#include "support/bytes_file.h"
#include "support/fake_ports.h"
#include "toolkit/color.h"
#include "toolkit/error_reports.h"

namespace {

using veltrana::parseInteger;

using fakes::BytesFile;

std::vector<std::string> lines(const std::string& text, int count) {
  veltrana::LineReader reader(std::make_unique<BytesFile>(text));
  std::vector<std::string> result;
  for (int i = 0; i < count; ++i) result.push_back(reader.next().text());
  return result;
}

using Lines = std::vector<std::string>;

TEST(SettingsLines, EndAtLfOrCrLfAndDropALoneCr) {
  EXPECT_EQ(lines("1\r\n5\r\nSilver\r\n", 3), (Lines{"1", "5", "Silver"}));
  EXPECT_EQ(lines("1\n5\nSilver\n", 3), (Lines{"1", "5", "Silver"})) << "LF only";
  EXPECT_EQ(lines("Si\rlver\r\nMove", 2), (Lines{"Silver", "Move"})) << "a lone CR is dropped, the last line unended";
  EXPECT_EQ(lines("a\r\r\nb", 2), (Lines{"a", "b"}));
  EXPECT_EQ(lines("\r\n\n", 3), (Lines{"", "", ""}));
}

TEST(SettingsLines, ReadAsEmptyPastTheEnd) {
  EXPECT_EQ(lines("1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\n", 8),
            (Lines{"1", "5", "Silver", "0", "32768", "True", "", ""}))
      << "a six-line file has an empty seventh line";
  EXPECT_EQ(lines("", 2), (Lines{"", ""}));
}

// A line has no length limit, but only its start is kept: a long line can be
// no name, and its integer reading is decided character by character.
TEST(SettingsLines, OfAnyLengthAreDecidedWithoutBeingKept) {
  const std::string spaces(100000, ' ');
  veltrana::LineReader reader(std::make_unique<BytesFile>(spaces + "42\r\n" + std::string(300000, 'x') +
                                                          "\r\r\nMove\r\n" + std::string(70, '0') + "7"));
  const veltrana::SettingsLine number = reader.next();
  EXPECT_EQ(number.integer(), 42) << "spaces of any number may lead a number";
  EXPECT_FALSE(number.whole());
  EXPECT_LE(number.text().size(), veltrana::SettingsLine::keptLength);
  const veltrana::SettingsLine text = reader.next();
  EXPECT_FALSE(text.integer());
  EXPECT_FALSE(text.is(std::string(300000, 'x')));
  EXPECT_TRUE(reader.next().is("Move")) << "the line after a long one starts where it ended";
  EXPECT_EQ(reader.next().integer(), 7) << "so may zeros";
  EXPECT_TRUE(reader.next().is(""));
}

constexpr int lineCount = static_cast<int>(veltrana::settingsLines.size());

// A file of valid lines but one that is 16 MB long (far more than the reader
// takes of a line it stops at, and than the 64 KB a file is searched within),
// generated as it is read; it counts what is taken from it.
class LongLineFile : public platform::ReadableFile {
 public:
  LongLineFile(int longLine, char filler, std::uint64_t& taken) : filler_(filler), position_(taken) {
    constexpr const char* lines[] = {"1",   "5",     "Silver",  "0",     "32768", "True",
                                     "Move", "Fit", "Yield", "Reserve", "Match", "\\\\.\\DISPLAY2"};
    static_assert(std::size(lines) == lineCount, "a valid text for every line");
    for (int i = 1; i <= lineCount; ++i) (i < longLine ? head_ : tail_) += i == longLine ? "" : std::string(lines[i - 1]) + "\r\n";
    tail_ = "\r\n" + tail_;
  }
  std::size_t read(std::span<std::uint8_t> buffer) override {
    std::size_t n = 0;
    for (; n < buffer.size() && position_ < size(); ++n, ++position_) {
      const std::uint64_t p = position_;
      buffer[n] = static_cast<std::uint8_t>(p < head_.size()                ? head_[p]
                                            : p < head_.size() + longLength ? filler_
                                                                            : tail_[p - head_.size() - longLength]);
    }
    return n;
  }

  static constexpr std::uint64_t longLength = std::uint64_t{1} << 24;

 private:
  std::uint64_t size() const { return head_.size() + longLength + tail_.size(); }
  char filler_;
  std::string head_, tail_;
  std::uint64_t& position_;
};

// A line is read as far as it can still change what it means, and a fault
// ends the reading: a huge faulty line costs what its start costs. Only a
// valid long line (a number after any number of spaces, a switch that is
// off) is read to its end, and only when a line after it is wanted.
TEST(SettingsReading, ReadsEachLineOnlyAsFarAsItDecides) {
  const fakes::FakeFiles files;
  for (int line = 1; line <= lineCount; ++line) {
    SCOPED_TRACE("line " + std::to_string(line) + " long");
    std::uint64_t taken = 0;
    const auto reading =
        veltrana::readSettings(std::make_unique<LongLineFile>(line, '7', taken), files, veltrana::AtFault::stop);
    if (line <= 5) {
      ASSERT_EQ(reading.faults.size(), 1u);
      EXPECT_EQ(reading.faults[0].line, line);
      EXPECT_EQ(reading.linesBeforeFault, static_cast<std::size_t>(line - 1));
      EXPECT_FALSE(reading.optionalSwitchesRead) << "not searched for past a huge faulty line";
    } else {
      EXPECT_TRUE(reading.faults.empty());
      constexpr int lastSwitch = 11;
      EXPECT_EQ(reading.values.taskManagerFigures, line != lastSwitch) << "a switch that is not its word is off";
      if (line == lineCount) {
        EXPECT_EQ(reading.values.monitor, std::string(veltrana::longestName, '7')) << "a start, which names nothing";
      }
    }
    if (line > 5 && line < lineCount)
      EXPECT_GT(taken, LongLineFile::longLength) << "passed over to read the lines after it";
    else
      EXPECT_LT(taken, std::uint64_t{1} << 20);
  }
}

TEST(SettingsIntegers, FollowTheFileRules) {
  EXPECT_EQ(parseInteger("2"), 2);
  EXPECT_EQ(parseInteger(" 2"), 2) << "leading spaces are skipped";
  EXPECT_EQ(parseInteger("   -7"), -7);
  EXPECT_EQ(parseInteger("+32768"), 32768);
  EXPECT_EQ(parseInteger("$10"), 16);
  EXPECT_EQ(parseInteger("x1F"), 31);
  EXPECT_EQ(parseInteger("X1f"), 31);
  EXPECT_EQ(parseInteger("0x10"), 16);
  EXPECT_EQ(parseInteger("0XfF"), 255);
  EXPECT_EQ(parseInteger("-$10"), -16);
  EXPECT_EQ(parseInteger("0"), 0);
  EXPECT_EQ(parseInteger("012"), 12);
  EXPECT_EQ(parseInteger("2147483647"), 2147483647);
  EXPECT_EQ(parseInteger("-2147483648"), INT32_MIN);
  EXPECT_EQ(parseInteger("$7FFFFFFF"), INT32_MAX);
  for (const char* bad : {"2 ", "\t2", "silver", "Silver", "", " ", "+", "-", "$", "0x", "1.5", "2147483648",
                          "-2147483649", "$80000000", "99999999999999999999", "--1", "+-1", "1e3", "0x-1", "$$1"})
    EXPECT_FALSE(parseInteger(bad)) << '"' << bad << '"';
}

// Read back as the bar reads them: a one-second update, five seconds hidden,
// the silver skin, black captions, green values, autostart, move mode.
TEST(SettingsDefaults, ReadBackAsTheDefaultValuesWithEveryLineEndedByCrLf) {
  const auto text = [](std::span<const std::uint8_t> bytes) { return std::string(bytes.begin(), bytes.end()); };
  const std::string startup = text(veltrana::startupDefaults());
  veltrana::LineReader reader(std::make_unique<BytesFile>(startup));
  EXPECT_EQ(reader.next().integer(), 1);
  EXPECT_EQ(reader.next().integer(), 5);
  EXPECT_TRUE(reader.next().is("Silver"));
  EXPECT_EQ(reader.next().integer(), static_cast<std::int32_t>(toolkit::colors::black));
  EXPECT_EQ(reader.next().integer(), static_cast<std::int32_t>(toolkit::colors::green));
  EXPECT_TRUE(reader.next().is("True"));
  EXPECT_TRUE(reader.next().is("Move"));

  std::vector<std::size_t> lineEnds;
  for (std::size_t i = 0; i < startup.size(); ++i) {
    if (startup[i] != '\n' && startup[i] != '\r') continue;
    EXPECT_EQ(startup.substr(startup[i] == '\n' ? i - 1 : i, 2), "\r\n") << "at byte " << i;
    if (startup[i] == '\n') lineEnds.push_back(i + 1);
  }
  ASSERT_EQ(lineEnds.size(), 7u);
  EXPECT_EQ(lineEnds.back(), startup.size()) << "the last line ended too";
  EXPECT_EQ(text(veltrana::reloadDefaults()), startup.substr(0, lineEnds[5])) << "the start-up defaults but line 7";
}

// A path does not wrap in a box: one too long to fit is quoted by its
// start and end, counted in characters and never cut inside one.
TEST(ErrorMessages, QuoteALongPathByItsStartAndEnd) {
  using veltrana::quotedPath;
  const std::string eighty = "C:\\" + std::string(77, 'x');
  EXPECT_EQ(quotedPath(eighty), eighty);
  EXPECT_EQ(quotedPath(eighty + "y"), "C:\\" + std::string(27, 'x') + "\u2026" + std::string(48, 'x') + "y");
  std::string cyrillic = "C:\\";
  for (int i = 0; i < 90; ++i) cyrillic += "\u0414";
  EXPECT_EQ(quotedPath(cyrillic), "C:\\" + cyrillic.substr(3, 27 * 2) + "\u2026" + cyrillic.substr(3 + 41 * 2));
}

TEST(SettingsFolder, IsThePersonalFolderAndVtr) {
  EXPECT_EQ(veltrana::settingsFolderFrom("C:\\Users\\ann\\Documents"), "C:\\Users\\ann\\Documents\\VTR\\");
  EXPECT_EQ(veltrana::settingsFolderFrom("C:\\Users\\ann\\Documents\\"), "C:\\Users\\ann\\Documents\\VTR\\");
  EXPECT_EQ(veltrana::settingsFolderFrom("D:\\"), "D:\\VTR\\");
  EXPECT_EQ(veltrana::driveOf("D:\\Docs"), "D:\\");
  EXPECT_EQ(veltrana::driveOf("\\\\server\\share\\docs"), "\\:\\") << "a network path starts with a backslash";
}

TEST(ErrorMessages, HaveTheirTextsAndTheFullStopRule) {
  using toolkit::reportText;
  const fakes::FakeFiles files;
  const auto integerMessage = [&](std::string_view line) {
    return reportText(veltrana::invalidIntegerMessage(veltrana::SettingsLine(line), files));
  };
  EXPECT_EQ(integerMessage("silver"), "'silver' is not a valid integer value.");
  EXPECT_EQ(integerMessage(""), "'' is not a valid integer value.");
  EXPECT_EQ(integerMessage("Gr\xFCn"), "'Gr\u00FCn' is not a valid integer value.") << "8-bit text in UTF-8";
  EXPECT_EQ(integerMessage(std::string(61, 'a')), "'" + std::string(60, 'a') + "\u2026' is not a valid integer value.")
      << "a long line is quoted by its start";
  EXPECT_EQ(reportText(veltrana::ioErrorMessage(3)), "Invalid filename.");
  EXPECT_EQ(reportText(veltrana::ioErrorMessage(5)), "File access denied.");
  EXPECT_EQ(reportText(veltrana::ioErrorMessage(2)), "File not found.");
  EXPECT_EQ(reportText(veltrana::ioErrorMessage(32)), "I/O error 32.");
  EXPECT_EQ(reportText(veltrana::streamReadErrorMessage), "Stream read error.");
  EXPECT_EQ(reportText(veltrana::invalidBitmapMessage), "Bitmap image is not valid.");
  EXPECT_EQ(reportText(veltrana::cannotOpenFileMessage("C:\\VTR\\blue.bmp",
                                                       "The system cannot find the file specified. \r\n")),
            "Cannot open file \"C:\\VTR\\blue.bmp\". The system cannot find the file specified.");
  const std::string folder = "C:\\" + std::string(230, 'd') + "\\VTR\\";  // 237 characters
  EXPECT_EQ(reportText(veltrana::cannotOpenFileMessage(folder + "blue.bmp", "Access is denied.")),
            "Cannot open file \"C:\\" + std::string(27, 'd') + "\u2026" + std::string(36, 'd') +
                "\\VTR\\blue.bmp\". Access is denied.")
      << "a long path is quoted by its start and end";
  EXPECT_EQ(reportText("ends with a stop."), "ends with a stop.");
  EXPECT_EQ(reportText("ends with a space "), "ends with a space ");
  EXPECT_EQ(reportText("ends with a quote'"), "ends with a quote'");
  EXPECT_EQ(reportText("ends with a slash/"), "ends with a slash/.") << "'/' sorts above '.'";
}

}  // namespace

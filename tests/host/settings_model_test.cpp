// The settings file as values: read by the bar's rules, written in the bar's
// form, and the round trip between them for every line.
#include <gtest/gtest.h>

#include <string>

#include "options/option_fields.h"
#include "settings/line_reader.h"
#include "settings/settings_file.h"
#include "settings/settings_lines.h"
#include "settings/settings_reading.h"
#include "settings/settings_writer.h"
#include "support/fake_ports.h"

namespace {

using veltrana::LineFault;
using veltrana::PlainColour;
using veltrana::SettingsValues;
using veltrana::Skin;

constexpr char path[] = "C:\\Docs\\VTR\\Options.set";

veltrana::SettingsReading read(const std::string& text, veltrana::AtFault atFault = veltrana::AtFault::readOn) {
  fakes::FakeFiles files;
  files.folders.insert("C:\\Docs\\VTR");
  files.write(path, text);
  return veltrana::readSettings(files.openForReading(path).file, files, atFault);
}

std::string text(std::initializer_list<const char*> lines) {
  std::string t;
  for (const char* line : lines) t += std::string(line) + "\r\n";
  return t;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

TEST(SettingsWriter, WritesTheDefaultsAsTheBarsThirtySixBytes) {
  EXPECT_EQ(veltrana::settingsText(SettingsValues{}), "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
  const auto startup = veltrana::startupDefaults();
  EXPECT_EQ(std::string(startup.begin(), startup.end()), veltrana::settingsText(SettingsValues{}));
  EXPECT_EQ(startup.size(), 36u);

  SettingsValues other;
  other.updateInterval = 0;
  other.hideTime = 2147483;
  other.background = PlainColour{-1};
  other.captionColour = 255;
  other.valueColour = 0xFFFFFF;
  other.autostart = false;
  other.moveMode = false;
  EXPECT_EQ(veltrana::settingsText(other), "0\r\n2147483\r\n-1\r\n255\r\n16777215\r\nFalse\r\nStay\r\n");
  other.background = Skin::blue;
  EXPECT_EQ(veltrana::settingsText(other, 3), "0\r\n2147483\r\nBlue\r\n") << "the first lines only";
}

TEST(SettingsReading, ReadsEachLineInItsForm) {
  const auto reading = read(text({" 2", "0", "Olive", "$FF", "0x8000", "False", "Stay"}));
  EXPECT_TRUE(reading.faults.empty());
  EXPECT_EQ(reading.linesBeforeFault, veltrana::settingsLines.size()) << "every line read";
  EXPECT_EQ(reading.linesInFile, 7u);
  SettingsValues expected;
  expected.updateInterval = 2;
  expected.hideTime = 0;
  expected.background = Skin::olive;
  expected.captionColour = 255;
  expected.valueColour = 0x8000;
  expected.autostart = false;
  expected.moveMode = false;
  EXPECT_EQ(reading.values, expected);

  EXPECT_EQ(read(text({"1", "5", "0xFF", "0", "0", "True", "Move"})).values.background,
            veltrana::Background{PlainColour{255}})
      << "a number where a skin may stand is a colour";
  const auto six = read("1\n5\nBlue\n0\n0\ntrue");
  EXPECT_EQ(six.values.background, veltrana::Background{Skin::blue});
  EXPECT_FALSE(six.values.autostart) << "names are compared exactly";
  EXPECT_FALSE(six.values.moveMode) << "no seventh line: move mode off";

  const auto on = read(text({"1", "5", "Blue", "0", "0", "True", "Move", "Fit", "Yield", "Reserve", "Match"}));
  EXPECT_TRUE(on.faults.empty());
  EXPECT_TRUE(on.values.fit && on.values.yieldToFullScreen && on.values.reserveStrip && on.values.taskManagerFigures);
  const auto off = read(text({"1", "5", "Blue", "0", "0", "True", "Move", "Reserve", "yield", "Reserve ", "match"}));
  EXPECT_TRUE(off.faults.empty()) << "any other text is off, never an error";
  EXPECT_FALSE(off.values.fit || off.values.yieldToFullScreen || off.values.reserveStrip ||
               off.values.taskManagerFigures)
      << "each switch only by its own word, exactly";
}

// The bar stops at a faulty line: the lines before it are applied, no line
// after it is read but the optional switches. Options keeps the line at its
// default and reads on.
TEST(SettingsReading, StopsAtAFaultyLineOrKeepsItAtItsDefault) {
  const std::vector<const char*> good{"7", "9", "Blue", "255", "65280", "False", "Stay"};
  const auto defaultLines = linesOf(veltrana::settingsText(SettingsValues{}));
  for (int faulty : {1, 2, 3, 4, 5}) {
    SCOPED_TRACE("line " + std::to_string(faulty));
    std::vector<const char*> lines = good;
    lines[faulty - 1] = faulty == 3 ? "silver" : "";
    std::string file;
    for (const char* line : lines) file += std::string(line) + "\r\n";
    file += "\r\nYield\r\n";
    const std::string quoted = faulty == 3 ? "'silver'" : "''";
    const std::vector<LineFault> fault{{faulty, quoted + " is not a valid integer value"}};

    const auto kept = read(file);
    EXPECT_EQ(kept.faults, fault);
    const auto keptLines = linesOf(veltrana::settingsText(kept.values));
    for (int line = 1; line <= 7; ++line)
      EXPECT_EQ(keptLines[line - 1], line == faulty ? defaultLines[line - 1] : std::string(good[line - 1]))
          << "line " << line << ": the faulty line at its default, the others as read";

    const auto stopped = read(file, veltrana::AtFault::stop);
    EXPECT_EQ(stopped.faults, fault);
    EXPECT_EQ(stopped.linesBeforeFault, static_cast<std::size_t>(faulty - 1));
    EXPECT_TRUE(stopped.values.moveMode) << "no line after the fault is read: line 7 keeps its default";
    EXPECT_TRUE(stopped.optionalSwitchesRead && stopped.values.yieldToFullScreen) << "but the switches are";
  }
  const auto empty = read("");
  EXPECT_EQ(empty.faults.size(), 5u) << "every numeric line of an empty file is an empty line";
}

// What the dialog does: the file's values into its fields, one field
// changed, the values written and read again.
TEST(SettingsRoundTrip, GivesBackEveryLineAsEdited) {
  using veltrana::options::OptionFields;
  const auto original = read(text({"$A", "0x3", "Olive", "$FF", "32768", "True", "Move"})).values;
  const std::vector<std::pair<const char*, void (*)(OptionFields&)>> edits{
      {"nothing", [](OptionFields&) {}},
      {"line 1", [](OptionFields& f) { f.updateInterval = "0"; }},
      {"line 2", [](OptionFields& f) { f.hideTime = "2147483"; }},
      {"line 3 to a skin", [](OptionFields& f) { f.skin = Skin::silver; }},
      {"line 3 to a colour", [](OptionFields& f) {
         f.skin.reset();
         f.backgroundColour = 0x123456;
       }},
      {"line 4", [](OptionFields& f) { f.values.captionColour = 0xFFFFFF; }},
      {"line 5", [](OptionFields& f) { f.values.valueColour = 0; }},
      {"line 6", [](OptionFields& f) { f.values.autostart = false; }},
      {"line 7", [](OptionFields& f) { f.values.moveMode = false; }},
      {"line 8", [](OptionFields& f) { f.values.fit = true; }},
      {"line 9", [](OptionFields& f) { f.values.yieldToFullScreen = true; }},
      {"line 10", [](OptionFields& f) { f.values.reserveStrip = true; }},
      {"line 11", [](OptionFields& f) { f.values.taskManagerFigures = true; }},
  };
  for (const auto& [name, edit] : edits) {
    OptionFields fields = veltrana::options::fieldsFor(original);
    edit(fields);
    const auto edited = veltrana::options::valuesFrom(fields).values;
    ASSERT_TRUE(edited) << name;
    const auto again = read(veltrana::settingsText(*edited, veltrana::linesToWrite(*edited, 7)));
    EXPECT_TRUE(again.faults.empty()) << name;
    EXPECT_EQ(again.values, *edited) << name;
    EXPECT_EQ(edited == original, std::string(name) == "nothing") << name << ": the edit shows, and only it";
  }
}

TEST(SettingsRoundTrip, KeepsAColourTheFileGivesOutsideThePickersRange) {
  const auto original = read(text({"1", "5", "-2147483633", "-1", "$1000000", "True", "Move"})).values;
  const auto again = veltrana::options::valuesFrom(veltrana::options::fieldsFor(original)).values;
  ASSERT_TRUE(again);
  EXPECT_EQ(*again, original);
  EXPECT_EQ(veltrana::settingsText(*again), text({"1", "5", "-2147483633", "-1", "16777216", "True", "Move"}));
}

}  // namespace

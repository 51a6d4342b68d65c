// The settings file as values: read by the bar's rules, written in the bar's
// form, and the round trip between them for every line.
#include <gtest/gtest.h>

#include <string>

#include "options/option_fields.h"
#include "settings/line_reader.h"
#include "settings/settings_file.h"
#include "settings/settings_reading.h"
#include "settings/settings_writer.h"
#include "support/fake_ports.h"

namespace {

using veltrana::LineFault;
using veltrana::PlainColour;
using veltrana::SettingsValues;
using veltrana::Skin;

constexpr char path[] = "C:\\Docs\\VTR\\Options.set";

veltrana::SettingsReading read(const std::string& text) {
  fakes::FakeFiles files;
  files.folders.insert("C:\\Docs\\VTR");
  files.write(path, text);
  veltrana::LineReader lines(files.openForReading(path).file);
  return veltrana::readSettings(lines, files);
}

std::string text(std::initializer_list<const char*> lines) {
  std::string t;
  for (const char* line : lines) t += std::string(line) + "\r\n";
  return t;
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

TEST(SettingsReading, ReadsEveryLineByTheBarsRules) {
  const auto reading = read(text({" 2", "0", "Olive", "$FF", "0x8000", "False", "Stay"}));
  EXPECT_TRUE(reading.faults.empty());
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
      << "a hexadecimal colour is the colour it means";
  EXPECT_EQ(read(text({"1", "5", "Blue", "0", "0", "true", "move"})).values.moveMode, false)
      << "names are compared exactly";
  EXPECT_EQ(read("1\n5\nBlue\n0\n0\nTrue\nMove").values.background, veltrana::Background{Skin::blue})
      << "LF line ends, the last line unended";
}

TEST(SettingsReading, KeepsAFaultyLineAtItsDefaultAndReadsOn) {
  for (int faulty : {1, 2, 3, 4, 5}) {
    std::vector<const char*> lines{"7", "9", "Blue", "255", "65280", "False", "Stay"};
    lines[faulty - 1] = faulty == 3 ? "silver" : "abc";
    std::string file;
    for (const char* line : lines) file += std::string(line) + "\r\n";
    const auto reading = read(file);

    SettingsValues expected;
    expected.updateInterval = 7;
    expected.hideTime = 9;
    expected.background = Skin::blue;
    expected.captionColour = 255;
    expected.valueColour = 65280;
    expected.autostart = false;
    expected.moveMode = false;
    const SettingsValues defaults;
    switch (faulty) {
      case 1: expected.updateInterval = defaults.updateInterval; break;
      case 2: expected.hideTime = defaults.hideTime; break;
      case 3: expected.background = defaults.background; break;
      case 4: expected.captionColour = defaults.captionColour; break;
      case 5: expected.valueColour = defaults.valueColour; break;
    }
    EXPECT_EQ(reading.values, expected) << "line " << faulty;
    const std::string quoted = faulty == 3 ? "'silver'" : "'abc'";
    EXPECT_EQ(reading.faults, (std::vector<LineFault>{{faulty, quoted + " is not a valid integer value"}}))
        << "line " << faulty;
  }
}

TEST(SettingsReading, ReadsMissingLinesAsTheBarDoes) {
  const auto six = read(text({"1", "5", "Silver", "0", "32768", "True"}));
  EXPECT_TRUE(six.faults.empty());
  EXPECT_FALSE(six.values.moveMode) << "no seventh line: move mode off";
  EXPECT_TRUE(six.values.autostart);

  const auto empty = read("");
  EXPECT_EQ(empty.faults.size(), 5u) << "every numeric line of an empty file is an empty line";
  EXPECT_EQ(empty.faults.front(), (LineFault{1, "'' is not a valid integer value"}));
  EXPECT_EQ(empty.faults.back().line, 5);
  EXPECT_FALSE(empty.values.autostart);
  EXPECT_FALSE(empty.values.moveMode);
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
      {"line 4", [](OptionFields& f) { f.captionColour = 0xFFFFFF; }},
      {"line 5", [](OptionFields& f) { f.valueColour = 0; }},
      {"line 6", [](OptionFields& f) { f.autostart = false; }},
      {"line 7", [](OptionFields& f) { f.moveMode = false; }},
  };
  for (const auto& [name, edit] : edits) {
    OptionFields fields = veltrana::options::fieldsFor(original);
    edit(fields);
    const auto edited = veltrana::options::valuesFrom(fields).values;
    ASSERT_TRUE(edited) << name;
    const auto again = read(veltrana::settingsText(*edited));
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

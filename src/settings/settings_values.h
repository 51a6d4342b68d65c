#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace veltrana {

// The lines of the settings file as values, each at the bar's default.

// The skins line 3 names, in the order the bar compares them.
enum class Skin { silver, olive, blue };
inline constexpr std::array<std::string_view, 3> skinNames{"Silver", "Olive", "Blue"};
inline constexpr std::array<std::string_view, 3> skinFiles{"silver.bmp", "olive.bmp", "blue.bmp"};
inline constexpr std::string_view nameOf(Skin skin) { return skinNames[static_cast<std::size_t>(skin)]; }

// Line 3 when it is not a skin: a 0x00BBGGRR colour number.
struct PlainColour {
  std::int32_t value = 0;
  bool operator==(const PlainColour&) const = default;
};
using Background = std::variant<Skin, PlainColour>;

// The lines the bar writes when it makes the file. Optional switches may
// follow them; a file without them means the switches are off.
inline constexpr std::size_t settingsLineCount = 7;

struct SettingsValues {
  std::int32_t updateInterval = 1;  // seconds
  std::int32_t hideTime = 5;        // seconds
  Background background = Skin::silver;
  std::int32_t captionColour = 0;      // black
  std::int32_t valueColour = 0x008000;  // green
  bool autostart = true;
  bool moveMode = true;
  // Optional switches, off unless their line says so.
  bool fit = false;                 // lay the bar out for any screen and scale
  bool yieldToFullScreen = false;   // step aside for a full-screen program
  bool reserveStrip = false;        // keep maximised windows below the bar
  bool taskManagerFigures = false;  // processor load and frequency as Task Manager shows them
  // The monitor the bar lives on, by its device name ("\\.\DISPLAY2"); the
  // main monitor when empty or when no monitor has that name.
  std::string monitor;
  bool operator==(const SettingsValues&) const = default;
};

}  // namespace veltrana

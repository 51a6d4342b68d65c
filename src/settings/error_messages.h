#pragma once

#include <optional>
#include <string>

namespace platform {
class Files;
}

namespace veltrana {

class SettingsLine;

// The messages of the failures a settings pass can meet, as the bar reports
// them and the Options dialog repeats them.

// "'%s' is not a valid integer value", quoting the line in the program's
// text; a long line is quoted by its start and an ellipsis, so that a report
// always fits on the screen.
std::string invalidIntegerMessage(const SettingsLine& line, const platform::Files& files);
// A faulty line that is not 8-bit text, said in words rather than quoted:
// a file that starts with a byte order mark (line 1), a line that holds a NUL
// character. Nothing when the line is plain 8-bit text.
std::optional<std::string> notTextMessage(const SettingsLine& line, int number, const platform::Files& files);
// Whether a line 1 is the start of a file saved as UTF-16, which nothing in
// the file can be read from.
bool startsUtf16(const SettingsLine& line);
// The code the runtime gives a write into a file that was never opened.
inline constexpr int fileNotOpenForOutput = 105;

// A path as a message quotes it: whole up to 80 characters, a longer one by
// its first 30 and last 49 characters with an ellipsis between, so that a
// box that quotes it fits on the screen (a path does not wrap).
std::string quotedPath(const std::string& path);

// The input/output error text for a system error code.
std::string ioErrorMessage(int code);
// A file that cannot be opened: its path quoted in double quotes, and the
// system's text without trailing full stops or blanks.
std::string cannotOpenFileMessage(const std::string& path, const std::string& systemText);
// The system's text for an error as a clause: without its trailing full
// stops, blanks and line breaks.
std::string systemReason(const std::string& systemText);
inline constexpr char streamReadErrorMessage[] = "Stream read error";
inline constexpr char invalidBitmapMessage[] = "Bitmap image is not valid";

}  // namespace veltrana

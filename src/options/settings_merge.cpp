#include "options/settings_merge.h"

#include <algorithm>

#include "settings/settings_lines.h"
#include "settings/settings_writer.h"

namespace veltrana::options {

namespace {

// A file's lines as a writer compares them: a line ends at LF, a CR before
// it is part of its end; past the last line every line is empty.
struct Lines {
  explicit Lines(std::string_view file) {
    std::size_t start = 0;
    while (start < file.size()) {
      std::size_t end = file.find('\n', start);
      const std::size_t next = end == std::string_view::npos ? file.size() : end + 1;
      if (end == std::string_view::npos) end = file.size();
      std::string_view line = file.substr(start, end - start);
      if (next != end && line.ends_with('\r')) line.remove_suffix(1);
      lines.push_back(line);
      starts.push_back(start);
      start = next;
    }
  }
  std::string_view operator[](std::size_t number) const {
    return number <= lines.size() ? lines[number - 1] : std::string_view();
  }
  // Everything from the start of line `number` on, byte for byte.
  std::string_view from(std::string_view file, std::size_t number) const {
    return number <= starts.size() ? file.substr(starts[number - 1]) : std::string_view();
  }

  std::vector<std::string_view> lines;
  std::vector<std::size_t> starts;
};

}  // namespace

MergedSettings mergeSettings(const std::optional<std::string>& base, const SettingsValues& opened,
                             const std::optional<std::string>& current, const SettingsValues& shown) {
  const std::string shownAtOpen = settingsText(opened, linesToWrite(opened, 0));
  const std::string_view baseFile = base ? std::string_view(*base) : std::string_view(shownAtOpen);
  const std::string_view currentFile = current ? std::string_view(*current) : std::string_view();
  const Lines before(baseFile), now(currentFile);

  const std::size_t known = settingsLines.size();
  const std::string_view tail = now.from(currentFile, known + 1);
  const std::size_t lines =
      tail.empty() ? linesToWrite(shown, std::min(now.lines.size(), known)) : known;

  MergedSettings merged;
  for (std::size_t number = 1; number <= lines; ++number) {
    const std::string mine = settingsLineText(shown, number);
    const bool changedHere = mine != settingsLineText(opened, number);
    const bool changedThere = before[number] != now[number];
    const int line = static_cast<int>(number);
    if (changedHere) {
      if (changedThere && now[number] != mine) merged.kept.push_back(line);
      merged.text += mine;
    } else if (changedThere) {
      if (now[number] != mine) merged.taken.push_back(line);
      merged.text += now[number];
    } else {
      merged.text += mine;
    }
    merged.text += "\r\n";
  }
  merged.text += tail;
  return merged;
}

}  // namespace veltrana::options

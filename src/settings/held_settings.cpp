#include "settings/held_settings.h"

#include <algorithm>

#include "settings/error_messages.h"
#include "settings/settings_lines.h"

namespace veltrana {

namespace {

bool startsWithUtf16Mark(std::string_view file) { return file.starts_with("\xFF\xFE") || file.starts_with("\xFE\xFF"); }

}  // namespace

std::size_t HeldFile::read(std::span<std::uint8_t> buffer) {
  const std::size_t n = std::min(buffer.size(), bytes_.size());
  std::copy_n(bytes_.begin(), n, buffer.begin());
  bytes_.remove_prefix(n);
  return n;
}

HeldSettings holdSettings(platform::Files& files, const std::string& path) {
  HeldSettings held;
  platform::OpenedFile opened = files.openForReading(path);
  held.error = opened.error;
  if (held.missing()) return held;
  if (opened.error) {
    held.refusal = "the file cannot be read (" + std::to_string(opened.error) + ": " +
                   systemReason(files.errorText(opened.error)) + ")";
    return held;
  }
  std::string bytes(largestSettingsFile + 1, '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const std::size_t n = opened.file->read({reinterpret_cast<std::uint8_t*>(bytes.data()) + got, bytes.size() - got});
    if (n == 0) break;
    got += n;
  }
  bytes.resize(got);
  if (got > largestSettingsFile) {
    held.refusal = "the file is larger than settings get (64 KB)";
    held.notSettings = true;
    return held;
  }
  // A failed read looks like the end of the file: only the file's own size
  // tells that it was read whole. No one can write it while it is open here.
  const auto stamp = files.stamp(path);
  if (!stamp || stamp->size != got) {
    held.refusal = "the file cannot be read";
    return held;
  }
  if (startsWithUtf16Mark(bytes)) {
    held.refusal = "the file is UTF-16 text, not the 8-bit text of settings";
    held.notSettings = true;
    return held;
  }
  held.bytes = std::move(bytes);
  return held;
}

}  // namespace veltrana

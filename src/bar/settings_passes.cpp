#include "bar/settings_passes.h"

#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>

#include "bar/settings_target.h"
#include "platform/exception_text.h"
#include "settings/autostart.h"
#include "settings/error_messages.h"
#include "settings/settings_file.h"
#include "settings/settings_lines.h"
#include "toolkit/bitmap_file.h"
#include "toolkit/error_reports.h"

namespace veltrana {

namespace {

constexpr std::uint32_t msPerSecond = 1000;
// A companion program replaces the settings file in one step, but the
// file can be refused for a moment meanwhile; a refusal is reported only
// once it has lasted this many passes.
constexpr int refusalsBeforeReport = 3;

// The failure that ends a settings pass at the step where it occurs.
class SettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Seconds as a timer interval: the product wraps in 32 bits and the timer
// takes it as an unsigned count of milliseconds.
std::uint32_t secondsToInterval(std::int32_t seconds) { return static_cast<std::uint32_t>(seconds) * msPerSecond; }

toolkit::Color colourOf(std::int32_t value) { return static_cast<toolkit::Color>(value); }

bool refused(int error) { return error == platform::error::sharingViolation || error == platform::error::accessDenied; }

}  // namespace

SettingsPasses::SettingsPasses(SettingsTarget& bar, const platform::Ports& ports, toolkit::ErrorReports& reports,
                               platform::WindowHandle owner)
    : bar_(bar), ports_(ports), reports_(reports), owner_(owner) {}

std::string SettingsPasses::personalFolder() const { return documentsFolder(ports_.shell, owner_).value_or(""); }

template <typename Steps>
void SettingsPasses::run(Steps steps) {
  std::string failure;
  try {
    if (!steps()) return;
  } catch (const SettingsError& e) {
    failure = e.what();
  } catch (...) {
    // Anything else, running out of memory included, is reported the same way.
    failure = platform::describeException(std::current_exception());
  }
  if (failure.empty())
    reports_.succeeded();
  else
    reports_.failed(failure);
}

void SettingsPasses::startup() {
  run([this] { return startupSteps(); });
}

void SettingsPasses::reload() {
  run([this] { return reloadSteps(); });
}

bool SettingsPasses::startupSteps() {
  const std::string personal = personalFolder();
  folder_ = settingsFolderFrom(personal);
  const std::string path = folder_ + settingsFileName;
  platform::OpenedFile opened = ports_.files.openForReading(path);
  // A file that is there but held by another program is not written over:
  // the reload passes read it once it is let go.
  if (refused(opened.error)) return true;
  if (opened.error != platform::error::none) {
    // The values are not applied now: the first reload pass reads the new file.
    if (ports_.files.createWith(path, startupDefaults()) != platform::error::none) {
      bar_.showFileErrorNotice(driveOf(personal));
      // Closed other than by its button: the defaults were never written, and
      // the write into the unopened file fails.
      throw SettingsError(ioErrorMessage(fileNotOpenForOutput));
    }
    return true;
  }
  apply(readSettings(std::move(opened.file), ports_.files, AtFault::stop), Pass::startup);
  applyBesideTheFile();
  return true;
}

bool SettingsPasses::reloadSteps() {
  bar_.layOut();
  // Asking the shell for the documents folder takes about a millisecond:
  // the folder found before serves until the settings file is missing there.
  if (folder_.empty()) folder_ = settingsFolderFrom(personalFolder());
  std::string path = folder_ + settingsFileName;
  const std::optional<platform::FileStamp> stamp = ports_.files.stamp(path);
  const bool unchanged = stamp && stamp->settled && stamp == readStamp_;
  if (unchanged && readingApplied_) {
    // A steady second: only what does not come from the file is repeated.
    applyBesideTheFile();
    return true;
  }
  if (!unchanged) {
    readStamp_.reset();
    platform::OpenedFile opened = ports_.files.openForReading(path);
    if (opened.error != platform::error::none) {
      folder_ = settingsFolderFrom(personalFolder());
      path = folder_ + settingsFileName;
      opened = ports_.files.openForReading(path);
    }
    if (refused(opened.error)) {
      // The file is there but another program holds or replaces it: creating
      // it now would truncate what that program writes.
      if (++refusals_ < refusalsBeforeReport) return false;
      throw SettingsError(ioErrorMessage(opened.error));
    }
    refusals_ = 0;
    if (opened.error != platform::error::none) {
      const int created = ports_.files.createWith(path, reloadDefaults());
      if (created != platform::error::none) throw SettingsError(ioErrorMessage(created));
      return true;
    }
    reading_ = readSettings(std::move(opened.file), ports_.files, AtFault::stop);
    readStamp_ = stamp;
  }
  // A pass that failed on the file's own content, or on a skin, is applied
  // again from the same reading: a skin may have come meanwhile.
  readingApplied_ = false;
  apply(reading_, Pass::reload);
  applyBesideTheFile();
  readingApplied_ = true;
  return true;
}

// What a pass that gets through the file ends with: the tray icon, which
// the shell may have lost, and the hot zones for the current layout.
void SettingsPasses::applyBesideTheFile() {
  bar_.CreateTrayIcon();
  bar_.fitHotZones();
}

void SettingsPasses::apply(const SettingsReading& reading, Pass pass) {
  const SettingsValues& v = reading.values;
  // One step per line of the file, in the file's order.
  const auto lineSteps = std::to_array<std::function<void()>>({
      [&] { bar_.setUpdateInterval(secondsToInterval(v.updateInterval)); },
      [&] { bar_.setHideTime(secondsToInterval(v.hideTime)); },
      [&] { applyBackground(v.background, pass); },
      [&] { bar_.setCaptionColour(colourOf(v.captionColour)); },
      [&] { bar_.setValueColour(colourOf(v.valueColour)); },
      [&] { ChangeReg(ports_.registry, ports_.shell, autostartValueName, !v.autostart); },
      [&] { bar_.setMoveMode(v.moveMode); },
      [&] { bar_.setFit(v.fit); },
      [&] { bar_.setYield(v.yieldToFullScreen); },
      [&] { bar_.setReserve(v.reserveStrip); },
      [&] { bar_.setTaskManagerFigures(v.taskManagerFigures); },
      [&] { bar_.setMonitor(v.monitor); },
  });
  static_assert(lineSteps.size() == settingsLines.size(), "every line of the file is applied");
  // The switches hold whatever the lines before them do: a typo in line 3,
  // or a skin that is missing, must not stop a bar that fits itself to the
  // screen.
  const auto applySwitchesAfter = [&](std::size_t line) {
    if (!reading.optionalSwitchesRead) return;
    for (std::size_t i = std::max(line, settingsLineCount); i < lineSteps.size(); ++i) lineSteps[i]();
  };
  for (std::size_t i = 0; i < reading.linesBeforeFault; ++i) {
    try {
      lineSteps[i]();
    } catch (...) {
      applySwitchesAfter(i + 1);
      throw;
    }
  }
  if (reading.faults.empty()) return;
  applySwitchesAfter(reading.linesBeforeFault);
  throw SettingsError(reading.faults.front().message);
}

// A skin name loads its bitmap; in a reload pass only when another skin is
// shown now. A plain colour leaves the scheme name alone, so switching back
// to the skin last loaded changes nothing.
void SettingsPasses::applyBackground(const Background& background, Pass pass) {
  if (const Skin* skin = std::get_if<Skin>(&background)) {
    const std::string scheme(nameOf(*skin));
    if (pass == Pass::startup || colourScheme_ != scheme)
      showSkin(scheme, std::string(skinFiles[static_cast<std::size_t>(*skin)]));
    return;
  }
  bar_.showPlainColour(colourOf(std::get<PlainColour>(background).value));
}

void SettingsPasses::showSkin(const std::string& scheme, const std::string& fileName) {
  const std::string path = folder_ + fileName;
  const platform::FileContents contents = ports_.files.readAll(path);
  if (contents.error != platform::error::none)
    throw SettingsError(cannotOpenFileMessage(path, ports_.files.errorText(contents.error)));
  toolkit::BitmapFile bitmap = toolkit::decodeBitmapFile(contents.bytes);
  if (bitmap.error == toolkit::BitmapFile::Error::streamRead) throw SettingsError(streamReadErrorMessage);
  if (bitmap.error == toolkit::BitmapFile::Error::notValid) throw SettingsError(invalidBitmapMessage);
  bar_.showSkin(std::make_shared<const toolkit::Pixmap>(std::move(bitmap.picture)));
  colourScheme_ = scheme;
}

}  // namespace veltrana

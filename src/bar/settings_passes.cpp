#include "bar/settings_passes.h"

#include <array>
#include <stdexcept>

#include "bar/bar_window.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "settings/autostart.h"
#include "settings/error_messages.h"
#include "settings/line_reader.h"
#include "settings/settings_file.h"
#include "settings/settings_values.h"
#include "toolkit/application.h"
#include "toolkit/bitmap_file.h"
#include "popups/file_error_notice.h"

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

}  // namespace

SettingsPasses::SettingsPasses(TVTR& bar, const platform::Ports& ports) : bar_(bar), ports_(ports) {}

std::string SettingsPasses::personalFolder() const {
  return ports_.shell.personalFolder(bar_.nativeHandle()).value_or("");
}

template <typename Steps>
void SettingsPasses::run(Steps steps) {
  std::string failure;
  try {
    if (!steps()) return;
  } catch (const SettingsError& e) {
    failure = e.what();
  } catch (...) {
    // Anything else, running out of memory included, is reported the same way.
    failure = toolkit::describeException(std::current_exception());
  }
  toolkit::ErrorReports& reports = bar_.application().errorReports();
  if (failure.empty())
    reports.succeeded();
  else
    reports.failed(failure);
}

void SettingsPasses::startup() {
  run([this] { return startupSteps(); });
}

void SettingsPasses::reload() {
  run([this] {
    // The hot zones come and go within a pass: the bar is resized for the net result only.
    toolkit::GeometryBatch batch(bar_);
    return reloadSteps();
  });
}

bool SettingsPasses::startupSteps() {
  const std::string personal = personalFolder();
  folder_ = settingsFolderFrom(personal);
  const std::string path = folder_ + settingsFileName;
  platform::OpenedFile opened = ports_.files.openForReading(path);
  if (opened.error != platform::error::none) {
    // The values are not applied now: the first reload pass reads the new file.
    if (ports_.files.createWith(path, startupDefaults()) != platform::error::none) showFileErrorNotice(personal);
    return true;
  }
  {
    LineReader lines(std::move(opened.file));
    applyIntervals(lines);
    applyBackground(lines, Pass::startup);
    applyColours(lines);
    applyAutostartAndMoveMode(lines);
  }  // closes the file
  bar_.CreateTrayIcon();
  if (!moveMode_) hideHotZones();
  return true;
}

bool SettingsPasses::reloadSteps() {
  const ScreenMode mode = bar_.currentScreenMode();
  bar_.ApplyScreenLayout(mode);
  // Asking the shell for the documents folder takes about a millisecond:
  // the folder found before serves until the settings file is missing there.
  if (folder_.empty()) folder_ = settingsFolderFrom(personalFolder());
  std::string path = folder_ + settingsFileName;
  // A file unchanged since a pass read it through gives the same values: the
  // pass repeats only what does not come from the file.
  const std::optional<platform::FileStamp> stamp = ports_.files.stamp(path);
  if (stamp && stamp->settled && stamp == applied_) {
    bar_.CreateTrayIcon();
    fitHotZones(mode);
    return true;
  }
  applied_.reset();
  platform::OpenedFile opened = ports_.files.openForReading(path);
  if (opened.error != platform::error::none) {
    folder_ = settingsFolderFrom(personalFolder());
    path = folder_ + settingsFileName;
    opened = ports_.files.openForReading(path);
  }
  if (opened.error == platform::error::sharingViolation || opened.error == platform::error::accessDenied) {
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
  LineReader lines(std::move(opened.file));
  applyIntervals(lines);
  applyBackground(lines, Pass::reload);
  applyColours(lines);
  applyAutostartAndMoveMode(lines);
  bar_.CreateTrayIcon();
  fitHotZones(mode);
  applied_ = stamp;
  return true;
}

std::int32_t SettingsPasses::integerLine(LineReader& lines) const {
  const SettingsLine line = lines.next();
  const auto value = line.integer();
  if (!value) throw SettingsError(invalidIntegerMessage(line, ports_.files));
  return *value;
}

void SettingsPasses::applyIntervals(LineReader& lines) {
  const std::uint32_t update = secondsToInterval(integerLine(lines));
  for (toolkit::Timer* t : {&bar_.Timer2, &bar_.Timer4, &bar_.Timer5}) t->setInterval(update);
  bar_.Timer3.setInterval(secondsToInterval(integerLine(lines)));
}

// A skin name loads its bitmap; in a reload pass only when another skin is
// shown now. Anything else is a plain colour, which leaves the scheme name
// alone, so switching back to the skin last loaded changes nothing.
void SettingsPasses::applyBackground(LineReader& lines, Pass pass) {
  const SettingsLine line = lines.next();
  for (std::size_t i = 0; i < skinNames.size(); ++i) {
    const std::string scheme(skinNames[i]);
    if (!line.is(scheme)) continue;
    if (pass == Pass::startup || colourScheme_ != scheme) showSkin(scheme, std::string(skinFiles[i]));
    return;
  }
  const auto colour = line.integer();
  if (!colour) throw SettingsError(invalidIntegerMessage(line, ports_.files));
  bar_.Image1.setVisible(false);
  bar_.Shape1.setVisible(true);
  bar_.Shape1.setFillColor(static_cast<toolkit::Color>(*colour));
}

void SettingsPasses::showSkin(const std::string& scheme, const std::string& fileName) {
  const std::string path = folder_ + fileName;
  const platform::FileContents contents = ports_.files.readAll(path);
  if (contents.error != platform::error::none)
    throw SettingsError(cannotOpenFileMessage(path, ports_.files.errorText(contents.error)));
  toolkit::BitmapFile bitmap = toolkit::decodeBitmapFile(contents.bytes);
  if (bitmap.error == toolkit::BitmapFile::Error::streamRead) throw SettingsError(streamReadErrorMessage);
  if (bitmap.error == toolkit::BitmapFile::Error::notValid) throw SettingsError(invalidBitmapMessage);
  bar_.Image1.setPicture(std::make_shared<const toolkit::Pixmap>(std::move(bitmap.picture)));
  bar_.Shape1.setVisible(false);
  bar_.Image1.setVisible(true);
  colourScheme_ = scheme;
}

void SettingsPasses::applyColours(LineReader& lines) {
  const auto captions = static_cast<toolkit::Color>(integerLine(lines));
  for (toolkit::Label* l : bar_.captionLabels()) l->setFontColor(captions);
  const auto values = static_cast<toolkit::Color>(integerLine(lines));
  for (toolkit::Label* l : bar_.valueLabels()) l->setFontColor(values);
}

void SettingsPasses::applyAutostartAndMoveMode(LineReader& lines) {
  ChangeReg(ports_.registry, ports_.shell, autostartValueName, !lines.next().is("True"));
  moveMode_ = lines.next().is("Move");
}

void SettingsPasses::fitHotZones(ScreenMode mode) {
  if (moveMode_)
    bar_.ApplyScreenLayout(mode);
  else
    hideHotZones();
}

void SettingsPasses::hideHotZones() {
  for (toolkit::Image* zone : bar_.hotZones()) zone->setWidth(0);
}

void SettingsPasses::showFileErrorNotice(const std::string& personalFolder) {
  bar_.StopScheduleTimers();
  TForm3& notice = bar_.companions().fileErrorNotice();
  notice.appendToMessage(driveOf(personalFolder));
  notice.showModal();
  // Closed other than by its button: the defaults were never written, and the
  // write into the unopened file fails.
  throw SettingsError(ioErrorMessage(fileNotOpenForOutput));
}

}  // namespace veltrana

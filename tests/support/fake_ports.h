#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string_view>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/multimedia.h"
#include "platform/processor_counters.h"
#include "platform/registry.h"
#include "platform/resources.h"
#include "platform/session.h"
#include "platform/shell.h"
#include "platform/system_info.h"
#include "platform/work_queue.h"

namespace fakes {

// A machine whose counters a test sets: the records the load sampler reads,
// memory, the cycle counter and priorities. Sleeping takes no time, but a
// sleep on the GUI thread (the thread that made the fake, as the program's
// windows are made on it) is counted apart.
class FakeSystemInfo : public platform::SystemInfo {
 public:
  platform::Date today() const override {
    if (onToday) onToday();
    return date;
  }
  platform::MemoryStatus memoryStatus() const override { return memory; }
  bool findSystemInformationQuery() override {
    ++lookups;
    return queryExists;
  }
  std::int32_t querySystemInformation(std::uint32_t infoClass, std::span<std::uint8_t> buffer) override;
  std::uint64_t timeStampCounter() override;
  platform::Priorities priorities() const override {
    ++priorityReads;
    return current;
  }
  void setProcessPriorityClass(std::uint32_t priorityClass) override {
    current.processClass = priorityClass;
    priorityLog.push_back("process " + std::to_string(priorityClass));
  }
  void setThreadPriority(int priority) override {
    current.thread = priority;
    priorityLog.push_back("thread " + std::to_string(priority));
  }
  void sleep(std::uint32_t ms) override {
    if (std::this_thread::get_id() == guiThread) ++sleepsOnGuiThread;
    sleeps.push_back(ms);
    sleptMs += ms;
  }
  std::string decimalSeparator() const override { return separator; }

  // Advances the idle and system clocks (in 100 ns units) as if `elapsedMs`
  // passed with `idleMs` of idle time summed over all processors.
  void pass(std::uint64_t elapsedMs, std::uint64_t idleMs) {
    systemTime += elapsedMs * 10000;
    idleTime += idleMs * 10000;
  }

  platform::Date date{2007, 3, 9};
  // Runs when the date is asked for: a test can make it fail.
  std::function<void()> onToday;
  platform::MemoryStatus memory{std::uint64_t{24} << 30, std::uint64_t{12} << 30};
  bool queryExists = true;
  int lookups = 0;
  int queries = 0;
  std::optional<std::uint32_t> failingClass;
  std::uint8_t processors = 2;
  std::uint64_t systemTime = 133'000'000'000'000'000;
  std::uint64_t idleTime = 5'000'000'000;
  // Cycles the counter advances across each half-second sleep.
  std::uint64_t cyclesPerHalfSecond = 1'500'000'000;
  std::uint64_t counter = 0;
  platform::Priorities current{0x20, 0};
  mutable int priorityReads = 0;
  std::vector<std::string> priorityLog;
  std::vector<std::uint32_t> sleeps;
  std::uint64_t sleptMs = 0;
  const std::thread::id guiThread = std::this_thread::get_id();
  int sleepsOnGuiThread = 0;
  std::string separator = ".";
};

// Windows' processor counters as a test sets them; nothing for a counter that
// is missing, as all of them are under Wine. As Windows' are, a rate counter
// reads nothing at the first sample after opening; the nominal clock, a plain
// value, reads at once.
class FakeProcessorCounters : public platform::ProcessorCounters {
 public:
  std::optional<double> utility() override {
    ++utilitySamples;
    return std::exchange(loadOpen, true) ? utilityValue : std::nullopt;
  }
  veltrana::ProcessorSpeed speed() override {
    ++speedSamples;
    return {std::exchange(speedOpen, true) ? performance : std::nullopt, nominalMhz};
  }
  void close() override {
    loadOpen = speedOpen = false;
    ++closes;
  }

  std::optional<double> utilityValue;
  std::optional<double> performance;
  std::optional<double> nominalMhz;
  bool loadOpen = false;
  bool speedOpen = false;
  int utilitySamples = 0;
  int speedSamples = 0;
  int closes = 0;
};

// Jobs wait until the test runs them, and then run on a thread of their own,
// away from the GUI thread, as the program's worker thread runs them.
class FakeWorkQueue : public platform::WorkQueue {
 public:
  void post(std::function<void()> job) override { jobs.push_back(std::move(job)); }
  // Runs the waiting jobs, and those they post, on another thread; returns when they are done.
  void runJobs();

  std::deque<std::function<void()>> jobs;
};

// The program's resources, read from the assets folder.
class FakeResources : public platform::Resources {
 public:
  std::span<const std::uint8_t> bytes(platform::Resource resource) const override;

 private:
  mutable std::map<platform::Resource, std::vector<std::uint8_t>> loaded_;
};

// Files in memory, in folders that exist or not, with the system's error codes.
class FakeFiles : public platform::Files {
 public:
  platform::OpenedFile openForReading(const std::string& path) override;
  int createWith(const std::string& path, std::span<const std::uint8_t> bytes) override;
  platform::FileContents readAll(const std::string& path) override;
  std::optional<platform::FileStamp> stamp(const std::string& path) const override;
  std::string errorText(int code) const override;
  // The code page of a Western European system (Latin-1 for the bytes tests use).
  std::string decodeFileText(std::string_view bytes) const override;
  // Folders in readOnly cannot be created, nor files in readOnly replaced.
  int replaceWith(const std::string& path, std::span<const std::uint8_t> bytes) override;
  int createFolder(const std::string& path) override;
  int copyFile(const std::string& from, const std::string& to) override;
  // Nothing is left over here: the fakes write in one step.
  void removeLeftovers(const std::string&) override {}

  void write(const std::string& path, std::string_view text);
  std::string text(const std::string& path) const;
  bool exists(const std::string& path) const { return files.count(path) != 0; }

  std::set<std::string> folders;
  std::map<std::string, std::vector<std::uint8_t>> files;
  std::set<std::string> readOnly;       // files marked read-only; folders that cannot be made
  std::set<std::string> heldForWriting;  // another program has them open
  int openHandles = 0;
  // Files are read in small pieces, so that lines cross the reader's buffers.
  std::size_t readPiece = 7;
  // Runs before every read of an open file (a test may throw from it).
  std::function<void()> onRead;
  int opens = 0;
  std::uint64_t bytesRead = 0;  // from files opened for reading
  int creations = 0;
  int fullReads = 0;
  int replacements = 0;
  mutable int stamps = 0;
  // Files whose last write is too recent for their stamp to tell a later one apart.
  std::set<std::string> justWritten;

 private:
  int openError(const std::string& path) const;
  int writeError(const std::string& path) const;
};

class FakeShell : public platform::Shell {
 public:
  std::optional<std::string> personalFolder(platform::WindowHandle) const override {
    ++personalLookups;
    return personal;
  }
  std::optional<std::string> personalFolderSetting() const override { return personalSetting; }
  std::string programPath() const override { return program; }
  void addTrayIcon(platform::WindowHandle window, unsigned id, const std::string& tip) override {
    ++trayAdds;
    trayIcons.insert({{window, id}, tip});
  }
  void deleteTrayIcon(platform::WindowHandle window, unsigned id) override { trayIcons.erase({window, id}); }
  void openFile(platform::WindowHandle parent, const std::string& path) override { opened.push_back({parent, path}); }
  void reserveTopStrip(platform::WindowHandle window, const platform::ScreenStrip& strip) override {
    if (strips.count(window) && strips.at(window) == strip) return;
    strips[window] = strip;
    ++stripRequests;
  }
  void releaseStrip(platform::WindowHandle window) override { strips.erase(window); }

  std::optional<std::string> personal = std::string("C:\\users\\root\\Documents\\");
  std::optional<std::string> personalSetting;
  std::string program = "C:\\Program Files\\Veltrana\\Veltrana.exe";
  std::map<std::pair<platform::WindowHandle, unsigned>, std::string> trayIcons;
  int trayAdds = 0;
  mutable int personalLookups = 0;
  std::vector<std::pair<platform::WindowHandle, std::string>> opened;
  // The strips reserved at the top of the screen, and how often one was placed.
  std::map<platform::WindowHandle, platform::ScreenStrip> strips;
  int stripRequests = 0;
};

// Records every request; nothing ends, nothing moves.
class FakeSession : public platform::Session {
 public:
  void enableShutdownPrivilege() override { requests.push_back("privilege"); }
  bool exitWindows(unsigned mode) override {
    requests.push_back("exit " + std::to_string(mode));
    return accepts;
  }
  void activateNextKeyboardLayout() override { requests.push_back("next layout"); }

  bool accepts = false;
  std::vector<std::string> requests;
};

class FakeMultimedia : public platform::Multimedia {
 public:
  int sendCommand(const std::string& command, platform::WindowHandle callbackWindow) override {
    commands.push_back({command, callbackWindow});
    return 266;  // no such device, as on a machine without a drive
  }
  std::vector<std::pair<std::string, platform::WindowHandle>> commands;
};

class FakeRegistry : public platform::Registry {
 public:
  std::optional<std::string> runValue(const std::string& name) const override {
    ++reads;
    const auto it = run.find(name);
    return it == run.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
  bool setRunValue(const std::string& name, const std::string& command) override {
    ++writes;
    run[name] = command;
    return true;
  }
  bool deleteRunValue(const std::string& name) override {
    ++writes;
    return run.erase(name) != 0;
  }

  bool runValueTurnedOff(const std::string& name) const override { return turnedOff.count(name) != 0; }

  std::map<std::string, std::string> run;
  std::set<std::string> turnedOff;  // by Windows' startup settings
  mutable int reads = 0;
  int writes = 0;
};

}  // namespace fakes

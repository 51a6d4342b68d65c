#include "platform/win32/processor_counters.h"

#include <windows.h>

#include <pdh.h>
#include <pdhmsg.h>

#include <initializer_list>
#include <vector>

#include "platform/win32/system_library.h"
#include "platform/win32/trace.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

namespace {

// English names, which PdhAddEnglishCounterW finds on every language of Windows.
constexpr wchar_t utilityPath[] = L"\\Processor Information(_Total)\\% Processor Utility";
constexpr wchar_t performancePath[] = L"\\Processor Information(_Total)\\% Processor Performance";
constexpr wchar_t frequencyPath[] = L"\\Processor Information(_Total)\\Processor Frequency";

}  // namespace

// pdh.dll and the functions the counters use: every lookup in the library is
// here. Loaded from the system folder only, never from beside the program.
class Win32ProcessorCounters::Library {
 public:
  static std::unique_ptr<Library> load() {
    auto library = std::make_unique<Library>();
    SystemLibrary& pdh = library->pdh_;
    pdh = SystemLibrary(L"pdh.dll");
    if (!pdh) {
      traceIgnoredFailure("loading pdh.dll");
      return nullptr;
    }
    library->openQuery = pdh.function<decltype(::PdhOpenQueryW)>("PdhOpenQueryW");
    // PdhAddEnglishCounterW came with Vista.
    library->addEnglishCounter = pdh.function<decltype(::PdhAddEnglishCounterW)>("PdhAddEnglishCounterW");
    library->collect = pdh.function<decltype(::PdhCollectQueryData)>("PdhCollectQueryData");
    library->formattedValue = pdh.function<decltype(::PdhGetFormattedCounterValue)>("PdhGetFormattedCounterValue");
    library->closeQuery = pdh.function<decltype(::PdhCloseQuery)>("PdhCloseQuery");
    if (library->openQuery && library->addEnglishCounter && library->collect && library->formattedValue &&
        library->closeQuery)
      return library;
    traceIgnoredFailure("looking up the counter functions of pdh.dll");
    return nullptr;
  }

  decltype(&::PdhOpenQueryW) openQuery = nullptr;
  decltype(&::PdhAddEnglishCounterW) addEnglishCounter = nullptr;
  decltype(&::PdhCollectQueryData) collect = nullptr;
  decltype(&::PdhGetFormattedCounterValue) formattedValue = nullptr;
  decltype(&::PdhCloseQuery) closeQuery = nullptr;

 private:
  SystemLibrary pdh_;
};

// A query of some counters, closed with it.
class Win32ProcessorCounters::Query {
 public:
  Query(const Library& pdh, std::initializer_list<const wchar_t*> paths) : pdh_(pdh) {
    if (const PDH_STATUS status = pdh_.openQuery(nullptr, 0, &query_); status != ERROR_SUCCESS) {
      traceIgnoredFailure("PdhOpenQueryW", static_cast<unsigned long>(status));
      query_ = nullptr;
    }
    for (const wchar_t* path : paths) {
      PDH_HCOUNTER counter = nullptr;
      if (query_) {
        if (const PDH_STATUS status = pdh_.addEnglishCounter(query_, path, 0, &counter); status != ERROR_SUCCESS) {
          traceIgnoredFailure("PdhAddEnglishCounterW", static_cast<unsigned long>(status));
          counter = nullptr;
        }
      }
      counters_.push_back(counter);
    }
  }
  ~Query() {
    if (query_) pdh_.closeQuery(query_);
  }
  Query(const Query&) = delete;
  Query& operator=(const Query&) = delete;

  // Takes a sample; each counter's value since the previous one, in the order
  // of the paths. A counter with no previous sample has none yet.
  std::vector<std::optional<double>> sample() {
    std::vector<std::optional<double>> values(counters_.size());
    bool any = false;
    for (PDH_HCOUNTER counter : counters_) any = any || counter != nullptr;
    if (!any) return values;
    if (const PDH_STATUS status = pdh_.collect(query_); status != ERROR_SUCCESS) {
      traceIgnoredFailure("PdhCollectQueryData", static_cast<unsigned long>(status));
      return values;
    }
    for (std::size_t i = 0; i < counters_.size(); ++i) {
      if (!counters_[i]) continue;
      PDH_FMT_COUNTERVALUE value{};
      // Not capped at 100: the utility passes it on a processor above its nominal clock.
      const PDH_STATUS status = pdh_.formattedValue(counters_[i], PDH_FMT_DOUBLE | PDH_FMT_NOCAP100, nullptr, &value);
      if (status == ERROR_SUCCESS && (value.CStatus == PDH_CSTATUS_VALID_DATA || value.CStatus == PDH_CSTATUS_NEW_DATA))
        values[i] = value.doubleValue;
      else if (static_cast<DWORD>(status) != PDH_INVALID_DATA)  // a rate counter's first sample: no failure
        traceIgnoredFailure("PdhGetFormattedCounterValue",
                            status != ERROR_SUCCESS ? static_cast<unsigned long>(status) : value.CStatus);
    }
    return values;
  }

 private:
  const Library& pdh_;
  PDH_HQUERY query_ = nullptr;
  std::vector<PDH_HCOUNTER> counters_;  // null where missing
};

Win32ProcessorCounters::Win32ProcessorCounters() = default;

Win32ProcessorCounters::~Win32ProcessorCounters() { close(); }

const Win32ProcessorCounters::Library* Win32ProcessorCounters::library() {
  if (!libraryTried_) {
    libraryTried_ = true;
    library_ = Library::load();
  }
  return library_.get();
}

std::optional<double> Win32ProcessorCounters::utility() {
  if (!loadQuery_) {
    const Library* pdh = library();
    if (!pdh) return std::nullopt;
    loadQuery_ = std::make_unique<Query>(*pdh, std::initializer_list<const wchar_t*>{utilityPath});
  }
  return loadQuery_->sample()[0];
}

veltrana::ProcessorSpeed Win32ProcessorCounters::speed() {
  if (!speedQuery_) {
    const Library* pdh = library();
    if (!pdh) return {};
    speedQuery_ = std::make_unique<Query>(*pdh, std::initializer_list<const wchar_t*>{performancePath, frequencyPath});
  }
  const auto values = speedQuery_->sample();
  return {values[0], values[1]};
}

void Win32ProcessorCounters::close() {
  loadQuery_.reset();
  speedQuery_.reset();
  library_.reset();
  libraryTried_ = false;
}

}  // namespace platform::win32

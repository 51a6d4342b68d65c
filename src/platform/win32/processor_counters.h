#pragma once

#include <memory>

#include "platform/processor_counters.h"

namespace platform::win32 {

// Windows' processor counters through the performance-counter library,
// pdh.dll, which is loaded only when the counters are first read and let go
// with them: a bar that never asks for them does not carry it. Each kind of
// reading has a query of its own, so that each covers the time since its own
// previous reading. A counter that cannot be added (older Windows, Wine) is
// not asked for again until the counters are closed.
class Win32ProcessorCounters : public platform::ProcessorCounters {
 public:
  Win32ProcessorCounters();
  ~Win32ProcessorCounters() override;
  Win32ProcessorCounters(const Win32ProcessorCounters&) = delete;
  Win32ProcessorCounters& operator=(const Win32ProcessorCounters&) = delete;

  std::optional<double> utility() override;
  veltrana::ProcessorSpeed speed() override;
  void close() override;

 private:
  class Library;
  class Query;
  // Nothing when pdh.dll or one of its functions is missing; tried once until closed.
  const Library* library();

  std::unique_ptr<Library> library_;
  bool libraryTried_ = false;
  // After the library: the queries go first.
  std::unique_ptr<Query> loadQuery_;
  std::unique_ptr<Query> speedQuery_;
};

}  // namespace platform::win32

#pragma once

#include <optional>

#include "platform/ports.h"
#include "readouts/processor_frequency.h"
#include "readouts/processor_load.h"
#include "readouts/task_manager_readouts.h"

namespace toolkit {
class Label;
}

namespace veltrana {

class TGauge;

// The readouts measured from the system: memory, the processor load and the
// processor's clock. Each processor readout is measured by the bar's own
// method, or, with line 11, as Task Manager shows it, off the bar's thread;
// which of the two is this class's choice, not its callers'.
class SystemReadouts {
 public:
  // The bar's components these readouts write.
  struct Components {
    toolkit::Label& TotalPhys;  // total memory
    TGauge& RamGauge;           // free share of memory
    TGauge& Gauge1;             // processor load
    toolkit::Label& Label11;    // processor frequency in GHz
  };

  SystemReadouts(const platform::Ports& ports, Components components);

  // Line 11: Task Manager's figures, or the bar's own.
  void setTaskManagerFigures(bool on);

  // What Timer4's tick shows: the memory readout, then the frequency.
  void showMemoryThenFrequency();
  // What Timer5's tick shows: the processor load.
  void showLoad();

 private:
  // Total memory and the free-memory gauge.
  void UpdateMemoryReadout();
  // Samples the processor load into Gauge1.
  void GetCPUUsage();
  // Measures the processor clock in GHz (blocks for about half a second).
  double GetCPUSpeed();
  void showFrequency(double ghz);

  const platform::Ports& ports_;
  Components components_;
  ProcessorLoadSampler loadSampler_;
  ProcessorSpeedProbe speedProbe_;
  // With line 11: the readouts measured off the bar's thread; none without it.
  std::optional<TaskManagerReadouts> taskManager_;
};

}  // namespace veltrana

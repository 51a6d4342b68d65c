#include "readouts/system_readouts.h"

#include "readouts/captions.h"
#include "readouts/memory_readout.h"
#include "readouts/processor_frequency.h"
#include "toolkit/label.h"
#include "widgets/gauge.h"

namespace veltrana {

SystemReadouts::SystemReadouts(const platform::Ports& ports, Components components)
    : ports_(ports), components_(components) {}

void SystemReadouts::setTaskManagerFigures(bool on) {
  if (on == taskManager_.has_value()) return;
  if (on)
    taskManager_.emplace(ports_.systemInfo, ports_.processorCounters, ports_.workQueue);
  else
    taskManager_.reset();
}

void SystemReadouts::showMemoryThenFrequency() {
  UpdateMemoryReadout();
  if (!taskManager_) {
    showFrequency(GetCPUSpeed());
    return;
  }
  if (const auto ghz = taskManager_->speedGHz()) showFrequency(*ghz);
  taskManager_->measureSpeed();
}

void SystemReadouts::showLoad() {
  if (!taskManager_) {
    GetCPUUsage();
    return;
  }
  if (const auto position = taskManager_->loadPosition()) components_.Gauge1.setProgress(*position);
  taskManager_->measureLoad();
}

void SystemReadouts::UpdateMemoryReadout() {
  showMemory(ports_.systemInfo.memoryStatus(), components_.TotalPhys, components_.RamGauge);
}

void SystemReadouts::GetCPUUsage() {
  loadSampler_.sample(ports_.systemInfo, [this](int position) { components_.Gauge1.setProgress(position); });
}

double SystemReadouts::GetCPUSpeed() { return speedProbe_.measure(ports_.systemInfo); }

void SystemReadouts::showFrequency(double ghz) {
  components_.Label11.setCaption(generalFormat(ghz, ports_.systemInfo.decimalSeparator()));
}

}  // namespace veltrana

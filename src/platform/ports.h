#pragma once

namespace platform {

class Files;
class Multimedia;
class ProcessorCounters;
class Registry;
class Resources;
class Session;
class Shell;
class SystemInfo;
class WorkQueue;

// The operating-system services the program uses, chosen once by the entry
// point (the real ones) or by a test (fakes).
struct Ports {
  SystemInfo& systemInfo;
  Resources& resources;
  Files& files;
  Shell& shell;
  Registry& registry;
  Session& session;
  Multimedia& multimedia;
  ProcessorCounters& processorCounters;
  WorkQueue& workQueue;
};

}  // namespace platform

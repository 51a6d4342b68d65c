#pragma once

namespace platform {

class Files;
class Multimedia;
class Registry;
class Resources;
class Session;
class Shell;
class SystemInfo;

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
};

}  // namespace platform

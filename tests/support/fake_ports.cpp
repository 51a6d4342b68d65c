#include "support/fake_ports.h"

#include <fstream>
#include <iterator>
#include <string>

namespace fakes {

void FakeWindowSystem::setScreen(int width, int height) {
  const auto screen = toolkit::Rect::fromBounds(0, 0, width, height);
  monitorList = {toolkit::Monitor{screen, screen}};
}

namespace {

void put64(std::span<std::uint8_t> buffer, std::size_t at, std::uint64_t value) {
  for (int i = 0; i < 8; ++i) buffer[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::int32_t FakeSystemInfo::querySystemInformation(std::uint32_t infoClass, std::span<std::uint8_t> buffer) {
  ++queries;
  if (failingClass == infoClass) return static_cast<std::int32_t>(0xC0000004);  // length mismatch
  std::fill(buffer.begin(), buffer.end(), 0);
  switch (infoClass) {
    case 0:
      if (buffer.size() < 44) return -1;
      buffer[40] = processors;
      return 0;
    case 3:
      if (buffer.size() < 16) return -1;
      put64(buffer, 8, systemTime);
      return 0;
    case 2:
      if (buffer.size() < 8) return -1;
      put64(buffer, 0, idleTime);
      return 0;
    default:
      return -1;
  }
}

// The counter moves on by the configured cycles during each half-second sleep.
std::uint64_t FakeSystemInfo::timeStampCounter() {
  if (!sleeps.empty() && sleeps.back() == 500) counter += cyclesPerHalfSecond;
  return counter;
}

namespace {

std::string fileOf(platform::Resource resource) {
  switch (resource) {
    case platform::Resource::defaultBackground: return "background.jpg";
    case platform::Resource::glyphCdOut: return "glyphs/cd_out.bmp";
    case platform::Resource::glyphCdIn: return "glyphs/cd_in.bmp";
    case platform::Resource::glyphMagic: return "glyphs/magic.bmp";
    case platform::Resource::glyphOptions: return "glyphs/options.bmp";
    case platform::Resource::glyphAbout: return "glyphs/about.bmp";
    case platform::Resource::glyphHelp: return "glyphs/help.bmp";
    case platform::Resource::glyphExit: return "glyphs/exit.bmp";
  }
  return {};
}

}  // namespace

std::span<const std::uint8_t> FakeResources::bytes(platform::Resource resource) const {
  auto it = loaded_.find(resource);
  if (it == loaded_.end()) {
    std::ifstream in(std::string(VELTRANA_ASSETS_DIR) + "/" + fileOf(resource), std::ios::binary);
    std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    it = loaded_.emplace(resource, std::move(data)).first;
  }
  return it->second;
}

}  // namespace fakes

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

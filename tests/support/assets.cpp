#include "support/assets.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fakes {

std::vector<std::uint8_t> readAsset(const std::string& name) {
  const std::string path = std::string(VELTRANA_ASSETS_DIR) + "/" + name;
  // The folder's name is UTF-8, as the build has it. A narrow name would
  // reach Windows in the ANSI code page, so the name goes as UTF-8 text and
  // the file is opened by its UTF-16 name.
  const std::u8string utf8(path.begin(), path.end());
  std::ifstream in(std::filesystem::path(utf8), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read the asset " + path);
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace fakes

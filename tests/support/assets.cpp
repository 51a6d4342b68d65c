#include "support/assets.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fakes {

std::vector<std::uint8_t> readAsset(const std::string& name) {
  const std::string path = std::string(VELTRANA_ASSETS_DIR) + "/" + name;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read the asset " + path);
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace fakes

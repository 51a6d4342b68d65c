#pragma once

#include "platform/files.h"

namespace win32 {

class Win32Files : public platform::Files {
 public:
  platform::OpenedFile openForReading(const std::string& path) override;
  int createWith(const std::string& path, std::span<const std::uint8_t> bytes) override;
  platform::FileContents readAll(const std::string& path) override;
  std::string errorText(int code) const override;
  std::string decodeFileText(std::string_view bytes) const override;
};

}  // namespace win32

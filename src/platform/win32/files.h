#pragma once

#include "platform/files.h"

namespace platform::win32 {

class Win32Files : public platform::Files {
 public:
  platform::OpenedFile openForReading(const std::string& path) override;
  int createWith(const std::string& path, std::span<const std::uint8_t> bytes) override;
  std::optional<platform::FileStamp> stamp(const std::string& path) const override;
  platform::FileContents readAll(const std::string& path) override;
  std::string errorText(int code) const override;
  std::string decodeFileText(std::string_view bytes) const override;
  int replaceWith(const std::string& path, std::span<const std::uint8_t> bytes) override;
  int createFolder(const std::string& path) override;
  int copyFile(const std::string& from, const std::string& to) override;
  void removeLeftovers(const std::string& path) override;
};

}  // namespace platform::win32

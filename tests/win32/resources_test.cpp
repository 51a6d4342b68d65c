#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/resources.h"
#include "toolkit/bitmap_file.h"
#include "toolkit/jpeg_image.h"
#include "version.h"

namespace {

using platform::Resource;

TEST(Resources, TheDefaultBackgroundIsA1280By25Jpeg) {
  platform::win32::Win32Resources resources;
  const auto data = resources.bytes(Resource::defaultBackground);
  ASSERT_FALSE(data.empty());
  const auto picture = toolkit::decodeJpeg(data);
  ASSERT_TRUE(picture) << "libjpeg decodes the embedded picture";
  EXPECT_EQ(picture->width, 1280);
  EXPECT_EQ(picture->height, 25);
}

TEST(Resources, EveryGlyphIsAValidBitmapOfItsSize) {
  platform::win32::Win32Resources resources;
  const struct {
    Resource resource;
    int side;
  } glyphs[] = {{Resource::glyphCdOut, 20}, {Resource::glyphCdIn, 20},  {Resource::glyphMagic, 16},
                {Resource::glyphOptions, 16}, {Resource::glyphAbout, 20}, {Resource::glyphHelp, 16},
                {Resource::glyphExit, 16}};
  for (const auto& g : glyphs) {
    const auto file = toolkit::decodeBitmapFile(resources.bytes(g.resource));
    EXPECT_EQ(file.error, toolkit::BitmapFile::Error::none) << static_cast<int>(g.resource);
    EXPECT_EQ(file.picture.width, g.side) << static_cast<int>(g.resource);
    EXPECT_EQ(file.picture.height, g.side) << static_cast<int>(g.resource);
  }
}

// The bar's version block is the one every program shares: the build's one
// version number, and the bar's own description and file name.
TEST(Resources, TheVersionBlockNamesTheBarAndTheBuildsVersion) {
  wchar_t self[MAX_PATH];
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::vector<std::uint8_t> block(::GetFileVersionInfoSizeW(self, nullptr));
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(::GetFileVersionInfoW(self, 0, static_cast<DWORD>(block.size()), block.data()));
  const auto value = [&](const wchar_t* name) {
    wchar_t* text = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
    const bool found = ::VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length) && text;
    return found ? std::wstring(text) : std::wstring();
  };
  EXPECT_EQ(value(L"FileDescription"), L"Veltrana desktop bar");
  EXPECT_EQ(value(L"OriginalFilename"), L"Veltrana.exe");
  EXPECT_EQ(value(L"FileVersion"), L"" VELTRANA_VERSION_STRING);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), VELTRANA_VERSION_MAJOR);
  EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), VELTRANA_VERSION_MINOR);
  EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), VELTRANA_VERSION_PATCH);
}

}  // namespace

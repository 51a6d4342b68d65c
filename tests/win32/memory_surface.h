#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "platform/win32/unique_handle.h"

// A 32-bit memory bitmap to draw on and read back, pixels as 0x00RRGGBB.
struct MemorySurface {
  MemorySurface(int width, int height) : w(width), h(height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    pixels = static_cast<std::uint32_t*>(bits);
    dc.reset(::CreateCompatibleDC(nullptr));
    selected.emplace(dc.get(), bitmap.get());
  }
  std::uint32_t at(int x, int y) const {
    ::GdiFlush();
    return pixels[y * w + x] & 0xFFFFFF;
  }
  int w, h;
  platform::win32::UniqueBitmap bitmap;
  platform::win32::UniqueDc dc;
  std::optional<platform::win32::SelectedObject> selected;
  std::uint32_t* pixels = nullptr;
};

#include "tests/support/screen_probe.h"

#include <winternl.h>

#include <cstdint>
#include <vector>

#include "framework/gdi.h"
#include "framework/png_bitmap.h"

namespace testsupport {
namespace {

// Wine keeps a process's GDI objects in a handle table whose address the PEB publishes
// (GdiSharedHandleTable, as on Windows). Entries are 24 bytes: object (8), owner (4), unique (2,
// with the stock flag in bit 7 of its first byte), type (1, 0 for a free entry), flags (1), user (8).
constexpr size_t kPebGdiSharedHandleTable = 0xF8;
constexpr size_t kGdiEntrySize = 24;
constexpr size_t kGdiMaxHandles = 0x10000;

// 24-bit colours of width x height pixels from (x, y) of a device context.
std::vector<std::uint32_t> Pixels(HDC source, int x, int y, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  fw::UniqueBitmap copy(::CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  fw::MemoryDC memory(source);
  {
    fw::ScopedSelect select(memory.get(), copy.get());
    ::BitBlt(memory.get(), 0, 0, width, height, source, x, y, SRCCOPY);
  }
  ::GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(first, first + width * height);
  for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

long CountHandleTable() {
  PROCESS_BASIC_INFORMATION process{};
  if (::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process, nullptr) !=
      0)
    return -1;
  const auto* peb = reinterpret_cast<const std::uint8_t*>(process.PebBaseAddress);
  const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + kPebGdiSharedHandleTable);
  if (!table) return -1;
  long live = 0;
  for (size_t i = 0; i < kGdiMaxHandles; ++i) {
    const std::uint8_t* entry = table + i * kGdiEntrySize;
    const bool stock = (entry[12] & 0x80) != 0;
    if (entry[14] != 0 && !stock) ++live;
  }
  return live;
}

}  // namespace

COLORREF ScreenPixel(int x, int y) {
  HDC screen = ::GetDC(nullptr);
  const COLORREF colour = ::GetPixel(screen, x, y);
  ::ReleaseDC(nullptr, screen);
  return colour;
}

bool WindowIsOnScreen(HWND window) {
  if (!::IsWindowVisible(window) || ::GetUpdateRect(window, nullptr, FALSE)) return false;
  RECT rect{};
  ::GetWindowRect(window, &rect);
  // Without DCX_CLIPCHILDREN: the points may lie on child controls, which draw on the same surface.
  HDC own = ::GetDCEx(window, nullptr, DCX_WINDOW | DCX_CACHE);
  HDC screen = ::GetDC(nullptr);
  int compared = 0, same = 0;
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      const int x = (rect.right - rect.left) * i / 4, y = (rect.bottom - rect.top) * j / 4;
      const COLORREF drawn = ::GetPixel(own, x, y);
      if (drawn == CLR_INVALID) continue;  // outside the window's region
      ++compared;
      if (drawn == ::GetPixel(screen, rect.left + x, rect.top + y)) ++same;
    }
  }
  ::ReleaseDC(nullptr, screen);
  ::ReleaseDC(window, own);
  return compared > 0 && same == compared;
}

long GdiObjectCount() {
  const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return static_cast<long>(reported);
  return CountHandleTable();
}

bool WindowShowsBitmap(HWND window, int x, int y, UINT bitmap, int width, int height) {
  fw::UniqueBitmap image = fw::LoadSectionBitmap(bitmap);
  RECT rect{};
  ::GetWindowRect(window, &rect);
  HDC screen = ::GetDC(nullptr);
  std::vector<std::uint32_t> expected;
  {
    fw::MemoryDC memory(screen);
    fw::ScopedSelect select(memory.get(), image.get());
    expected = Pixels(memory.get(), 0, 0, width, height);
  }
  const bool same = Pixels(screen, rect.left + x, rect.top + y, width, height) == expected;
  ::ReleaseDC(nullptr, screen);
  return same;
}

}  // namespace testsupport

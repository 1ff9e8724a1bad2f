#include "tests/support/screen_probe.h"

#include <winternl.h>

#include <cstdint>

namespace testsupport {
namespace {

// Wine keeps a process's GDI objects in a handle table whose address the PEB publishes
// (GdiSharedHandleTable, as on Windows). Entries are 24 bytes: object (8), owner (4), unique (2,
// with the stock flag in bit 7 of its first byte), type (1, 0 for a free entry), flags (1), user (8).
constexpr size_t kPebGdiSharedHandleTable = 0xF8;
constexpr size_t kGdiEntrySize = 24;
constexpr size_t kGdiMaxHandles = 0x10000;

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

long GdiObjectCount() {
  const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return static_cast<long>(reported);
  return CountHandleTable();
}

}  // namespace testsupport

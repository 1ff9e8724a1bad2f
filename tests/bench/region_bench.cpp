// Prints how long shaping a 482 x 783 background takes: the one-call region against the per-pixel
// query loop, each on the same bitmap (a bottom-up 24-bit section, as backgrounds load, with the
// supplied backgrounds' cut corners). Figures only; nothing here passes or fails on time.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "framework/gdi.h"
#include "timed_runs.h"
#include "ui/skin/window_region.h"

namespace {

constexpr int kWidth = 482;
constexpr int kHeight = 783;
constexpr int kFastRuns = 50;
constexpr int kReferenceRuns = 3;

fw::UniqueBitmap MakeBackground() {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = kHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  fw::UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return bitmap;
  const int stride = (kWidth * 3 + 3) & ~3;
  auto* rows = static_cast<unsigned char*>(bits);
  const int cut[] = {5, 3, 2, 1, 1};
  for (int y = 0; y < kHeight; ++y) {
    unsigned char* row = rows + static_cast<ptrdiff_t>(kHeight - 1 - y) * stride;
    const int edge = y < 5 ? cut[y] : (y >= kHeight - 5 ? cut[kHeight - 1 - y] : 0);
    for (int x = 0; x < kWidth; ++x) {
      const bool key = x < edge || x >= kWidth - edge;
      // A face with some texture, so that no row is trivially the same as the next.
      row[x * 3 + 0] = key ? 255 : static_cast<unsigned char>(x * 7 + y);
      row[x * 3 + 1] = key ? 0 : static_cast<unsigned char>(y * 3 + 1);
      row[x * 3 + 2] = key ? 255 : static_cast<unsigned char>(x ^ y);
    }
  }
  return bitmap;
}

}  // namespace

int wmain() {
  // The program shapes a window that already exists, so the display driver is loaded by then; load it
  // here too (Wine loads it on the first context made), or the first run would time that.
  { fw::MemoryDC warmUp(nullptr); }
  fw::UniqueBitmap background = MakeBackground();
  if (!background) {
    std::printf("region benchmark: cannot create the %d x %d background\n", kWidth, kHeight);
    return 1;
  }
  const std::vector<double> fast =
      bench::TimedRuns(kFastRuns, [&] { return static_cast<bool>(skin::RegionFromBitmap(background.get())); });
  const std::vector<double> reference =
      bench::TimedRuns(kReferenceRuns, [&] { return static_cast<bool>(skin::RegionByPixelQuery(background.get())); });
  if (fast.empty() || reference.empty()) {
    std::printf("region benchmark: a region could not be built\n");
    return 1;
  }
  // Medians of the warm runs; the first run also pays for the process's first use of the calls.
  const double fastMedian = fast[1 + (fast.size() - 1) / 2];
  const double referenceMedian = reference[1 + (reference.size() - 1) / 2];
  std::printf("region benchmark: %d x %d background\n", kWidth, kHeight);
  std::printf("  RegionFromBitmap    first %8.3f ms, then median %7.3f ms (best %.3f, worst %.3f, %d runs)\n",
              fast.front(), fastMedian, fast[1], fast.back(), kFastRuns - 1);
  std::printf("  RegionByPixelQuery  first %8.3f ms, then median %7.3f ms (best %.3f, worst %.3f, %d runs)\n",
              reference.front(), referenceMedian, reference[1], reference.back(), kReferenceRuns - 1);
  std::printf("  speed-up %.1fx; target under 2 ms and at least 20x: %s\n", referenceMedian / fastMedian,
              fastMedian < 2.0 && referenceMedian / fastMedian >= 20.0 ? "met" : "NOT met");
  return 0;
}

// Prints how long decoding the whole skin takes: every PNG resource of the program (this benchmark carries the
// same ones) into sections, with one imaging factory for the set as a window's skin set does, and with a
// factory per image as a lone load does; and what making a factory costs by itself. COM is held for the run, as
// the program holds it. Figures only; it fails only when an image does not decode.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "framework/com.h"
#include "framework/png_bitmap.h"
#include "timed_runs.h"

namespace {

constexpr int kRuns = 21;

BOOL CALLBACK CollectId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids) {
  if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<UINT>*>(ids)->push_back(LOWORD(name));
  return TRUE;
}

void Print(const char* label, const std::vector<double>& times) {
  std::printf("  %-28s first %8.2f ms, then median %8.2f ms (best %.2f, worst %.2f, %d runs)\n", label, times.front(),
              times[1 + (times.size() - 1) / 2], times[1], times.back(), kRuns - 1);
}

}  // namespace

int wmain() {
  const fw::ScopedComApartment com;
  std::vector<UINT> ids;
  ::EnumResourceNamesW(nullptr, fw::kPngResourceType, CollectId, reinterpret_cast<LONG_PTR>(&ids));
  const auto decodeSet = [&](auto load) {
    for (UINT id : ids)
      if (!load(id)) return false;
    return true;
  };
  const std::vector<double> oneFactory = bench::TimedRuns(kRuns, [&] {
    const fw::PngDecoder decoder;
    return decodeSet([&](UINT id) { return static_cast<bool>(decoder.Section(id)); });
  });
  const std::vector<double> factoryEach = bench::TimedRuns(
      kRuns, [&] { return decodeSet([](UINT id) { return static_cast<bool>(fw::LoadSectionBitmap(id)); }); });
  const std::vector<double> factoryAlone = bench::TimedRuns(kRuns, [] { return !fw::PngDecoder().Section(0); });
  if (ids.empty() || oneFactory.empty() || factoryEach.empty()) {
    std::printf("decode benchmark: %zu images, not all of them decode\n", ids.size());
    return 1;
  }
  std::printf("decode benchmark: %zu PNG images into 24-bit sections\n", ids.size());
  Print("the set, one factory", oneFactory);
  Print("the set, a factory per image", factoryEach);
  Print("one factory alone", factoryAlone);
  return 0;
}

#include "framework/gdi.h"

namespace fw {

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !::GetObjectW(bitmap, sizeof info, &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

void DrawBitmap(HDC target, HBITMAP bitmap, int x, int y, int width, int height) {
  if (!bitmap) return;
  MemoryDC memory(target);
  if (!memory) return;
  ScopedSelect select(memory.get(), bitmap);
  ::BitBlt(target, x, y, width, height, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace fw

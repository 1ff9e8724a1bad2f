#include "card/wide_path.h"

#include <windows.h>

namespace card {

WidePath WidenPath(const char* path) {
  WidePath wide;
  // On overflow nothing is converted and the empty path fails every later call.
  if (MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, path, -1, wide.text, kPathCapacity) == 0) wide.text[0] = L'\0';
  return wide;
}

}  // namespace card

#include <windows.h>

#include <cstdio>

#include "card/files/card_paths.h"

namespace card {
namespace {

void SetCardDrive(char letter) {
  char folder[kPathCapacity];
  std::snprintf(folder, sizeof folder, "%c:\\DQ-918LX_Parameter", letter);
  SetCardFolder(folder);
}

}  // namespace

void LocateCard() {
  // Only the attribute query is made, so a folder named like the marker counts too. Empty slots fail the
  // query quietly because the program runs with critical-error boxes switched off.
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    SetCardDrive(letter);
    if (GetFileAttributesW(TheCardPaths().markerWide) != INVALID_FILE_ATTRIBUTES) return;
  }
  SetCardDrive('A');
}

}  // namespace card

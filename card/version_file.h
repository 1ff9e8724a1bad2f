// ver.txt in the Card folder: the camera's model and firmware version.
#pragma once

#include "card/card_result.h"
#include "card/card_text.h"

namespace card {

// Fills the Version table from the "Model" and "Version" lines; "QUILVa" and "########" when the file
// cannot be opened. A record the file does not name keeps its value.
CardResult<FileRead> ReadVersionFile();

// The reading itself, from any stream.
void ReadVersionText(CardTextReader& text);

}  // namespace card

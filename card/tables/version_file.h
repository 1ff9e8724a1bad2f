// ver.txt into the process-wide Version table: the camera's model and firmware version.
#pragma once

#include "card/files/card_result.h"

namespace card {

// Fills the Version table from the "Model" and "Version" lines; "QUILVa" and "########" when the file
// cannot be opened. A record the file does not name keeps its value.
CardResult<FileRead> ReadVersionFile();

}  // namespace card

// ver.txt in the Card folder: the camera's model and firmware version.
#pragma once

namespace card {

// Fills the Version table from the "Model" and "Version" lines; "QUILVa" and "########" when the file
// cannot be opened. A record the file does not name keeps its value.
void ReadVersionFile();

}  // namespace card

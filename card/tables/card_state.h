// The process-wide card state as a whole, back to how the program loads it (each test starts from there).
#pragma once

namespace card {

// Settings values 0, version values empty, Advanced snapshot zeros, card paths empty: as when the program
// has just loaded, so that nothing of one card reaches the next.
void ClearCardState();

}  // namespace card

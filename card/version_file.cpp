#include "card/version_file.h"

#include "card/card_line.h"
#include "card/card_paths.h"
#include "card/unique_file.h"
#include "card/version_table.h"

namespace card {

void ReadVersionFile() {
  UniqueFile file = UniqueFile::Open(TheCardPaths().versionFile, "rt");
  if (!file) {
    SetVersionValue("Model", "QUILVa");
    SetVersionValue("Version", "########");
    return;
  }
  char line[kLineCapacity];
  char value[kLineCapacity];
  while (const size_t length = ReadCardLine(file.get(), line)) {
    const std::string_view text(line, length);
    SetVersionValue(KeyOfLine(text), ValueOfLine(text, value));
  }
}

}  // namespace card

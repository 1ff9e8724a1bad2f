#include "card/version_file.h"

#include "card/card_file_open.h"
#include "card/card_line.h"
#include "card/card_paths.h"
#include "card/version_table.h"

namespace card {

CardResult<FileRead> ReadVersionFile() {
  OpenedCardFile opened = OpenCardFile(TheCardPaths().versionFile);
  if (!opened.file) {
    SetVersionValue("Model", "QUILVa");
    SetVersionValue("Version", "########");
    return opened.opened;
  }
  CardTextReader text(opened.file.get());
  ReadVersionText(text);
  return ReadOutcome(text);
}

void ReadVersionText(CardTextReader& text) {
  char line[kLineCapacity];
  char value[kLineCapacity];
  while (const size_t length = ReadCardLine(text, line)) {
    const std::string_view content(line, length);
    SetVersionValue(KeyOfLine(content), ValueOfLine(content, value));
  }
}

}  // namespace card

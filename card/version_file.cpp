#include "card/version_file.h"

#include "card/card_files.h"
#include "card/card_paths.h"
#include "card/version_table.h"

namespace card {

CardResult<FileRead> ReadVersionFile() {
  const VersionFileRead read = ReadVersionFrom(TheCardPaths().versionFile, TheVersionTexts());
  SetVersionTexts(read.texts);
  return read.file;
}

}  // namespace card

#include "card/tables/version_file.h"

#include "card/files/card_files.h"
#include "card/files/card_paths.h"
#include "card/tables/version_table.h"

namespace card {

CardResult<FileRead> ReadVersionFile() {
  const VersionFileRead read = ReadVersionFrom(TheCardPaths().versionFile, TheVersionTexts());
  SetVersionTexts(read.texts);
  return read.file;
}

}  // namespace card

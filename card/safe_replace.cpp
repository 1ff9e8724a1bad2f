#include "card/safe_replace.h"

#include <io.h>
#include <windows.h>

#include "card/unique_file.h"
#include "card/wide_path.h"

namespace card {
namespace {

constexpr DWORD kProtectiveAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// Every step is checked: a full card shows up only at the flush, a pulled one possibly only at the close.
bool WriteToMedium(const char* path, std::string_view content) {
  UniqueFile file = UniqueFile::Open(path, "wt");
  if (!file) return false;
  const bool written = std::fwrite(content.data(), 1, content.size(), file.get()) == content.size() &&
                       std::fflush(file.get()) == 0 && _commit(_fileno(file.get())) == 0;
  return file.Close() && written;
}

bool MoveOver(const WidePath& from, const WidePath& to) {
  return MoveFileExW(from.text, to.text, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool MoveOverProtected(const WidePath& from, const WidePath& to, DWORD oldAttributes) {
  // Windows refuses to replace a read-only file, and some systems a hidden or system one.
  SetFileAttributesW(to.text, FILE_ATTRIBUTE_NORMAL);
  if (MoveOver(from, to)) return true;
  SetFileAttributesW(to.text, oldAttributes);
  return false;
}

}  // namespace

std::string TemporaryPathFor(const char* path) { return std::string(path) + ".tmp"; }

bool ReplaceCardFile(const char* path, std::string_view content, ProtectedFile protectedFile) {
  const std::string temporary = TemporaryPathFor(path);
  const WidePath target = WidenPath(path);
  const WidePath temporaryWide = WidenPath(temporary.c_str());
  if (target.text[0] == L'\0' || temporaryWide.text[0] == L'\0') return false;

  const DWORD oldAttributes = GetFileAttributesW(target.text);
  const bool exists = oldAttributes != INVALID_FILE_ATTRIBUTES;
  if (protectedFile == ProtectedFile::kKeepReadOnly && exists && (oldAttributes & FILE_ATTRIBUTE_READONLY)) {
    return false;
  }
  const bool clearFirst =
      protectedFile == ProtectedFile::kClearAttributes && exists && (oldAttributes & kProtectiveAttributes);

  bool replaced = WriteToMedium(temporary.c_str(), content);
  if (replaced) {
    replaced = clearFirst ? MoveOverProtected(temporaryWide, target, oldAttributes) : MoveOver(temporaryWide, target);
  }
  if (!replaced) DeleteFileW(temporaryWide.text);
  return replaced;
}

}  // namespace card

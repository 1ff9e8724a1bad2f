// The card core on Windows: wide-character file functions over the UTF-8 card paths.
#include <windows.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <vector>

#include "card/files/current_local_time.h"
#include "card/files/platform.h"

namespace card {
namespace platform {
namespace {

constexpr DWORD kProtectiveAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

std::error_code LastError() { return std::error_code(static_cast<int>(GetLastError()), std::system_category()); }

// Empty when `text` is not UTF-8.
std::wstring Widen(const char* text) {
  const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, wide.data(), length) != length) return {};
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

// Owner of a file handle.
class UniqueHandle {
 public:
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Close(); }
  HANDLE get() const { return handle_; }
  bool Close() {
    if (handle_ == INVALID_HANDLE_VALUE) return true;
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

// A name of this save's own next to `path`: the process id and a counter tell saves apart, and CREATE_NEW
// makes sure a leftover of an earlier save is never written into or taken over.
UniqueHandle CreateTemporaryNextTo(const std::wstring& path, std::wstring& temporary) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) + L".tmp";
    const HANDLE file =
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) return UniqueHandle(file);
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
  }
  temporary.clear();
  return UniqueHandle(INVALID_HANDLE_VALUE);
}

std::error_code WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return LastError();
    if (written == 0) return std::error_code(ERROR_DISK_FULL, std::system_category());
    bytes.remove_prefix(written);
  }
  return {};
}

// Every step is checked: a full card shows up only at the write or the flush, a pulled one possibly only at
// the close.
std::error_code WriteTemporary(const std::wstring& path, std::string_view bytes, std::wstring& temporary) {
  UniqueHandle file = CreateTemporaryNextTo(path, temporary);
  if (file.get() == INVALID_HANDLE_VALUE) return LastError();
  if (std::error_code error = WriteAll(file.get(), bytes)) return error;
  if (!FlushFileBuffers(file.get()) || !file.Close()) return LastError();
  return {};
}

bool SetLength(HANDLE file, LONGLONG length) {
  LARGE_INTEGER at;
  at.QuadPart = length;
  return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

// The full card's way: the existing file rewritten where it stands. A file that must grow is lengthened
// first, which claims the room before any byte of it changes.
std::error_code RewriteInPlace(const std::wstring& path, std::string_view bytes) {
  UniqueHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (file.get() == INVALID_HANDLE_VALUE || !GetFileSizeEx(file.get(), &size)) return LastError();
  const LONGLONG length = static_cast<LONGLONG>(bytes.size());
  if (length > size.QuadPart && !SetLength(file.get(), length)) return LastError();
  LARGE_INTEGER start{};
  if (!SetFilePointerEx(file.get(), start, nullptr, FILE_BEGIN)) return LastError();
  if (std::error_code error = WriteAll(file.get(), bytes)) return error;
  if (!SetEndOfFile(file.get()) || !FlushFileBuffers(file.get()) || !file.Close()) return LastError();
  return {};
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

std::string Narrow(const std::wstring& text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), length, nullptr, nullptr);
  narrow.resize(static_cast<size_t>(length - 1));
  return narrow;
}

// Temporary files of `path` that saves cut off by a pulled card left behind; one that cannot be removed
// is left for the next save.
void RemoveLeftoversOf(const std::wstring& path) {
  const std::wstring folder = FolderOf(path);
  const std::string name = Narrow(path.substr(folder.size() + 1));
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((path + L".*-*.tmp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  std::vector<std::wstring> leftovers;
  do {
    // The pattern also matches short names and more than the writers make: the exact form decides.
    if (IsTemporaryFileOf(Narrow(found.cFileName), name)) leftovers.push_back(folder + L"\\" + found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  for (const std::wstring& leftover : leftovers) DeleteFileW(leftover.c_str());
}

bool MoveOver(const std::wstring& from, const std::wstring& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// Windows refuses to replace a read-only file, and some systems a hidden or system one.
std::error_code MoveOverProtected(const std::wstring& from, const std::wstring& to, DWORD oldAttributes) {
  SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (MoveOver(from, to)) return {};
  const std::error_code error = LastError();
  SetFileAttributesW(to.c_str(), oldAttributes);
  return error;
}

}  // namespace

bool IsNoSpace(std::error_code error) {
  return error.category() == std::system_category() &&
         (error.value() == ERROR_DISK_FULL || error.value() == ERROR_HANDLE_DISK_FULL);
}

FILE* OpenFile(const char* path, const char* mode) {
  const std::wstring widePath = Widen(path);
  const std::wstring wideMode = Widen(mode);
  if (widePath.empty() || wideMode.empty()) {
    errno = ENOENT;
    return nullptr;
  }
  return _wfopen(widePath.c_str(), wideMode.c_str());
}

bool PathExists(const char* path) {
  const std::wstring wide = Widen(path);
  return !wide.empty() && GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::error_code SafeReplace(const char* path, std::string_view bytes, ProtectedFile protectedFile) {
  const std::wstring target = Widen(path);
  if (target.empty()) return std::error_code(ERROR_INVALID_NAME, std::system_category());

  const DWORD oldAttributes = GetFileAttributesW(target.c_str());
  const bool exists = oldAttributes != INVALID_FILE_ATTRIBUTES;
  const bool keep = protectedFile == ProtectedFile::kKeepReadOnly;
  if (keep && exists && (oldAttributes & FILE_ATTRIBUTE_READONLY)) {
    return std::error_code(ERROR_ACCESS_DENIED, std::system_category());
  }
  const bool protectedOld = exists && (oldAttributes & kProtectiveAttributes);

  std::wstring temporary;
  std::error_code error = WriteTemporary(target, bytes, temporary);
  // A kept hidden or system attribute goes onto the new file before it takes the old one's place.
  if (!error && keep && protectedOld && !SetFileAttributesW(temporary.c_str(), oldAttributes)) error = LastError();
  if (!error) {
    if (protectedOld) {
      error = MoveOverProtected(temporary, target, oldAttributes);
    } else if (!MoveOver(temporary, target)) {
      error = LastError();
    }
  }
  if (error && !temporary.empty()) {
    SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(temporary.c_str());
  }
  if (error && IsNoSpace(error) && exists) {
    // Cleared attributes are what a replaced config.txt has: a read-only one could not be opened for writing.
    if (!keep && protectedOld) SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    error = RewriteInPlace(target, bytes);
    if (error && !keep && protectedOld) SetFileAttributesW(target.c_str(), oldAttributes);
  }
  if (error) return error;
  RemoveLeftoversOf(target);
  return {};
}

std::vector<std::string> VolumeRoots() {
  std::vector<std::string> roots;
  const DWORD drives = GetLogicalDrives();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (drives & (1u << (letter - 'A'))) roots.push_back(std::string(1, letter) + ":\\");
  }
  // Probing an empty card-reader slot must not bring up a system box.
  SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  return roots;
}

void WidenPath(const char* path, wchar_t (&wide)[kPathCapacity]) {
  for (wchar_t& c : wide) c = L'\0';
  const std::wstring converted = Widen(path);
  if (converted.size() < kPathCapacity) converted.copy(wide, converted.size());
}

}  // namespace platform

LocalTime CurrentLocalTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace card

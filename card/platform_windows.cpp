// The card core on Windows: wide-character file functions over the UTF-8 card paths.
#include <windows.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "card/local_time.h"
#include "card/platform.h"

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

// Every step is checked: a full card shows up only at the write or the flush, a pulled one possibly only at
// the close.
std::error_code WriteTemporary(const std::wstring& path, std::string_view bytes, std::wstring& temporary) {
  UniqueHandle file = CreateTemporaryNextTo(path, temporary);
  if (file.get() == INVALID_HANDLE_VALUE) return LastError();
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return LastError();
    if (written == 0) return std::error_code(ERROR_DISK_FULL, std::system_category());
    bytes.remove_prefix(written);
  }
  if (!FlushFileBuffers(file.get()) || !file.Close()) return LastError();
  return {};
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
  if (protectedFile == ProtectedFile::kKeepReadOnly && exists && (oldAttributes & FILE_ATTRIBUTE_READONLY)) {
    return std::error_code(ERROR_ACCESS_DENIED, std::system_category());
  }
  const bool clearFirst =
      protectedFile == ProtectedFile::kClearAttributes && exists && (oldAttributes & kProtectiveAttributes);

  std::wstring temporary;
  std::error_code error = WriteTemporary(target, bytes, temporary);
  if (!error) {
    if (clearFirst) {
      error = MoveOverProtected(temporary, target, oldAttributes);
    } else if (!MoveOver(temporary, target)) {
      error = LastError();
    }
  }
  if (error && !temporary.empty()) DeleteFileW(temporary.c_str());
  return error;
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

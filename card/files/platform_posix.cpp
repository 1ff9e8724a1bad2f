// The card core on Linux and macOS.
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <ctime>
#include <fstream>
#include <sstream>

#include "card/files/card_finder.h"
#include "card/files/current_local_time.h"
#include "card/files/platform.h"

namespace card {
namespace platform {
namespace {

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

// Owner of a file descriptor.
class UniqueFd {
 public:
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() { Close(); }
  int get() const { return fd_; }
  bool Close() {
    if (fd_ < 0) return true;
    const int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
  }

 private:
  int fd_;
};

std::error_code WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? LastError() : std::make_error_code(std::errc::no_space_on_device);
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return {};
}

// A name of this save's own next to `path`: the process id and a counter tell saves apart, and O_EXCL makes
// sure a leftover of an earlier save is never written into or taken over.
UniqueFd CreateTemporaryNextTo(const char* path, std::string& temporary) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = std::string(path) + "." + std::to_string(getpid()) + "-" + std::to_string(++counter) + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return UniqueFd(fd);
  }
  errno = EEXIST;
  return UniqueFd(-1);
}

// macOS's fsync leaves the data in the drive's cache; F_FULLFSYNC asks for the medium.
int SyncToMedium(int fd) {
#ifdef __APPLE__
  if (fcntl(fd, F_FULLFSYNC) == 0) return 0;
#endif
  return fsync(fd);
}

// `keptMode`: the permissions the new file takes (the old file's, where they are kept), or -1 for ordinary ones.
std::error_code WriteTemporary(const char* path, std::string_view bytes, int keptMode, std::string& temporary) {
  UniqueFd file = CreateTemporaryNextTo(path, temporary);
  if (file.get() < 0) {
    temporary.clear();
    return LastError();
  }
  // A full card shows up at the write or the fsync, a pulled one possibly only at the close.
  std::error_code error = WriteAll(file.get(), bytes);
  if (!error && keptMode >= 0 && fchmod(file.get(), static_cast<mode_t>(keptMode)) != 0) error = LastError();
  if (!error && SyncToMedium(file.get()) != 0) error = LastError();
  if (!file.Close() && !error) error = LastError();
  return error;
}

// The full card's way: the existing file rewritten where it stands. A file that must grow reserves the room
// first, so that running out of it cannot leave the file half new.
std::error_code RewriteInPlace(const char* path, std::string_view bytes) {
  UniqueFd file(open(path, O_WRONLY | O_CLOEXEC));
  struct stat info;
  if (file.get() < 0 || fstat(file.get(), &info) != 0) return LastError();
  const off_t length = static_cast<off_t>(bytes.size());
  if (length > info.st_size) {
    if (const int error = posix_fallocate(file.get(), info.st_size, length - info.st_size); error != 0) {
      return std::error_code(error, std::generic_category());
    }
  }
  std::error_code error = WriteAll(file.get(), bytes);
  if (!error && ftruncate(file.get(), length) != 0) error = LastError();
  if (!error && SyncToMedium(file.get()) != 0) error = LastError();
  if (!file.Close() && !error) error = LastError();
  return error;
}

std::string FolderOf(const char* path) {
  const std::string text(path);
  const size_t slash = text.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : text.substr(0, slash);
}

std::string NameOf(const char* path) {
  const std::string text(path);
  return text.substr(text.rfind('/') + 1);
}

// Temporary files of `path` that saves cut off by a pulled card left behind; one that cannot be removed
// is left for the next save.
void RemoveLeftoversOf(const char* path) {
  const std::string folder = FolderOf(path);
  const std::string name = NameOf(path);
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  std::vector<std::string> leftovers;
  while (const dirent* entry = readdir(dir)) {
    if (IsTemporaryFileOf(entry->d_name, name)) leftovers.push_back(folder + "/" + entry->d_name);
  }
  closedir(dir);
  for (const std::string& leftover : leftovers) unlink(leftover.c_str());
}

// The rename is on the medium only once the folder is; some file systems cannot sync a folder, and the
// file is replaced by then either way, so this is done as well as the system allows.
void SyncFolderOf(const char* path) {
  UniqueFd folder(open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) fsync(folder.get());
}

#ifdef __APPLE__
std::vector<std::string> EntriesOf(const std::string& folder) {
  std::vector<std::string> paths;
  if (DIR* dir = opendir(folder.c_str())) {
    while (const dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") paths.push_back(folder + "/" + name);
    }
    closedir(dir);
  }
  return paths;
}
#else
std::string UserName() {
  if (const passwd* user = getpwuid(getuid())) return user->pw_name;
  return {};
}
#endif

}  // namespace

// A folder cannot be opened as a file, as on Windows (fopen would take it and only reading would fail).
FILE* OpenFile(const char* path, const char* mode) {
  FILE* file = std::fopen(path, mode);
  struct stat info;
  if (file != nullptr && fstat(fileno(file), &info) == 0 && S_ISDIR(info.st_mode)) {
    std::fclose(file);
    errno = EISDIR;
    return nullptr;
  }
  return file;
}

bool IsNoSpace(std::error_code error) {
  return error == std::errc::no_space_on_device || error == std::error_code(EDQUOT, std::generic_category());
}

bool PathExists(const char* path) {
  struct stat info;
  return stat(path, &info) == 0;
}

std::error_code SafeReplace(const char* path, std::string_view bytes, ProtectedFile protectedFile) {
  struct stat old;
  const bool exists = stat(path, &old) == 0;
  // A file without write permission for its owner is what a read-only file looks like here (FAT's read-only
  // attribute shows so). rename() replaces it regardless, and the new file has ordinary permissions unless
  // the old one's are kept.
  const bool keep = protectedFile == ProtectedFile::kKeepReadOnly;
  if (keep && exists && (old.st_mode & S_IWUSR) == 0) return std::make_error_code(std::errc::permission_denied);
  const int keptMode = keep && exists ? static_cast<int>(old.st_mode & 07777) : -1;

  std::string temporary;
  std::error_code error = WriteTemporary(path, bytes, keptMode, temporary);
  if (!error && rename(temporary.c_str(), path) != 0) error = LastError();
  if (error && !temporary.empty()) unlink(temporary.c_str());
  if (error && IsNoSpace(error) && exists) {
    // An ordinary file is what a cleared one is here: the owner may write it.
    if (!keep && (old.st_mode & S_IWUSR) == 0) chmod(path, (old.st_mode & 07777) | S_IWUSR);
    error = RewriteInPlace(path, bytes);
  }
  if (error) return error;
  SyncFolderOf(path);
  RemoveLeftoversOf(path);
  return {};
}

std::vector<std::string> VolumeRoots() {
#ifdef __APPLE__
  return EntriesOf("/Volumes");
#else
  std::ifstream mounts("/proc/self/mounts");
  std::stringstream table;
  table << mounts.rdbuf();
  const std::string user = UserName();
  std::vector<std::string> bases = {"/mnt"};
  if (!user.empty()) {
    bases.push_back("/media/" + user);
    bases.push_back("/run/media/" + user);
  }
  return MountPointsUnder(table.str(), bases);
#endif
}

}  // namespace platform

LocalTime CurrentLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local = {};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace card

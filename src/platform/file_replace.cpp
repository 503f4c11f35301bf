#include "platform/file_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>

namespace drawlet::platform {

namespace {

constexpr const char* TagLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t TagLength = 6;
constexpr const char* TempMiddle = ".drawlet-";
constexpr const char* TempEnd = ".tmp";
// The kernel gives up on longer chains of links too.
constexpr int MaxLinkHops = 40;
constexpr int MaxNameTries = 100;

bool IsTagLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FolderToOpen(const std::string& folder) { return folder.empty() ? "." : folder; }

// The start of every temporary name of one file. A long name is shortened, at a letter boundary,
// so that the temporary name still fits in a folder entry.
std::string TempPrefix(const std::string& name) {
  const size_t room = NAME_MAX - 1 - std::char_traits<char>::length(TempMiddle) - TagLength -
                      std::char_traits<char>::length(TempEnd);
  size_t cut = std::min(name.size(), room);
  while (cut > 0 && cut < name.size() && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  return "." + name.substr(0, cut) + TempMiddle;
}

bool IsTempName(const std::string& entry, const std::string& prefix) {
  const std::string end = TempEnd;
  if (entry.size() != prefix.size() + TagLength + end.size()) return false;
  if (entry.compare(0, prefix.size(), prefix) != 0 || entry.compare(entry.size() - end.size(), end.size(), end) != 0)
    return false;
  for (size_t i = prefix.size(); i < prefix.size() + TagLength; ++i) {
    if (!IsTagLetter(entry[i])) return false;
  }
  return true;
}

// The file a chain of symbolic links at path ends in; the path itself when it is no link.
std::optional<std::string> FileNamedBy(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop <= MaxLinkHops; ++hop) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0) {
      if (errno == ENOENT) return current;
      return std::nullopt;
    }
    if (!S_ISLNK(st.st_mode)) return current;
    char target[PATH_MAX];
    const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
    if (length <= 0 || static_cast<size_t>(length) >= sizeof target) return std::nullopt;
    const std::string next(target, static_cast<size_t>(length));
    current = next.front() == '/' ? next : FolderOf(current) + next;
  }
  return std::nullopt;
}

// Only plain files of this user are removed; a link or anything else with such a name is left alone.
void RemoveStaleTemps(const std::string& folder, const std::string& prefix) {
  DIR* dir = ::opendir(FolderToOpen(folder).c_str());
  if (dir == nullptr) return;
  const int dirFd = ::dirfd(dir);
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsTempName(entry->d_name, prefix)) continue;
    struct stat st {};
    if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) ::unlinkat(dirFd, entry->d_name, 0);
  }
  ::closedir(dir);
}

bool WriteAll(int fd, const std::string& content) {
  size_t done = 0;
  while (done < content.size()) {
    const ssize_t written = ::write(fd, content.data() + done, content.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

// The owner is kept where the system allows it (root saving a user's file); the mode always.
bool TakeOwnerAndMode(int fd, const struct stat& old) {
  struct stat fresh {};
  if (::fstat(fd, &fresh) != 0) return false;
  if (fresh.st_uid != old.st_uid || fresh.st_gid != old.st_gid) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      // Another owner is beyond this user's rights; the group alone may still be given.
      [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
  }
  const mode_t wanted = old.st_mode & 07777;
  if (::fstat(fd, &fresh) != 0) return false;
  return (fresh.st_mode & 07777) == wanted || ::fchmod(fd, wanted) == 0;
}

// Makes the rename itself survive a power cut; the new content is already on the disk.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(FolderToOpen(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::string RandomTempTag() {
  unsigned char bytes[TagLength] = {};
  if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bytes)) {
    // Without random bytes the name is merely harder to guess; creating it exclusively keeps it safe.
    auto seed = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                (static_cast<uint64_t>(::getpid()) << 32);
    for (unsigned char& byte : bytes) {
      seed = seed * 6364136223846793005u + 1442695040888963407u;
      byte = static_cast<unsigned char>(seed >> 56);
    }
  }
  std::string tag;
  const size_t letters = std::char_traits<char>::length(TagLetters);
  for (unsigned char byte : bytes) tag += TagLetters[byte % letters];
  return tag;
}

bool ReplaceFileContent(const std::string& path, const std::string& content,
                        const std::function<std::string()>& nextTag) {
  if (path.empty()) return false;
  const std::optional<std::string> target = FileNamedBy(path);
  if (!target) return false;
  struct stat old {};
  const bool exists = ::lstat(target->c_str(), &old) == 0;
  // A folder, a device or a pipe is never replaced by a plain file.
  if (exists && !S_ISREG(old.st_mode)) return false;

  const std::string folder = FolderOf(*target);
  const std::string prefix = TempPrefix(target->substr(folder.size()));
  RemoveStaleTemps(folder, prefix);

  std::string temp;
  int fd = -1;
  // An existing file's bits are given once the temporary file is ours; until then nobody else may read it.
  const mode_t createMode = exists ? 0600 : 0666;
  for (int attempt = 0; attempt < MaxNameTries && fd < 0; ++attempt) {
    temp = folder + prefix + nextTag() + TempEnd;
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, createMode);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;

  bool written = (!exists || TakeOwnerAndMode(fd, old)) && WriteAll(fd, content) && ::fsync(fd) == 0;
  written = ::close(fd) == 0 && written;
  if (!written || ::rename(temp.c_str(), target->c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace drawlet::platform

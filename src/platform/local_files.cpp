#include "platform/local_files.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/file_replace.h"

namespace fs = std::filesystem;

namespace drawlet::platform {

std::string LocalFiles::CurrentDirectory() {
  std::error_code ec;
  return fs::current_path(ec).string();
}

PathKind LocalFiles::Kind(const std::string& path) {
  std::error_code ec;
  const auto status = fs::status(path, ec);
  if (ec || !fs::exists(status)) return PathKind::Missing;
  if (fs::is_directory(status)) return PathKind::Folder;
  return fs::is_regular_file(status) ? PathKind::File : PathKind::Other;
}

std::optional<std::string> LocalFiles::ReadText(const std::string& path) {
  if (Kind(path) != PathKind::File) return std::nullopt;
  // The path may have become a FIFO since it was looked at: opening without blocking and
  // checking what was opened keeps the read from waiting for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> content;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    content.emplace(static_cast<size_t>(info.st_size), '\0');
    size_t got = 0;
    bool failed = false;
    while (got < content->size()) {
      const ssize_t n = ::read(fd, content->data() + got, content->size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) failed = true;
      if (n <= 0) break;
      got += static_cast<size_t>(n);
    }
    if (failed) {
      content.reset();
    } else {
      // A file that shrank while it was read gives what it held.
      content->resize(got);
    }
  }
  ::close(fd);
  return content;
}

bool LocalFiles::WriteText(const std::string& path, const std::string& content) {
  return ReplaceFileContent(path, content, RandomTempTag);
}

bool LocalFiles::MakeFolders(const std::string& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  return Kind(path) == PathKind::Folder;
}

std::vector<DirectoryEntry> LocalFiles::List(const std::string& folder, const std::string& pattern) {
  std::vector<DirectoryEntry> entries;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (::fnmatch(pattern.c_str(), name.c_str(), 0) != 0) continue;
    std::error_code typeError;
    entries.push_back({name, it->is_directory(typeError)});
  }
  // Sorted by name, so lists read the same on every machine.
  std::sort(entries.begin(), entries.end(),
            [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.Name < b.Name; });
  return entries;
}

}  // namespace drawlet::platform

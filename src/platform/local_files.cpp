#include "platform/local_files.h"

#include <fnmatch.h>

#include <algorithm>
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
  return fs::is_directory(status) ? PathKind::Folder : PathKind::File;
}

std::optional<std::string> LocalFiles::ReadText(const std::string& path) {
  if (Kind(path) != PathKind::File) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string content;
  in.seekg(0, std::ios::end);
  const auto size = in.tellg();
  if (size > 0) {
    content.resize(static_cast<size_t>(size));
    in.seekg(0, std::ios::beg);
    in.read(content.data(), size);
    if (!in) return std::nullopt;
  }
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

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace drawlet::platform {

// Other is anything that exists but is neither a regular file nor a folder: a FIFO, a
// device, a socket.
enum class PathKind { Missing, File, Folder, Other };

struct DirectoryEntry {
  std::string Name;
  bool IsFolder = false;
};

// The file system as the core sees it; paths are relative to the current directory.
class Files {
 public:
  virtual ~Files() = default;
  virtual std::string CurrentDirectory() = 0;
  virtual PathKind Kind(const std::string& path) = 0;
  // The whole content of a regular file; nullopt when it is missing, is no regular file or
  // cannot be read. Never waits on a FIFO or a device.
  virtual std::optional<std::string> ReadText(const std::string& path) = 0;
  // Replaces the content of the file at path, or of the file a symbolic link there names, keeping
  // its permission bits; until the new content is whole on the disk the old one stays. False, with
  // the old file untouched, when it could not be written or is no plain file.
  virtual bool WriteText(const std::string& path, const std::string& content) = 0;
  // Creates the folder and its parents; false when it does not exist afterwards.
  virtual bool MakeFolders(const std::string& path) = 0;
  // Entries of a folder matching a pattern such as "*.txt", in the listing's order;
  // empty when the folder is missing.
  virtual std::vector<DirectoryEntry> List(const std::string& folder, const std::string& pattern) = 0;
};

}  // namespace drawlet::platform

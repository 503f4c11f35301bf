#pragma once

#include "platform/files.h"

namespace drawlet::platform {

// The files port on the local file system.
class LocalFiles : public Files {
 public:
  std::string CurrentDirectory() override;
  PathKind Kind(const std::string& path) override;
  std::optional<std::string> ReadText(const std::string& path) override;
  bool WriteText(const std::string& path, const std::string& content) override;
  bool MakeFolders(const std::string& path) override;
  std::vector<DirectoryEntry> List(const std::string& folder, const std::string& pattern) override;
};

}  // namespace drawlet::platform

#pragma once

#include <functional>
#include <string>

namespace drawlet::platform {

// Six random letters and digits, the part that makes each temporary file name unique.
std::string RandomTempTag();

// Replaces the content of the regular file at path, or of the file a symbolic link there names
// (the link stays), keeping its permission bits; a new file gets 0666 less the umask. The content
// goes to a fresh temporary file ".NAME.drawlet-TAG.tmp" beside the file, is flushed to the disk
// and then renamed over it, so the file always holds either its old or its whole new content.
// Temporary files that an interrupted earlier save of the same file left are removed. `nextTag`
// gives the TAG of each name tried. False, with the old file untouched, when it could not be written.
bool ReplaceFileContent(const std::string& path, const std::string& content,
                        const std::function<std::string()>& nextTag);

}  // namespace drawlet::platform

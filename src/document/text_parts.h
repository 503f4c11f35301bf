#pragma once

#include <string>

namespace drawlet {

// Removes every occurrence of part from text, left to right.
inline void RemoveAll(std::string& text, const std::string& part) {
  if (part.empty()) return;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at)) text.erase(at, part.size());
}

}  // namespace drawlet

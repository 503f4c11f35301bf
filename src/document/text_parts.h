#pragma once

#include <string>

namespace drawlet {

// Removes every occurrence of part from text, left to right.
inline void RemoveAll(std::string& text, const std::string& part) {
  if (part.empty()) return;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at)) text.erase(at, part.size());
}

// The first count characters of a UTF-8 text, not bytes, so it is never cut inside a character.
inline std::string FirstChars(const std::string& text, size_t count) {
  size_t chars = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool startsChar = (static_cast<unsigned char>(text[i]) & 0xC0u) != 0x80u;
    if (startsChar && chars++ == count) return text.substr(0, i);
  }
  return text;
}

}  // namespace drawlet

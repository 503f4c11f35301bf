#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace drawlet::platform {

// Font style bits as stored in a shape's FontStyle.
inline constexpr int64_t FontBold = 256;
inline constexpr int64_t FontItalic = 512;
inline constexpr int64_t FontUnderline = 4;
inline constexpr int64_t FontStrikeOut = 8;

// A loaded font; adapters derive from it to keep their own face data.
class Font {
 public:
  virtual ~Font() = default;
  virtual const std::string& FaceName() const = 0;
  virtual int64_t Size() const = 0;
  virtual int64_t Style() const = 0;
};

// Reference-counted, so a copied shape keeps its font valid after the source lets go.
using FontHandle = std::shared_ptr<const Font>;

// Loads fonts by face name, size and style bits.
class Fonts {
 public:
  virtual ~Fonts() = default;
  // Returns a handle, or null when no font can be made.
  virtual FontHandle Load(const std::string& faceName, int64_t size, int64_t style) = 0;
};

}  // namespace drawlet::platform

#pragma once

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "model/records.h"

namespace drawlet {

// The lines have no quoting, so a comma in a text is written as U+201A, which looks like
// one and keeps the later fields in place; the reader turns it back.
inline constexpr std::string_view CommaStandIn = "\xE2\x80\x9A";

// Room for one line's numbers, keys and separators; its texts need up to three bytes each.
inline constexpr size_t LineRoom = 400;
inline constexpr size_t TextRoomPerByte = CommaStandIn.size();

// Builds a text line by line through a raw write position: each line asks for room once,
// then writes without checks, since per-byte appends dominate the cost of a large save.
class LineWriter {
 public:
  explicit LineWriter(size_t expectedSize) { text_.resize(expectedSize); }

  // A write position with at least n bytes free; hand it back through Commit.
  char* Room(size_t n) {
    if (text_.size() - used_ < n) text_.resize(std::max(text_.size() * 2, used_ + n));
    return text_.data() + used_;
  }
  void Commit(const char* end) { used_ = static_cast<size_t>(end - text_.data()); }

  std::string Finish() {
    text_.resize(used_);
    return std::move(text_);
  }

 private:
  std::string text_;
  size_t used_ = 0;
};

inline void PutText(char*& p, std::string_view text) {
  std::memcpy(p, text.data(), text.size());
  p += text.size();
}

// A whole number in plain signed decimal; the room holds the longest, 20 characters.
inline void PutNumber(char*& p, int64_t value) {
  // Flags, styles and zero offsets are single digits; they skip the length computation.
  if (static_cast<uint64_t>(value) < 10) {
    *p++ = static_cast<char>('0' + value);
  } else {
    p = std::to_chars(p, p + 20, value).ptr;
  }
}

// A number preceded by its field separator.
inline void PutField(char*& p, int64_t value) {
  *p++ = ',';
  PutNumber(p, value);
}

// A name or text as one field: commas become U+201A, line breaks a blank.
inline void PutFieldText(char*& p, std::string_view text) {
  for (const char c : text) {
    if (c == ',') {
      PutText(p, CommaStandIn);
    } else {
      *p++ = c == '\r' || c == '\n' ? ' ' : c;
    }
  }
}

// One "shapefx" line with its CR LF; a preset leaves out the Active field.
inline void PutFxLine(LineWriter& out, int64_t fxIndex, const ShapeFx& fx, bool withActive) {
  char* p = out.Room(LineRoom);
  PutText(p, "shapefx,");
  PutNumber(p, fxIndex);
  PutField(p, fx.X);
  PutField(p, fx.Y);
  PutField(p, fx.Color);
  PutField(p, fx.Alpha);
  PutField(p, fx.Depth);
  PutField(p, fx.Style);
  PutField(p, fx.Width);
  PutField(p, fx.Height);
  PutField(p, fx.Dist);
  PutField(p, fx.Scale);
  PutField(p, fx.Reserved1);
  PutField(p, fx.Reserved2);
  if (withActive) PutField(p, fx.Active);
  PutText(p, "\r\n");
  out.Commit(p);
}

}  // namespace drawlet

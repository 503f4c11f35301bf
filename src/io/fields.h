#pragma once

#include <cstdint>
#include <string_view>

#include "model/records.h"

namespace drawlet {

// Reads a whole number leniently: leading blanks and tabs skipped, an optional sign, then
// digits up to the first other character; "$" reads hexadecimal and "%" binary digits.
// No digits read as 0. Overflow wraps like the 64-bit field it goes into.
int64_t ParseNumber(std::string_view text);

// Reads a decimal fraction such as "0.10" leniently; no digits read as 0.
double ParseFraction(std::string_view text);

// Reads the fields of one line from left to right without splitting it first, each number
// as ParseNumber reads it; fields past the end of the line read as empty or 0. Defined
// here so the reader's per-field calls inline: a document holds millions of fields.
class FieldCursor {
 public:
  explicit FieldCursor(std::string_view line) : next_(line.data()), end_(line.data() + line.size()) {}

  // The next field's text.
  std::string_view Text() {
    const char* const start = next_;
    const char* const stop = SkipField(start);
    return std::string_view(start, static_cast<size_t>(stop - start));
  }

  // The next field read as a whole number.
  int64_t Number() {
    const char* p = next_;
    // Plain decimals, which is all the writer makes, skip the lenient checks.
    const bool minus = p < end_ && *p == '-';
    const char* q = minus ? p + 1 : p;
    if (q < end_ && IsDigit(*q)) {
      uint64_t plain = 0;
      for (; q < end_ && IsDigit(*q); ++q) plain = plain * 10 + static_cast<uint64_t>(*q - '0');
      if (q == end_ || *q == ',') {
        next_ = q < end_ ? q + 1 : end_;
        return static_cast<int64_t>(minus ? 0 - plain : plain);
      }
    }
    while (p < end_ && (*p == ' ' || *p == '\t')) ++p;
    bool negative = false;
    if (p < end_ && (*p == '+' || *p == '-')) {
      negative = *p == '-';
      ++p;
    }
    // Unsigned arithmetic wraps by definition, which is the overflow a 64-bit field shows.
    uint64_t value = 0;
    if (p < end_ && (*p == '$' || *p == '%')) {
      const unsigned base = *p == '$' ? 16 : 2;
      int digit = 0;
      for (++p; p < end_ && (digit = DigitValue(*p, base)) >= 0; ++p) value = value * base + static_cast<uint64_t>(digit);
    } else {
      for (; p < end_ && IsDigit(*p); ++p) value = value * 10 + static_cast<uint64_t>(*p - '0');
    }
    SkipField(p);
    return static_cast<int64_t>(negative ? 0 - value : value);
  }

 private:
  static bool IsDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

  // Value of a digit in base 16 or 2, or -1 when the character is no such digit.
  static int DigitValue(char c, unsigned base);

  // Moves past the next "," from p and returns where the field ended.
  const char* SkipField(const char* p) {
    while (p < end_ && *p != ',') ++p;
    next_ = p < end_ ? p + 1 : end_;
    return p;
  }

  const char* next_;
  const char* end_;
};

// Reads an effect line's fields from X to Reserved2, in the order documents and presets share.
inline void ReadFxFields(FieldCursor& fields, ShapeFx& fx) {
  fx.X = WrapI16(fields.Number());
  fx.Y = WrapI16(fields.Number());
  fx.Color = fields.Number();
  fx.Alpha = WrapU8(fields.Number());
  fx.Depth = WrapU8(fields.Number());
  fx.Style = WrapU8(fields.Number());
  fx.Width = fields.Number();
  fx.Height = fields.Number();
  fx.Dist = fields.Number();
  fx.Scale = WrapI16(fields.Number());
  fx.Reserved1 = WrapI16(fields.Number());
  fx.Reserved2 = WrapI16(fields.Number());
}

// Calls onLine for each line of a text, without its CR LF or LF.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine&& onLine) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    onLine(text.substr(start, stop - start));
    start = end + 1;
  }
}

}  // namespace drawlet

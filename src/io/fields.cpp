#include "io/fields.h"

#include <charconv>
#include <limits>

namespace drawlet {

int64_t ParseNumber(std::string_view text) { return FieldCursor(text).Number(); }

int FieldCursor::DigitValue(char c, unsigned base) {
  int value = -1;
  if (c >= '0' && c <= '9') {
    value = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    value = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    value = c - 'A' + 10;
  }
  return value >= 0 && static_cast<unsigned>(value) < base ? value : -1;
}

double ParseFraction(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const auto isDigit = [&text](size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; };
  const size_t start = i;
  while (isDigit(i)) ++i;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (isDigit(i)) ++i;
  }
  const std::string_view number = text.substr(start, i - start);
  if (number.find_first_of("0123456789") == std::string_view::npos) return 0;
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
  if (result.ec == std::errc::result_out_of_range) {
    // Too many digits: a whole part above zero is huge, anything else is tiny.
    const bool wholePartAboveZero = number.substr(0, number.find('.')).find_first_of("123456789") != std::string_view::npos;
    value = wholePartAboveZero ? std::numeric_limits<double>::infinity() : 0;
  }
  return negative ? -value : value;
}

}  // namespace drawlet

#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace drawlet {

// Splits a line at every ",", keeping empty fields; fields point into the line.
void SplitFields(std::string_view line, std::vector<std::string_view>& fields);

// Field i of a split line, empty when the line is shorter.
std::string_view FieldAt(const std::vector<std::string_view>& fields, size_t i);

// Reads a whole number leniently: leading blanks and tabs skipped, an optional sign, then
// digits up to the first other character; "$" reads hexadecimal and "%" binary digits.
// No digits read as 0. Overflow wraps like the 64-bit field it goes into.
int64_t ParseNumber(std::string_view text);

// Reads a decimal fraction such as "0.10" leniently; no digits read as 0.
double ParseFraction(std::string_view text);

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

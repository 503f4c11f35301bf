#include "io/fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace drawlet {
namespace {

TEST(ForEachLine, TakesCrLfLfAndAnUnendedLastLine) {
  std::vector<std::string> lines;
  ForEachLine("a,1\r\nb\n\r\nc", [&lines](std::string_view line) { lines.emplace_back(line); });
  EXPECT_EQ(lines, (std::vector<std::string>{"a,1", "b", "", "c"}));
}

TEST(ParseNumber, ReadsLeniently) {
  struct Case {
    const char* text;
    int64_t value;
  };
  const std::vector<Case> cases = {
      {"", 0},
      {"abc", 0},
      {"-", 0},
      {" \t 42", 42},
      {"+42", 42},
      {"-42", -42},
      {"12abc", 12},
      {"1 2", 1},
      {"- 5", 0},
      {"007", 7},
      {"$ff", 255},
      {"$FF", 255},
      {"-$10", -16},
      {"$", 0},
      {"$fg", 15},
      {"%101", 5},
      {"%102", 2},
      {"9223372036854775807", INT64_MAX},
      {"9223372036854775808", INT64_MIN},
      {"-9223372036854775808", INT64_MIN},
      {"18446744073709551615", -1},
      {"18446744073709551617", 1},
      {"$FFFFFFFFFFFFFFFF", -1},
      {"$1FFFFFFFFFFFFFFFF", -1},
      {"99999999999999999999999999999999", static_cast<int64_t>(0x85acef80ffffffffULL)},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(ParseFraction, ReadsLeniently) {
  struct Case {
    const char* text;
    double value;
  };
  const std::vector<Case> cases = {
      {"", 0},        {"abc", 0},       {".", 0},          {"0.10", 0.10}, {"0.1", 0.10},
      {" \t0.05", 0.05}, {"-0.5", -0.5}, {"+2", 2},        {".5", 0.5},    {"5.", 5},
      {"1.2.3", 1.2}, {"0.08x", 0.08},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseFraction(c.text), c.value) << '"' << c.text << '"';
  EXPECT_TRUE(std::isinf(ParseFraction(std::string(400, '9'))));
  EXPECT_EQ(ParseFraction("0." + std::string(400, '0') + "1"), 0);
}

}  // namespace
}  // namespace drawlet

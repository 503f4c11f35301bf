#pragma once

#include <array>
#include <cstdint>
#include <random>

#include "model/records.h"

namespace drawlet {

struct ShapeKind {
  uint8_t Type;
  const char* Prefix;
};

// The shape kinds the generated drawings mix.
inline constexpr std::array<ShapeKind, 5> GeneratedKinds = {{
    {TypeBox, "Box_"},
    {TypeCircle, "Circle_"},
    {TypeLine, "Line_"},
    {TypeCurve, "Curve_"},
    {TypeComplex, "Shape_"},
}};

// mt19937_64's sequence is fixed by the standard, while the library distributions are
// not, so ranges are cut from the raw numbers to give the same drawing on every machine.
class Draw {
 public:
  explicit Draw(uint64_t seed) : engine_(seed) {}
  int64_t Between(int64_t low, int64_t high) {
    return low + static_cast<int64_t>(engine_() % static_cast<uint64_t>(high - low + 1));
  }
  const ShapeKind& Kind() { return GeneratedKinds[static_cast<size_t>(Between(0, GeneratedKinds.size() - 1))]; }

 private:
  std::mt19937_64 engine_;
};

}  // namespace drawlet

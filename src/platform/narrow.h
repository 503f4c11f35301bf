#pragma once

#include <cstdint>

namespace drawlet {

// Narrowing keeps the low bits on purpose: the formats and the spin boxes rely on
// the wrap (70000 in a 16-bit field reads 4464, -1 in a byte reads 255).
constexpr uint8_t WrapU8(int64_t v) { return static_cast<uint8_t>(static_cast<uint64_t>(v) & 0xFFu); }
constexpr int8_t WrapI8(int64_t v) { return static_cast<int8_t>(WrapU8(v)); }
constexpr int16_t WrapI16(int64_t v) { return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint64_t>(v) & 0xFFFFu)); }

// Colours are 32-bit RGBA held sign-extended in 64 bits, so an opaque colour is negative.
constexpr int64_t Rgba(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  const uint32_t packed = static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) |
                          (static_cast<uint32_t>(b) << 16) | (static_cast<uint32_t>(a) << 24);
  return static_cast<int64_t>(static_cast<int32_t>(packed));
}
constexpr uint8_t RedOf(int64_t c) { return WrapU8(c); }
constexpr uint8_t GreenOf(int64_t c) { return WrapU8(c >> 8); }
constexpr uint8_t BlueOf(int64_t c) { return WrapU8(c >> 16); }
constexpr uint8_t AlphaOf(int64_t c) { return WrapU8(c >> 24); }

// Replaces the alpha byte of a colour, keeping the result sign-extended.
constexpr int64_t WithAlpha(int64_t c, uint8_t a) { return Rgba(RedOf(c), GreenOf(c), BlueOf(c), a); }

}  // namespace drawlet

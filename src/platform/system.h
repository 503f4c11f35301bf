#pragma once

#include <cstdint>
#include <string>

namespace drawlet::platform {

// A monotonic millisecond counter with an arbitrary origin.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual int64_t Milliseconds() = 0;
};

// Random whole numbers.
class Random {
 public:
  virtual ~Random() = default;
  // A number from 0 to n inclusive.
  virtual int64_t Next(int64_t n) = 0;
};

// The desktop around the program.
class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document with the application the desktop associates with its type, in the
  // document's own folder; false when the desktop cannot open it.
  virtual bool OpenDocument(const std::string& path) = 0;
};

}  // namespace drawlet::platform

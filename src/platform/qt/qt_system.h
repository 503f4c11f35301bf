#pragma once

#include <random>

#include "platform/system.h"

namespace drawlet::platform {

// Milliseconds of std::chrono::steady_clock.
class SteadyClock : public Clock {
 public:
  int64_t Milliseconds() override;
};

// Numbers from a generator seeded once per run from the system's entropy.
class SeededRandom : public Random {
 public:
  SeededRandom() : engine_(std::random_device{}()) {}
  int64_t Next(int64_t n) override;

 private:
  std::mt19937_64 engine_;
};

// Opens documents through QDesktopServices.
class QtShell : public Shell {
 public:
  void OpenDocument(const std::string& path) override;
};

}  // namespace drawlet::platform

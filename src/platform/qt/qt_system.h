#pragma once

#include <QStringList>
#include <random>
#include <utility>

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

// Opens documents with the desktop's opener, started in the document's folder.
class QtShell : public Shell {
 public:
  // The opener is a program and its leading arguments; the document's path comes last. An
  // opener still running after waitMilliseconds is taken to show the document itself.
  explicit QtShell(QStringList opener = {"xdg-open"}, int waitMilliseconds = 3000)
      : opener_(std::move(opener)), waitMilliseconds_(waitMilliseconds) {}
  bool OpenDocument(const std::string& path) override;

 private:
  QStringList opener_;
  int waitMilliseconds_;
};

}  // namespace drawlet::platform

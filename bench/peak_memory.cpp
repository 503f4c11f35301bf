#include "peak_memory.h"

#include <malloc.h>

#include <fstream>
#include <string>

namespace drawlet {
namespace {

// A "VmRSS:    1234 kB" line of /proc/self/status, in bytes.
int64_t KilobytesField(const std::string& line) {
  int64_t kb = 0;
  for (char c : line) {
    if (c >= '0' && c <= '9') kb = kb * 10 + (c - '0');
  }
  return kb * 1024;
}

}  // namespace

ResidentSize ReadResidentSize() {
  ResidentSize size;
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("VmRSS:")) size.Current = KilobytesField(line);
    if (line.starts_with("VmHWM:")) size.Peak = KilobytesField(line);
  }
  return size;
}

void ReleaseFreeHeap() { ::malloc_trim(0); }

bool ResetPeakResident() {
  // Writing 5 to clear_refs resets the peak resident size to the current one.
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return static_cast<bool>(clear);
}

}  // namespace drawlet

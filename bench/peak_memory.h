#pragma once

#include <cstdint>

namespace drawlet {

// The process's resident size now (VmRSS) and its highest since start or the last
// ResetPeakResident (VmHWM), in bytes; 0 when /proc cannot tell.
struct ResidentSize {
  int64_t Current = 0;
  int64_t Peak = 0;
};

ResidentSize ReadResidentSize();

// Hands freed heap pages back to the system, so the next reading counts live data only.
void ReleaseFreeHeap();

// Starts a new peak from the current resident size; false when the kernel refuses.
bool ResetPeakResident();

}  // namespace drawlet

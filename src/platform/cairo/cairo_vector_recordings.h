#pragma once

#include "platform/vector_recording.h"

namespace drawlet::platform {

// Recordings kept in cairo recording surfaces and written through cairo's SVG and PDF surfaces.
class CairoVectorRecordings : public VectorRecordings {
 public:
  std::unique_ptr<VectorRecording> Create(int32_t width, int32_t height) override;
};

}  // namespace drawlet::platform

#pragma once

#include "platform/vector_documents.h"

namespace drawlet::platform {

// Recordings in cairo recording surfaces, and documents drawn on cairo's SVG and PDF surfaces and
// kept in memory until finished.
class CairoVectorDocuments : public VectorDocuments {
 public:
  std::unique_ptr<VectorRecording> Record(int32_t width, int32_t height) override;
  std::unique_ptr<VectorDocument> Create(VectorFormat format, int32_t width, int32_t height,
                                         const UnitBox& page) override;
};

}  // namespace drawlet::platform

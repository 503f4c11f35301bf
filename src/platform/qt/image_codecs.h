#pragma once

namespace drawlet::platform {

// Whether Qt's image IO has the PNG reader, PNG writer, JPEG reader and JPEG writer, tested
// in that order up to the first one missing.
bool ImageCodecsAvailable();

}  // namespace drawlet::platform

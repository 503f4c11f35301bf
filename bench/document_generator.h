#pragma once

#include <cstdint>

#include "model/records.h"

namespace drawlet {

// A drawing of shapeCount shapes spread over a few objects: boxes, circles, lines, curves
// and complex shapes of random size and position, one effect each. The same seed always
// gives the same drawing, so benchmark runs read and write the same file.
Document GenerateDocument(int64_t shapeCount, uint64_t seed = 1);

}  // namespace drawlet

#pragma once

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "document/shape_ops.h"
#include "fakes/fake_platform.h"

namespace drawlet::testing {

// The bytes of a file under tests/data/document, empty when it cannot be read.
inline std::string ReadDocumentFixture(const std::string& name) {
  std::ifstream in(std::string(DRAWLET_TEST_DATA) + "/document/" + name, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// Adds a shape with the given creation tool at (x, y), as a click with that tool does.
inline int AddWith(fakes::FakeSession& f, uint8_t tool, int64_t x = 0, int64_t y = 0) {
  f.State.Tool = tool;
  return AddShape(f.S, x, y);
}

}  // namespace drawlet::testing

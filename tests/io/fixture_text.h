#pragma once

#include <cstdio>
#include <string>

#include "model/editor_state.h"
#include "model/records.h"

namespace drawlet::testing {

// The bytes of a file under tests/data/io, empty when it cannot be read.
inline std::string ReadFixture(const std::string& name) {
  std::string content;
  const std::string path = std::string(DRAWLET_TEST_DATA) + "/io/" + name;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, got);
    std::fclose(file);
  }
  return content;
}

// An effect as the add-FX operation leaves it.
inline ShapeFx DefaultFx() {
  ShapeFx fx;
  fx.Name = "FX_0";
  fx.Color = DefaultFxColor;
  fx.Alpha = 255;
  fx.Width = 10;
  fx.Height = 5;
  fx.Dist = 5;
  fx.Scale = 100;
  return fx;
}

// The drawing and state as a load leaves them before reading: one fresh object, no shapes yet.
struct ResetDrawing {
  Document Doc;
  EditorState State;
  ResetDrawing() { State.HasShapes = -1; }
};

}  // namespace drawlet::testing

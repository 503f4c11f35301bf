#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "document/editor_view.h"
#include "platform/narrow.h"
#include "io/document_format.h"
#include "io/options.h"
#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_images.h"
#include "platform/cairo/pango_fonts.h"
#include "platform/cairo/pixels.h"
#include "render/scene.h"

namespace drawlet::cairo_scene {

using platform::Argb;

inline constexpr int64_t Red = Rgba(255, 0, 0, 255);
inline constexpr int64_t Green = Rgba(0, 255, 0, 255);
inline constexpr int64_t Blue = Rgba(0, 0, 255, 255);
inline constexpr int64_t HalfBlack = Rgba(0, 0, 0, 128);
inline constexpr int64_t HalfRed = Rgba(255, 0, 0, 128);

inline std::string FixturePath(const std::string& name) {
  return std::string(DRAWLET_TEST_DATA) + "/render_cairo/" + name;
}

// A pixel as cairo stores a colour painted over nothing: channels premultiplied by alpha.
inline Argb Premultiplied(int64_t rgba) {
  const int a = static_cast<int>((rgba >> 24) & 0xFF);
  auto channel = [a](int64_t value) { return static_cast<int>((value & 0xFF) * a * 2 + 255) / 510; };
  return {a, channel(rgba), channel(rgba >> 8), channel(rgba >> 16)};
}

// Antialiasing may round a fully covered pixel by one step.
inline bool SamePixel(const Argb& a, const Argb& b) {
  return std::abs(a.A - b.A) <= 1 && std::abs(a.R - b.R) <= 1 && std::abs(a.G - b.G) <= 1 && std::abs(a.B - b.B) <= 1;
}

inline std::string Describe(const Argb& p) {
  std::ostringstream text;
  text << "A" << p.A << " R" << p.R << " G" << p.G << " B" << p.B;
  return text.str();
}

// A probe: the pixel at (X, Y) should hold Color painted over nothing; Color 0 means untouched.
struct Probe {
  int32_t X, Y;
  int64_t Color;
};

// The smallest pixel box holding every pixel that passes a test; W and H are 0 when none does.
struct PixelBox {
  int32_t X = 0, Y = 0, W = 0, H = 0;
};

// A drawing redrawn by the scene on a cairo canvas with a transparent background and every
// editing aid off, so only shapes and their effects leave pixels.
struct CairoScene {
  Document Doc;
  EditorState State;
  sVdOptions Options;
  platform::PangoFonts Fonts;
  platform::CairoImages Images;
  NullView View;
  std::unique_ptr<platform::VectorCanvas> Canvas;

  explicit CairoScene(int32_t width = 320, int32_t height = 240)
      : Canvas(platform::CairoCanvases().Create(width, height, 0)) {
    SetDefaultOptions(Options);
    Options.BgColor = 0;
    Options.ShowCameraBorder = 0;
    Options.ShowGrid = 0;
    State.HasShapes = 1;
    State.CurrentShape = -1;
  }

  // Reads a drawing of tests/data/render_cairo as "Load document" does.
  void Load(const std::string& fixture) {
    std::ifstream file(FixturePath(fixture), std::ios::binary);
    ASSERT_TRUE(file) << fixture;
    std::ostringstream text;
    text << file.rdbuf();
    ReadDocumentText(text.str(), LoadMode::Load, Doc, State, Fonts, Images);
    State.HasShapes = 1;
    State.CurrentShape = -1;
  }

  void Redraw(int64_t x = 0, int64_t y = 0) { RedrawCanvas(Doc, State, Options, *Canvas, View, x, y); }

  Argb At(int32_t x, int32_t y) const { return platform::PixelAt(*Canvas, x, y); }

  void ExpectProbes(const std::vector<Probe>& probes, const std::string& context) const {
    for (const Probe& p : probes) {
      const Argb expected = p.Color == 0 ? Argb{0, 0, 0, 0} : Premultiplied(p.Color);
      const Argb seen = At(p.X, p.Y);
      EXPECT_TRUE(SamePixel(seen, expected))
          << context << " at (" << p.X << ", " << p.Y << "): " << Describe(seen) << ", want " << Describe(expected);
    }
  }

  template <typename Test>
  PixelBox BoxOf(Test test) const {
    int32_t minX = Canvas->Width(), minY = Canvas->Height(), maxX = -1, maxY = -1;
    for (int32_t y = 0; y < Canvas->Height(); ++y) {
      for (int32_t x = 0; x < Canvas->Width(); ++x) {
        if (!test(At(x, y))) continue;
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
      }
    }
    if (maxX < 0) return {};
    return {minX, minY, maxX - minX + 1, maxY - minY + 1};
  }
};

inline bool Reddish(const Argb& p) { return p.R > 0; }
inline bool Bluish(const Argb& p) { return p.B > 0; }
inline bool Touched(const Argb& p) { return p.A > 0; }

}  // namespace drawlet::cairo_scene

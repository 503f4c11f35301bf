#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_images.h"
#include "platform/cairo/cairo_vector_documents.h"
#include "platform/cairo/pango_fonts.h"
#include "platform/local_files.h"
#include "render/image_export.h"
#include "render/shape_builders.h"
#include "render/vector_export.h"
#include "render_cairo/cairo_scene.h"
#include "render_cairo/temp_folder.h"

namespace drawlet::cairo_scene {
namespace {

using platform::VectorFormat;

// Another renderer antialiases edges and smooths images in its own way, so a rasterised page is
// compared with the PNG over white with two bounds. A pixel is off when no pixel of the other
// picture within one pixel of it comes within OffLevel of it on every channel: edges that fall a
// fraction of a pixel apart are not off, a missing, added or moved feature of a few pixels is (a
// missing 4-pixel dotted outline makes 0.08 % of the showcase off). At most MaxOffShare of the
// pixels may be off, and a channel may differ by MaxMeanDifference in 255 on average, which a
// drawing moved by one pixel as a whole exceeds.
constexpr int OffLevel = 64;
constexpr double MaxOffShare = 0.0003;
constexpr double MaxMeanDifference = 0.6;

// A command's exit status and everything it wrote.
struct ToolRun {
  int Status = -1;
  std::string Output;
};

ToolRun RunTool(const std::string& command) {
  ToolRun run;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.Output.append(buffer, got);
  const int status = ::pclose(pipe);
  run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// A picture as seen over white: three channels a pixel, row after row.
struct OverWhite {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint8_t> Rgb;

  const uint8_t* At(int32_t x, int32_t y) const { return &Rgb[(static_cast<size_t>(y) * Width + x) * 3]; }
};

OverWhite LoadOverWhite(const std::string& path) {
  platform::CairoImages images;
  const platform::ImageHandle image = images.Load(path);
  OverWhite picture;
  if (!image) return picture;
  const platform::PixelRows rows = image->Pixels();
  picture.Width = rows.Width;
  picture.Height = rows.Height;
  picture.Rgb.reserve(static_cast<size_t>(rows.Width) * rows.Height * 3);
  for (int32_t y = 0; y < rows.Height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(rows.Data + static_cast<ptrdiff_t>(y) * rows.Stride);
    for (int32_t x = 0; x < rows.Width; ++x) {
      const uint32_t a = row[x] >> 24;
      for (const int shift : {16, 8, 0}) picture.Rgb.push_back(static_cast<uint8_t>(((row[x] >> shift) & 0xFF) + 255 - a));
    }
  }
  return picture;
}

struct Difference {
  double Mean = 0;
  int64_t Off = 0;
  int64_t Pixels = 0;
  std::string Text() const {
    return "mean channel difference " + std::to_string(Mean) + ", " + std::to_string(Off) + " of " +
           std::to_string(Pixels) + " pixels off";
  }
  bool Within() const { return Mean <= MaxMeanDifference && static_cast<double>(Off) <= MaxOffShare * static_cast<double>(Pixels); }
};

bool Near(const uint8_t* a, const uint8_t* b) {
  return std::abs(a[0] - b[0]) <= OffLevel && std::abs(a[1] - b[1]) <= OffLevel && std::abs(a[2] - b[2]) <= OffLevel;
}

bool MatchedNearby(const OverWhite& from, const OverWhite& in, int32_t x, int32_t y) {
  for (int32_t dy = -1; dy <= 1; ++dy) {
    for (int32_t dx = -1; dx <= 1; ++dx) {
      const int32_t nx = x + dx, ny = y + dy;
      if (nx >= 0 && ny >= 0 && nx < in.Width && ny < in.Height && Near(from.At(x, y), in.At(nx, ny))) return true;
    }
  }
  return false;
}

Difference Compare(const OverWhite& a, const OverWhite& b) {
  Difference d;
  d.Pixels = int64_t{a.Width} * a.Height;
  int64_t sum = 0;
  for (size_t i = 0; i < a.Rgb.size(); ++i) sum += std::abs(a.Rgb[i] - b.Rgb[i]);
  d.Mean = a.Rgb.empty() ? 0 : static_cast<double>(sum) / static_cast<double>(a.Rgb.size());
  for (int32_t y = 0; y < a.Height; ++y) {
    for (int32_t x = 0; x < a.Width; ++x) {
      if (!MatchedNearby(a, b, x, y) || !MatchedNearby(b, a, x, y)) ++d.Off;
    }
  }
  return d;
}

// The root element's width and height, as "W x H" from "width="Wpx" height="Hpx"".
std::string SvgSize(const std::string& svg) {
  std::smatch match;
  const std::string root = svg.substr(0, svg.find('>', svg.find("<svg")));
  if (!std::regex_search(root, match, std::regex(R"re(width="(\d+)px" height="(\d+)px")re"))) return "none";
  return match[1].str() + " x " + match[2].str();
}

std::string PdfSize(const std::string& pdfinfo) {
  std::smatch match;
  if (!std::regex_search(pdfinfo, match, std::regex(R"(Page size:\s+(\d+) x (\d+) pts)"))) return "none";
  return match[1].str() + " x " + match[2].str();
}

std::string SizeOf(const OverWhite& picture) {
  return std::to_string(picture.Width) + " x " + std::to_string(picture.Height);
}

// A picture of 120 x 80 with a transparent corner, saved as a PNG and loaded as image shapes load it.
platform::ImageHandle MakePicture(const std::string& path) {
  const auto canvas = platform::CairoCanvases().Create(120, 80, 0);
  canvas->BeginDrawing();
  canvas->SetColor(Rgba(250, 200, 40, 255));
  canvas->AddBox(0, 0, 120, 50);
  canvas->Fill();
  canvas->SetColor(Rgba(30, 160, 90, 200));
  canvas->AddCircle(80, 45, 30);
  canvas->Fill();
  canvas->SetColor(Rgba(120, 0, 160, 255));
  canvas->AddBox(10, 10, 30, 60);
  canvas->Fill();
  canvas->EndDrawing();
  platform::CairoImages images;
  images.SavePng(*canvas->DrawnImage(), path);
  return images.Load(path);
}

// An image shape at its natural size, half transparent, with a dotted back effect.
Shape PictureShape(const platform::ImageHandle& picture, int64_t x, int64_t y) {
  Shape s = fakes::ShapeOf(TypeImage, {{x, y}});
  s.Image = picture;
  s.W = 120;
  s.H = 80;
  s.Alpha = 200;
  s.Fx[0] = fakes::EffectOf(DepthBack, Rgba(90, 40, 40, 255), 8, 8);
  s.Fx[0].Style = StyleDot;
  s.Fx[0].Width = 4;
  s.Fx[0].Dist = 9;
  return s;
}

// A busy drawing: every type and style in many colours, some faint, with effects of each depth
// and scale, all well inside the target so that its faint and antialiased edges make the drawn box.
Document BusyDrawing(const platform::FontHandle& font, const platform::ImageHandle& picture) {
  uint64_t seed = 20240611;
  auto next = [&seed](int64_t low, int64_t high) {
    seed = seed * 6364136223846793005u + 1442695040888963407u;
    return low + static_cast<int64_t>((seed >> 33) % static_cast<uint64_t>(high - low + 1));
  };
  const uint8_t types[] = {TypeComplex, TypeBox, TypeCircle, TypeLine, TypeCurve, TypeText, TypeImage};
  const uint8_t alphas[] = {255, 255, 170, 40, 2};
  ObjectLayer object = fakes::ObjectWith({});
  for (int64_t i = 0; i < 280; ++i) {
    const uint8_t type = types[i % 7];
    Shape s = fakes::ShapeOf(type, {{0, 0}});
    const int64_t count = type == TypeLine    ? next(2, 5)
                          : type == TypeCurve ? 1 + 3 * next(1, 2)
                          : type == TypeComplex ? 3 * next(2, 3)
                                                : 1;
    const int64_t x = next(120, 700), y = next(100, 480);
    s.Points.clear();
    for (int64_t k = 0; k < count; ++k) s.Points.push_back({x + next(0, 140), y + next(0, 140), 0, 0});
    s.W = static_cast<int16_t>(next(3, 90));
    s.H = static_cast<int16_t>(next(3, 60));
    s.Style = static_cast<uint8_t>(next(StyleFilled, StyleDot));
    s.Color = Rgba(static_cast<uint8_t>(next(0, 255)), static_cast<uint8_t>(next(0, 255)),
                   static_cast<uint8_t>(next(0, 255)), alphas[next(0, 4)]);
    s.LineWidth = static_cast<int16_t>(next(1, 12));
    s.LineHeight = static_cast<int16_t>(next(2, 12));
    s.LineDist = static_cast<int16_t>(next(2, 20));
    if (type == TypeText) {
      s.Font = font;
      s.Text = "Shape " + std::to_string(i);
      s.W = static_cast<int16_t>(next(12, 40));
    }
    if (type == TypeImage) {
      s.Image = picture;
      s.W = 120;
      s.H = 80;
      s.Alpha = static_cast<uint8_t>(next(60, 255));
    }
    ShapeFx& fx = s.Fx[0];
    fx = fakes::EffectOf(static_cast<uint8_t>(next(DepthBack, DepthFront)),
                         Rgba(static_cast<uint8_t>(next(0, 255)), 20, 60, alphas[next(0, 4)]),
                         static_cast<int16_t>(next(-20, 20)), static_cast<int16_t>(next(-20, 20)));
    fx.Scale = static_cast<int16_t>(next(50, 150));
    fx.Style = static_cast<uint8_t>(next(StyleFilled, StyleDot));
    fx.Width = next(1, 8);
    fx.Active = next(0, 3) > 0 ? 1 : 0;
    object.Shapes.push_back(s);
  }
  Document doc;
  doc.Objects = {object};
  return doc;
}

// A drawing exported as PNG, SVG and PDF on cairo, the real files and the real tools.
struct Exports {
  CairoScene Scene;
  platform::CairoCanvases Canvases;
  platform::CairoImages Images;
  platform::CairoVectorDocuments Documents;
  platform::LocalFiles Files;
  fakes::FakeMessages Messages;
  int32_t CanvasW = 1024, CanvasH = 768;

  void Png(ExportMode mode, const std::string& path) {
    ExportImage(Scene.Doc, Scene.State, Scene.Options, mode, path, CanvasW, CanvasH, {Canvases, Images, Messages});
  }
  void Vector(ExportMode mode, VectorFormat format, const std::string& path) {
    ExportVector(Scene.Doc, Scene.State, Scene.Options, mode, format, path, CanvasW, CanvasH,
                 {Documents, Files, Messages});
  }

  // Exports the drawing in every format and expects the SVG and the PDF, as files and rasterised
  // again, to be the PNG; only the PDF's page size when its pixels are not compared.
  void ExpectVectorsLikePng(ExportMode mode, const TempFolder& folder, const std::string& context,
                            bool comparePdfPixels = true) {
    const std::string png = folder / "scene.png", svg = folder / "scene.svg", pdf = folder / "scene.pdf";
    Png(mode, png);
    Vector(mode, VectorFormat::Svg, svg);
    Vector(mode, VectorFormat::Pdf, pdf);
    ASSERT_TRUE(Messages.Boxes.empty()) << context << ": " << Messages.Boxes.front().Text;
    const OverWhite expected = LoadOverWhite(png);
    ASSERT_GT(expected.Width, 0) << context;

    const ToolRun xml = RunTool("xmllint --noout " + Quoted(svg));
    EXPECT_EQ(xml.Status, 0) << context << ": the SVG is no well-formed XML: " << xml.Output;
    EXPECT_EQ(SvgSize(ReadFile(svg)), SizeOf(expected)) << context;
    const ToolRun rsvg = RunTool("rsvg-convert -o " + Quoted(folder / "svg.png") + " " + Quoted(svg));
    ASSERT_EQ(rsvg.Status, 0) << context << ": rsvg-convert (librsvg2-bin) failed: " << rsvg.Output;
    const OverWhite fromSvg = LoadOverWhite(folder / "svg.png");
    ASSERT_EQ(SizeOf(fromSvg), SizeOf(expected)) << context;
    const Difference svgDifference = Compare(expected, fromSvg);
    EXPECT_TRUE(svgDifference.Within()) << context << ", SVG: " << svgDifference.Text();

    const ToolRun info = RunTool("pdfinfo " + Quoted(pdf));
    ASSERT_EQ(info.Status, 0) << context << ": pdfinfo (poppler-utils) cannot open the PDF: " << info.Output;
    EXPECT_EQ(PdfSize(info.Output), SizeOf(expected)) << context << ": " << info.Output;
    if (!comparePdfPixels) return;
    const ToolRun ppm =
        RunTool("pdftoppm -png -r 72 -singlefile " + Quoted(pdf) + " " + Quoted(folder / "pdf"));
    ASSERT_EQ(ppm.Status, 0) << context << ": pdftoppm (poppler-utils) failed: " << ppm.Output;
    const OverWhite fromPdf = LoadOverWhite(folder / "pdf.png");
    ASSERT_EQ(SizeOf(fromPdf), SizeOf(expected)) << context;
    const Difference pdfDifference = Compare(expected, fromPdf);
    EXPECT_TRUE(pdfDifference.Within()) << context << ", PDF: " << pdfDifference.Text();
  }
};

TEST(ExportSvgPdf, EveryShapeStyleAndEffectLooksAsInThePng) {
  for (const ExportMode mode : {ExportDrawn, ExportCamera}) {
    TempFolder folder;
    Exports e;
    e.Scene.Load("showcase.txt");
    e.Scene.Doc.Objects.push_back(fakes::ObjectWith({PictureShape(MakePicture(folder / "picture.png"), 860, 600)}));
    // The export draws at 100 % without the view's offset.
    e.Scene.Options.Zoom = 250;
    e.Scene.State.ViewOffsetX = -300;
    e.Scene.State.ViewOffsetY = 120;
    e.ExpectVectorsLikePng(mode, folder, mode == ExportDrawn ? "drawn" : "camera");
    EXPECT_EQ(e.Scene.State.ViewOffsetX, -300);
    EXPECT_EQ(e.Scene.State.ViewOffsetY, 120);
  }
}

TEST(ExportSvgPdf, ABusyDrawingLooksAsInThePngAndCropsAlike) {
  TempFolder folder;
  Exports e;
  const platform::ImageHandle picture = MakePicture(folder / "picture.png");
  e.Scene.Doc = BusyDrawing(e.Scene.Fonts.Load("Arial", 12, platform::FontBold), picture);
  // Hundreds of overlapping edges, wild mitred joins and image edges are where poppler's
  // rasteriser differs most from cairo's, beyond the bounds above, so its pixels are not compared.
  e.ExpectVectorsLikePng(ExportDrawn, folder, "busy, drawn", false);
  EXPECT_NE(SvgSize(ReadFile(folder / "scene.svg")), "1024 x 768") << "the drawn box should lie inside the target";
}

TEST(ExportSvgPdf, ACameraAwayFromTheOriginLeavesNegativePositionsEmpty) {
  TempFolder folder;
  Exports e;
  e.Scene.Doc.Objects = {fakes::ObjectWith({fakes::BoxAt(-50, -30, 200, 100), fakes::BoxAt(200, 150, 60, 40)})};
  e.Scene.Options.CameraX = -100;
  e.Scene.Options.CameraY = -60;
  e.Scene.Options.CameraW = 400;
  e.Scene.Options.CameraH = 300;
  e.ExpectVectorsLikePng(ExportCamera, folder, "camera at (-100, -60)");
  const OverWhite fromSvg = LoadOverWhite(folder / "svg.png");
  ASSERT_EQ(SizeOf(fromSvg), "400 x 300");
  EXPECT_EQ(fromSvg.At(60, 40)[0], 255) << "document position (-40, -20) stays empty";
  EXPECT_NE(fromSvg.At(120, 70)[0], 255) << "document position (20, 10) holds the box";
  EXPECT_NE(fromSvg.At(310, 220)[0], 255) << "document position (210, 160) holds the second box";
}

TEST(ExportSvgPdf, FailuresSaySoAndWriteNothing) {
  struct Case {
    std::string Name;
    bool Empty;
    int32_t CanvasW;
    std::string File;
    std::string Title, Text;
  };
  const std::vector<Case> cases = {
      {"nothing drawn", true, 1024, "out.svg", "Info", "Nothing to export: the drawing is empty."},
      {"too large", false, 20000, "out.svg", "Error",
       "Unable to export an image of 20000 x 768 pixels: the largest export is 16384 pixels on a side and 67108864 "
       "pixels in all."},
      {"a missing folder", false, 1024, "missing/out.svg", "Save image", "Cannot save image: "},
      {"a folder in the way", false, 1024, "taken.pdf", "Save image", "Cannot save image: "},
  };
  for (const Case& c : cases) {
    for (const VectorFormat format : {VectorFormat::Svg, VectorFormat::Pdf}) {
      TempFolder folder;
      std::filesystem::create_directory(folder / "taken.pdf");
      const std::vector<std::string> before = folder.Files();
      Exports e;
      e.Scene.Doc.Objects = {c.Empty ? fakes::ObjectWith({}) : fakes::ObjectWith({fakes::BoxAt(100, 50, 40, 20)})};
      e.CanvasW = c.CanvasW;
      const std::string path = folder / c.File;
      e.Vector(ExportDrawn, format, path);
      ASSERT_EQ(e.Messages.Boxes.size(), 1u) << c.Name;
      EXPECT_EQ(e.Messages.Boxes[0].Title, c.Title) << c.Name;
      EXPECT_EQ(e.Messages.Boxes[0].Text, c.Title == "Save image" ? c.Text + path : c.Text) << c.Name;
      EXPECT_EQ(folder.Files(), before) << c.Name;
      EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.pdf")) << c.Name;
    }
  }
}

}  // namespace
}  // namespace drawlet::cairo_scene

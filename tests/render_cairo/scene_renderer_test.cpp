#include "render/scene_renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <ostream>
#include <string>

#include "render/scene.h"
#include "render/shape_builders.h"
#include "render_cairo/cairo_scene.h"
#include "render_cairo/random_scene.h"

namespace drawlet {
namespace {

using cairo_scene::RandomObject;

constexpr int32_t CanvasW = 400;
constexpr int32_t CanvasH = 300;
constexpr int64_t Edited = 1;  // the object the edits work on

// How two canvases differ: the largest step in a channel and the pixels that differ at all.
struct Difference {
  int Largest = 0;
  int64_t Pixels = 0;
  int32_t X = 0, Y = 0;  // one pixel with the largest step
};

Difference Compare(const platform::VectorCanvas& a, const platform::VectorCanvas& b) {
  Difference d;
  for (int32_t y = 0; y < a.Height(); ++y) {
    for (int32_t x = 0; x < a.Width(); ++x) {
      const platform::Argb p = platform::PixelAt(a, x, y), q = platform::PixelAt(b, x, y);
      const int step = std::max({std::abs(p.A - q.A), std::abs(p.R - q.R), std::abs(p.G - q.G), std::abs(p.B - q.B)});
      if (step == 0) continue;
      ++d.Pixels;
      if (step > d.Largest) d = {step, d.Pixels, x, y};
    }
  }
  return d;
}

std::string Describe(const Difference& d) {
  return std::to_string(d.Pixels) + " pixels differ, by up to " + std::to_string(d.Largest) + " at (" +
         std::to_string(d.X) + ", " + std::to_string(d.Y) + ")";
}

// An editor's canvas drawn through the renderer, and the full one-thread redraw of the same
// state to hold each frame against.
struct Editing {
  Document Doc;
  EditorState State;
  sVdOptions Options;
  NullView View;
  platform::CairoCanvases Canvases;
  RenderWorkers Workers{2};
  RenderWorkers OneThread{1};
  SceneRenderer Renderer{Canvases, Workers};
  std::unique_ptr<platform::VectorCanvas> Canvas = Canvases.Create(CanvasW, CanvasH, 0);
  std::unique_ptr<platform::VectorCanvas> Reference = Canvases.Create(CanvasW, CanvasH, 0);

  Editing() {
    SetDefaultOptions(Options);
    Options.ShowCameraBorder = 0;
    Doc.Objects = {RandomObject(1, 60, CanvasW, CanvasH), RandomObject(2, 60, CanvasW, CanvasH),
                   RandomObject(3, 40, CanvasW, CanvasH), RandomObject(4, 60, CanvasW, CanvasH)};
    Doc.Objects[2].Hidden = 1;
    State.HasShapes = 1;
    State.CurrentObject = Edited;
    State.CurrentShape = 30;
  }

  Shape& At(int64_t j) { return Doc.Objects[static_cast<size_t>(Edited)].Shapes[static_cast<size_t>(j)]; }

  // Draws a frame both ways and says how they differ.
  Difference Frame(CanvasChange change) {
    Document doc = Doc;
    EditorState state = State;
    Renderer.Redraw(Doc, State, Options, *Canvas, View, 0, 0, change);
    RedrawCanvas(doc, state, Options, *Reference, View, 0, 0, OneThread);
    return Compare(*Canvas, *Reference);
  }

  // A drag under way on the selected shapes, as the press left it.
  void PressOn(std::initializer_list<int64_t> shapes) {
    State.CurrentShape = *shapes.begin();
    for (const int64_t j : shapes) At(j).Selected = 1;
    State.MouseDown = 1;
    State.HitState = 1;
    State.TransformState = 2;
  }
};

void MoveBy(Shape& s, int64_t dx, int64_t dy) {
  for (ShapePoint& p : s.Points) {
    p.X += dx;
    p.Y += dy;
  }
}

double D(int64_t v) { return static_cast<double>(v); }

void ScaleBy(Shape& s, double k) {
  const ShapePoint a = s.Points[0];
  for (ShapePoint& p : s.Points) {
    p.X = a.X + std::lround(D(p.X - a.X) * k);
    p.Y = a.Y + std::lround(D(p.Y - a.Y) * k);
  }
  s.W = WrapI16(std::lround(s.W * k));
  s.H = WrapI16(std::lround(s.H * k));
}

void TurnBy(Shape& s, double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  const double cx = D(s.Points[0].X), cy = D(s.Points[0].Y);
  for (ShapePoint& p : s.Points) {
    const double u = D(p.X) - cx, v = D(p.Y) - cy;
    p.X = std::lround(cx + u * std::cos(a) - v * std::sin(a));
    p.Y = std::lround(cy + v * std::cos(a) + u * std::sin(a));
  }
}


// A pan under way, as its press left it.
void Pressed(Editing& e) {
  e.State.MouseDown = 1;
  e.State.HitState = 1;
  e.State.PanMode = 1;
}

struct Edit {
  const char* Name;
  std::function<void(Editing&)> Press;
  std::function<void(Editing&, int step)> Step;
  CanvasChange Change;
};

void PrintTo(const Edit& edit, std::ostream* out) { *out << edit.Name; }

class CachedFrames : public testing::TestWithParam<Edit> {};

TEST_P(CachedFrames, EqualTheFullRedrawOfTheSameState) {
  const Edit& edit = GetParam();
  Editing e;
  edit.Press(e);
  Difference d = e.Frame(CanvasChange::Anything);
  EXPECT_EQ(d.Pixels, 0) << edit.Name << " press: " << Describe(d);
  for (int step = 1; step <= 4; ++step) {
    edit.Step(e, step);
    d = e.Frame(edit.Change);
    EXPECT_EQ(d.Pixels, 0) << edit.Name << " move " << step << ": " << Describe(d);
  }
  EXPECT_GT(e.Renderer.CachedBytes(), 0) << edit.Name;
}

const Edit Edits[] = {
    {"move in the middle of the order", [](Editing& e) { e.PressOn({30}); },
     [](Editing& e, int step) { MoveBy(e.At(30), 7 * step, -5 * step); }, CanvasChange::GestureShapes},
    {"move of the topmost shape", [](Editing& e) { e.PressOn({59}); },
     [](Editing& e, int step) { MoveBy(e.At(59), -9 * step, 4 * step); }, CanvasChange::GestureShapes},
    {"move of two shapes far apart", [](Editing& e) { e.PressOn({3, 50}); },
     [](Editing& e, int) {
       MoveBy(e.At(3), 6, 6);
       MoveBy(e.At(50), -6, 3);
     },
     CanvasChange::GestureShapes},
    {"scale", [](Editing& e) { e.PressOn({24}); }, [](Editing& e, int) { ScaleBy(e.At(24), 1.2); },
     CanvasChange::GestureShapes},
    {"rotate", [](Editing& e) { e.PressOn({27}); }, [](Editing& e, int) { TurnBy(e.At(27), 15); },
     CanvasChange::GestureShapes},
    {"point drag",
     [](Editing& e) {
       e.State.CurrentShape = 33;
       e.State.MouseDown = 1;
       e.State.HitState = 1;
       e.State.TransformState = 1;
     },
     [](Editing& e, int step) {
       e.At(33).Points.back().X += 8 * step;
       e.At(33).Points.back().Y -= 3 * step;
     },
     CanvasChange::GestureShapes},
    {"creation drag",
     [](Editing& e) {
       e.State.MouseDown = 1;
       e.State.CreateState = 2;
       e.State.HitState = 0;
       Shape box = fakes::BoxAt(150, 100, 5, 5);
       box.Color = Rgba(30, 200, 90, 180);
       box.Fx = {fakes::EffectOf(DepthBack, Rgba(0, 0, 0, 90), 5, 5)};
       e.Doc.Objects[static_cast<size_t>(Edited)].Shapes.push_back(box);
       e.State.CurrentShape = 60;
     },
     [](Editing& e, int step) {
       e.At(60).W = WrapI16(20 * step);
       e.At(60).H = WrapI16(15 * step);
     },
     CanvasChange::GestureShapes},
    {"panel colour change", [](Editing&) {},
     [](Editing& e, int step) { e.At(30).Color = Rgba(WrapU8(40 * step), 80, 200, WrapU8(120 + 30 * step)); },
     CanvasChange::CurrentShape},
    {"panel change with only the current shape shown", [](Editing& e) { e.Options.ShowOnlySel = 1; },
     [](Editing& e, int step) { MoveBy(e.At(30), step, step); }, CanvasChange::CurrentShape},
    {"pan up and down", [](Editing& e) { Pressed(e); },
     [](Editing& e, int step) { e.State.ViewOffsetY = WrapI16(e.State.ViewOffsetY + (step < 3 ? 11 : -29)); },
     CanvasChange::ViewOffset},
    // Steps that cross the sides of tiles, and one that stays within a tile.
    {"pan sideways", [](Editing& e) { Pressed(e); },
     [](Editing& e, int step) {
       static constexpr int Steps[] = {23, -17, 5, -70};
       e.State.ViewOffsetX = WrapI16(e.State.ViewOffsetX + Steps[step - 1]);
       e.State.ViewOffsetY = WrapI16(e.State.ViewOffsetY + 3);
     },
     CanvasChange::ViewOffset},
};

INSTANTIATE_TEST_SUITE_P(Edits, CachedFrames, testing::ValuesIn(Edits),
                         [](const testing::TestParamInfo<Edit>& param) {
                           std::string name;
                           for (const char* c = param.param.Name; *c != 0; ++c) {
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           }
                           return name;
                         });

TEST(CachedFrames, TopmostChangingShapesMatchToTheBit) {
  Editing e;
  e.PressOn({59});
  e.Doc.Objects.pop_back();  // nothing drawn above the edited object
  e.Frame(CanvasChange::Anything);
  MoveBy(e.At(59), 12, 9);
  const Difference d = e.Frame(CanvasChange::GestureShapes);
  EXPECT_EQ(d.Pixels, 0) << Describe(d);
}

TEST(CachedFrames, AnythingElseChangedIsDrawnAfresh) {
  Editing e;
  e.PressOn({30});
  e.Frame(CanvasChange::Anything);
  // An undo in the middle of the drag moves a shape the drag does not hold.
  MoveBy(e.Doc.Objects[0].Shapes[10], 40, 40);
  Difference d = e.Frame(CanvasChange::Anything);
  EXPECT_EQ(d.Pixels, 0) << Describe(d);
  e.Options.Zoom = 150;
  MoveBy(e.At(30), 5, 5);
  d = e.Frame(CanvasChange::GestureShapes);
  EXPECT_EQ(d.Pixels, 0) << "after a zoom: " << Describe(d);
  e.Doc.Objects[3].Hidden = 1;
  d = e.Frame(CanvasChange::GestureShapes);
  EXPECT_EQ(d.Pixels, 0) << "after hiding an object: " << Describe(d);
}

// Where the bands are cut depends on the shapes and the zoom; cairo rounds a figure cut at the
// end of a surface a little otherwise, which a band's spare rows keep out of the picture.
TEST(ParallelRedraw, EqualsTheOneThreadRedraw) {
  for (const uint8_t zoom : {uint8_t{100}, uint8_t{130}, uint8_t{150}}) {
    for (const int threads : {2, 3, 4}) {
      Editing e;
      e.Options.Zoom = zoom;
      RenderWorkers workers(threads);
      Document doc = e.Doc;
      EditorState state = e.State;
      RedrawCanvas(e.Doc, e.State, e.Options, *e.Canvas, e.View, 0, 0, workers);
      RedrawCanvas(doc, state, e.Options, *e.Reference, e.View, 0, 0, e.OneThread);
      const Difference d = Compare(*e.Canvas, *e.Reference);
      EXPECT_EQ(d.Pixels, 0) << "zoom " << int{zoom} << ", " << threads << " threads: " << Describe(d);
    }
  }
}

// A box painted on its own draws its rows with spare rows above and below, so the figures it
// cuts at its top and bottom come out as in the full paint. On a target that starts at another
// row, cairo may still round a pixel or two of a complex shape's outline by one step.
TEST(ParallelRedraw, ABoxOfRowsPaintsWhatTheFullPaintDoes) {
  int largest = 0;
  int64_t off = 0;
  for (const uint32_t seed : {30u, 31u, 32u, 33u}) {
    for (const uint8_t zoom : {uint8_t{100}, uint8_t{130}}) {
      Editing e;
      e.Options.Zoom = zoom;
      e.Doc.Objects = {RandomObject(seed, 120, CanvasW, CanvasH), RandomObject(seed + 10, 120, CanvasW, CanvasH)};
      const double z = zoom * 0.01;
      const std::vector<ListedShape> shapes =
          ListShapes(e.Doc, e.State, e.Options, AreaOfPixels({0, 0, CanvasW, CanvasH}, z));
      PaintScene(e.Doc, e.State, shapes, {0, shapes.size()}, {0, {}}, z, {}, *e.Reference, e.OneThread, {});
      for (int32_t top = 3; top < CanvasH - 30; top += 7) {
        const platform::PixelBox box{0, top, CanvasW, top + 30};
        PaintScene(e.Doc, e.State, shapes, {0, shapes.size()}, {0, {}}, z, box, *e.Canvas, e.OneThread, {});
        for (int32_t y = box.Top; y < box.Bottom; ++y) {
          for (int32_t x = 0; x < CanvasW; ++x) {
            const platform::Argb p = platform::PixelAt(*e.Canvas, x, y), q = platform::PixelAt(*e.Reference, x, y);
            const int step =
                std::max({std::abs(p.A - q.A), std::abs(p.R - q.R), std::abs(p.G - q.G), std::abs(p.B - q.B)});
            off += step > 0 ? 1 : 0;
            largest = std::max(largest, step);
          }
        }
      }
    }
  }
  EXPECT_LE(largest, 1) << off << " pixels differ";
}

}  // namespace
}  // namespace drawlet

#include "scene_generator.h"

#include <charconv>

#include "generator_draw.h"

namespace drawlet {
namespace {

inline constexpr int64_t ObjectCount = 4;
inline constexpr int64_t MinExtent = 10;
inline constexpr int64_t MaxExtent = 160;

// Closed figures are mostly filled, open ones always stroked, as drawings usually are.
uint8_t StyleOf(uint8_t type, Draw& draw) {
  const int64_t roll = draw.Between(0, 9);
  if (type == TypeLine || type == TypeCurve) return roll < 6 ? StyleLine : roll < 8 ? StyleDash : StyleDot;
  return roll < 5 ? StyleFilled : roll < 7 ? StyleLine : roll < 9 ? StyleDash : StyleDot;
}

// Point counts as the tools and shape files make them: a curve is a start point and
// groups of three, a complex shape a closed chain of groups of three.
int64_t PointCountOf(uint8_t type, Draw& draw) {
  switch (type) {
    case TypeLine: return draw.Between(2, 6);
    case TypeCurve: return 1 + 3 * draw.Between(1, 2);
    case TypeComplex: return 3 * draw.Between(2, 4);
    default: return 1;
  }
}

// Places the points so that the figure lies inside the scene: a box from its point 0, a
// circle around it, the other types with every point (and so every control) inside a
// random box.
void PlacePoints(Shape& shape, Draw& draw) {
  const int64_t w = draw.Between(MinExtent, MaxExtent);
  const int64_t h = draw.Between(MinExtent, MaxExtent);
  shape.Points.assign(static_cast<size_t>(PointCountOf(shape.Type, draw)), ShapePoint{});
  if (shape.Type == TypeCircle) {
    shape.W = WrapI16(w / 2);
    shape.H = WrapI16(h / 2);
    shape.Points[0] = {draw.Between(shape.W, SceneWidth - shape.W), draw.Between(shape.H, SceneHeight - shape.H)};
    return;
  }
  const int64_t left = draw.Between(0, SceneWidth - w);
  const int64_t top = draw.Between(0, SceneHeight - h);
  if (shape.Type == TypeBox) {
    shape.W = WrapI16(w);
    shape.H = WrapI16(h);
    shape.Points[0] = {left, top};
    return;
  }
  shape.W = 5;
  shape.H = 5;
  for (ShapePoint& point : shape.Points) point = {left + draw.Between(0, w), top + draw.Between(0, h)};
}

// A shadow behind the shape, in the shape's style.
void AddBackShadow(Shape& shape, Draw& draw) {
  ShapeFx& fx = shape.Fx[0];
  fx.X = WrapI16(draw.Between(2, 8));
  fx.Y = WrapI16(draw.Between(2, 8));
  fx.Scale = WrapI16(draw.Between(90, 110));
  fx.Alpha = WrapU8(draw.Between(60, 140));
  fx.Color = Rgba(20, 20, 40, fx.Alpha);
  fx.Style = shape.Style;
  fx.Width = shape.LineWidth;
  fx.Height = shape.LineHeight;
  fx.Dist = shape.LineDist;
  fx.Depth = DepthBack;
  fx.Active = 1;
}

Shape MakeShape(int64_t index, Draw& draw) {
  const ShapeKind& kind = draw.Kind();
  Shape shape;
  shape.Type = kind.Type;
  shape.Name = kind.Prefix + std::to_string(index);
  shape.Order = index;
  shape.Alpha = WrapU8(draw.Between(128, 255));
  shape.Color = Rgba(WrapU8(draw.Between(0, 255)), WrapU8(draw.Between(0, 255)), WrapU8(draw.Between(0, 255)),
                     shape.Alpha);
  shape.Style = StyleOf(kind.Type, draw);
  // The reader raises a width below 10 and dash lengths or dot distances below 5, so these
  // sizes come back from the file as they were drawn.
  shape.LineWidth = WrapI16(draw.Between(10, 14));
  shape.LineHeight = WrapI16(draw.Between(5, 14));
  shape.LineDist = WrapI16(shape.LineWidth + draw.Between(4, 10));
  PlacePoints(shape, draw);

  ShapeFx& fx = shape.Fx[0];
  fx.Name = "FX_0";
  fx.Alpha = 255;
  fx.Color = DefaultFxColor;
  fx.Width = 10;
  fx.Height = 5;
  fx.Dist = 5;
  fx.Scale = 100;
  if (index % 2 == 0) AddBackShadow(shape, draw);
  return shape;
}

void AppendNumber(double value, std::string& out) {
  std::array<char, 32> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
  out.append(text.data(), end);
}

std::string Number(double value) {
  std::string text;
  AppendNumber(value, text);
  return text;
}

// Path data in the SVG syntax.
class SvgPath {
 public:
  void MoveTo(double x, double y) { Command('M', x, y); }
  void LineTo(double x, double y) { Command('L', x, y); }
  void CurveTo(double c1x, double c1y, double c2x, double c2y, double x, double y) {
    Command('C', c1x, c1y);
    Command(' ', c2x, c2y);
    Command(' ', x, y);
  }
  void Box(double x, double y, double w, double h) {
    Command('M', x, y);
    Length('h', w);
    Length('v', h);
    Length('h', -w);
    data_ += 'Z';
  }
  // Starts on the right of the centre and turns clockwise on screen, as cairo's arc does, so
  // a dash pattern starts at the same place.
  void Ellipse(double cx, double cy, double rx, double ry) {
    Command('M', cx + rx, cy);
    for (const double endX : {cx - rx, cx + rx}) {
      Command('A', rx, ry);
      data_ += " 0 1 1 ";
      AppendPair(endX, cy);
    }
    data_ += 'Z';
  }
  const std::string& Data() const { return data_; }

 private:
  void Command(char command, double x, double y) {
    data_ += command;
    AppendPair(x, y);
  }
  void Length(char command, double length) {
    data_ += command;
    AppendNumber(length, data_);
  }
  void AppendPair(double x, double y) {
    AppendNumber(x, data_);
    data_ += ',';
    AppendNumber(y, data_);
  }
  std::string data_;
};

std::string ColorAttributes(const char* paint, int64_t rgba) {
  return std::string(" ") + paint + "=\"rgb(" + std::to_string(RedOf(rgba)) + "," + std::to_string(GreenOf(rgba)) +
         "," + std::to_string(BlueOf(rgba)) + ")\" " + paint + "-opacity=\"" + Number(AlphaOf(rgba) / 255.0) + "\"";
}

// The paint of a style, with the ends and dash patterns of the editor's strokes.
std::string PaintAttributes(uint8_t style, int64_t rgba, double width, double dash, double distance) {
  if (style == StyleFilled) return ColorAttributes("fill", rgba);
  std::string paint = " fill=\"none\"" + ColorAttributes("stroke", rgba) + " stroke-width=\"" + Number(width) + "\"";
  if (style == StyleLine) return paint + " stroke-linecap=\"round\"";
  if (style == StyleDash) {
    if (dash <= 0) return paint;
    return paint + " stroke-dasharray=\"" + Number(dash) + " " + Number(dash) + "\"";
  }
  paint += " stroke-linecap=\"round\"";
  if (distance - width <= 0) return paint;
  return paint + " stroke-dasharray=\"0 " + Number(distance - width) + "\"";
}

void WritePath(const Shape& shape, int64_t ox, int64_t oy, double scale, const std::string& paint,
               std::string& svg) {
  SvgPath path;
  TraceFigure(shape, ox, oy, scale, path);
  if (path.Data().empty()) return;
  svg += "<path d=\"" + path.Data() + "\"" + paint + "/>\n";
}

void WriteEffects(const Shape& shape, uint8_t depth, std::string& svg) {
  for (const ShapeFx& fx : shape.Fx) {
    if (fx.Active != 1 || fx.Depth != depth) continue;
    WritePath(shape, int64_t{shape.X} + fx.X, int64_t{shape.Y} + fx.Y, FxScaleOf(fx),
              PaintAttributes(fx.Style, fx.Color, static_cast<double>(fx.Width), static_cast<double>(fx.Height),
                              static_cast<double>(fx.Dist)),
              svg);
  }
}

}  // namespace

Document GenerateScene(int64_t shapeCount, uint64_t seed) {
  Draw draw(seed);
  Document doc;
  ResizeTo(doc.Objects, ObjectCount);
  int64_t placed = 0;
  for (int64_t i = 0; i < ObjectCount; ++i) {
    ObjectLayer& object = doc.Objects[static_cast<size_t>(i)];
    object.Name = "Obj_" + std::to_string(i);
    object.Order = WrapU8(i);
    object.Alpha = 255;
    const int64_t count = i == ObjectCount - 1 ? shapeCount - placed : shapeCount / ObjectCount;
    if (count <= 0) continue;
    object.Shapes.clear();
    for (int64_t k = 0; k < count; ++k) object.Shapes.push_back(MakeShape(placed + k, draw));
    object.HasShape = 1;
    placed += count;
  }
  return doc;
}

std::string WriteSceneSvg(const Document& doc) {
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                    std::to_string(SceneWidth) + "\" height=\"" + std::to_string(SceneHeight) + "\" viewBox=\"0 0 " +
                    std::to_string(SceneWidth) + " " + std::to_string(SceneHeight) + "\">\n" +
                    "<g fill-rule=\"evenodd\" stroke-linejoin=\"miter\" stroke-miterlimit=\"10\">\n";
  for (const ObjectLayer& object : doc.Objects) {
    if (object.Hidden != 0 || object.HasShape == 0) continue;
    for (const Shape& shape : object.Shapes) {
      WriteEffects(shape, DepthBack, svg);
      WritePath(shape, shape.X, shape.Y, 1,
                PaintAttributes(shape.Style, shape.Color, shape.LineWidth, shape.LineHeight, shape.LineDist), svg);
      WriteEffects(shape, DepthFront, svg);
    }
  }
  return svg + "</g>\n</svg>\n";
}

}  // namespace drawlet

#include "io/document_format.h"
#include "io/line_writer.h"

namespace drawlet {

namespace {

// Typical line lengths, so the text is sized once for most drawings.
constexpr size_t ObjectLineSize = 32;
constexpr size_t ShapeLineSize = 56;
constexpr size_t FxLineSize = 48;
constexpr size_t PointLineSize = 20;

size_t ExpectedSize(const Document& doc) {
  size_t size = 0;
  for (const ObjectLayer& object : doc.Objects) {
    size += ObjectLineSize + object.Name.size();
    if (object.HasShape == 0) continue;
    for (const Shape& shape : object.Shapes) {
      size += ShapeLineSize + shape.Name.size() + shape.Text.size() + shape.FontName.size() + shape.ImageFile.size();
      size += FxLineSize * shape.Fx.size() + PointLineSize * shape.Points.size();
    }
  }
  return size;
}

size_t TextRoom(std::string_view text) { return TextRoomPerByte * text.size(); }

void PutObjectLine(LineWriter& out, const ObjectLayer& object) {
  char* p = out.Room(LineRoom + TextRoom(object.Name));
  PutText(p, "obj,");
  PutFieldText(p, object.Name);
  PutField(p, object.X);
  PutField(p, object.Y);
  PutField(p, object.W);
  PutField(p, object.H);
  PutField(p, object.Order);
  PutField(p, object.Hidden);
  PutField(p, object.Locked);
  PutText(p, "\r\n");
  out.Commit(p);
}

void PutShapeLine(LineWriter& out, int64_t index, const Shape& shape) {
  char* p = out.Room(LineRoom + TextRoom(shape.Name) + TextRoom(shape.Text) + TextRoom(shape.FontName) +
                     TextRoom(shape.ImageFile));
  PutText(p, "shape,");
  PutNumber(p, index);
  PutField(p, shape.Color);
  *p++ = ',';
  PutFieldText(p, shape.Name);
  PutField(p, shape.Alpha);
  PutField(p, shape.Style);
  PutField(p, shape.LineWidth);
  PutField(p, shape.LineHeight);
  PutField(p, shape.LineDist);
  PutField(p, shape.Type);
  PutField(p, shape.W);
  PutField(p, shape.H);
  *p++ = ',';
  if (shape.Type == TypeText) {
    PutFieldText(p, shape.Text);
    *p++ = ',';
    PutFieldText(p, shape.FontName);
    PutField(p, shape.FontStyle);
    *p++ = ',';
  } else if (shape.Type == TypeImage && !shape.ImageFile.empty()) {
    PutFieldText(p, shape.ImageFile);
    *p++ = ',';
  }
  PutText(p, "\r\n");
  out.Commit(p);
}

void PutPointLine(LineWriter& out, int64_t index, int64_t x, int64_t y) {
  char* p = out.Room(LineRoom);
  PutText(p, "pt,");
  PutNumber(p, index);
  PutField(p, x);
  PutField(p, y);
  PutText(p, ",\r\n");
  out.Commit(p);
}

// Adds like the 64-bit field the sum goes into, wrapping instead of overflowing.
int64_t WrappingAdd(int64_t a, int64_t b) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b));
}

// The file holds no shape offset, so a shape moved by one is written where it is drawn.
void PutPointLines(LineWriter& out, const Shape& shape) {
  const std::vector<ShapePoint>& points = shape.Points;
  if (shape.X == 0 && shape.Y == 0) {
    for (size_t p = 0; p < points.size(); ++p) PutPointLine(out, static_cast<int64_t>(p), points[p].X, points[p].Y);
    return;
  }
  for (size_t p = 0; p < points.size(); ++p) {
    PutPointLine(out, static_cast<int64_t>(p), WrappingAdd(points[p].X, shape.X), WrappingAdd(points[p].Y, shape.Y));
  }
}

}  // namespace

std::string WriteDocumentText(const Document& doc) {
  LineWriter out(ExpectedSize(doc));
  for (const ObjectLayer& object : doc.Objects) {
    PutObjectLine(out, object);
    // A placeholder is no shape: writing it would bring it back as a real one.
    if (object.HasShape == 0) continue;
    for (size_t s = 0; s < object.Shapes.size(); ++s) {
      const Shape& shape = object.Shapes[s];
      PutShapeLine(out, static_cast<int64_t>(s), shape);
      for (size_t k = 0; k < shape.Fx.size(); ++k) PutFxLine(out, static_cast<int64_t>(k), shape.Fx[k], true);
      PutPointLines(out, shape);
    }
  }
  return out.Finish();
}

}  // namespace drawlet

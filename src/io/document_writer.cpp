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
      size += ShapeLineSize + shape.Name.size() + shape.Text.size() + shape.FontName.size();
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
  char* p = out.Room(LineRoom + TextRoom(shape.Name) + TextRoom(shape.Text) + TextRoom(shape.FontName));
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
  }
  PutText(p, "\r\n");
  out.Commit(p);
}

void PutPointLine(LineWriter& out, int64_t index, const ShapePoint& point) {
  char* p = out.Room(LineRoom);
  PutText(p, "pt,");
  PutNumber(p, index);
  PutField(p, point.X);
  PutField(p, point.Y);
  PutText(p, ",\r\n");
  out.Commit(p);
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
      for (size_t p = 0; p < shape.Points.size(); ++p) PutPointLine(out, static_cast<int64_t>(p), shape.Points[p]);
    }
  }
  return out.Finish();
}

}  // namespace drawlet

#include "io/document_format.h"
#include "io/line_writer.h"

namespace drawlet {

std::string WritePresetText(const std::string& name, int64_t fxIndex, const ShapeFx& fx) {
  LineWriter out(2 * LineRoom);
  char* p = out.Room(LineRoom + TextRoomPerByte * name.size());
  PutText(p, "gen,");
  PutFieldText(p, name);
  PutText(p, ",0.10,\r\n");
  out.Commit(p);
  // A preset does not store whether the effect is drawn.
  PutFxLine(out, fxIndex, fx, false);
  return out.Finish();
}

}  // namespace drawlet

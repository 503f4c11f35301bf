#include <optional>
#include <string>

#include "io/document_format.h"
#include "io/fields.h"

namespace drawlet {

std::optional<ShapeFx> ReadPresetText(std::string_view text) {
  std::optional<std::string> name;
  std::optional<ShapeFx> read;
  ForEachLine(text, [&](std::string_view line) {
    FieldCursor fields(line);
    const std::string_view key = fields.Text();
    if (key == "gen" && !name) {
      name = std::string(fields.Text());
    } else if (key == "shapefx" && name && !read) {
      fields.Number();  // the index the effect had in its shape when it was saved
      ShapeFx fx;
      fx.Name = *name;
      ReadFxFields(fields, fx);
      read = fx;
    }
  });
  return read;
}

}  // namespace drawlet

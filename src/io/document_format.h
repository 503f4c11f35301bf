#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/editor_state.h"
#include "model/records.h"
#include "platform/font.h"
#include "platform/image.h"

namespace drawlet {

enum class LoadMode { Load = 0, Merge = 1, Insert = 2 };

// Indices above this in a "shape", "shapefx" or "pt" line are taken as damage and the
// line is skipped, so no sum of index and offset can overflow.
inline constexpr int64_t MaxFileIndex = 1000000;

// Records an index may skip over (a skipped shape counts with its six points and its
// effect): this many for the whole file and this many more per line read. Past that the
// file is damaged, so what a read creates stays proportional to the file's size.
inline constexpr int64_t SkippedRecordAllowance = 10000;
inline constexpr int64_t SkippedRecordsPerLine = 4;

enum class ReadResult { Read, Damaged, OutOfMemory };

// The document as text: "obj", "shape", "shapefx" and "pt" lines, each ended by CR LF.
// Objects that hold only their placeholder write no shape line.
std::string WriteDocumentText(const Document& doc);

// Reads document lines into the drawing in the given mode. The caller has already reset
// the drawing for a load. Moves CurrentObject as object lines are placed; loads a font for
// every shape line and the image an image shape names. A leading byte-order mark is
// skipped; unknown or damaged lines are skipped. A file beyond the growth budget, or a read
// that runs out of memory, leaves the drawing and CurrentObject as they were.
ReadResult ReadDocumentText(std::string_view text, LoadMode mode, Document& doc, EditorState& state,
                            platform::Fonts& fonts, platform::Images& images);

// The two lines of an FX preset file for effect fxIndex saved under a name.
std::string WritePresetText(const std::string& name, int64_t fxIndex, const ShapeFx& fx);

// The effect a preset file holds, named after its "gen" line; Active stays 0, as a preset
// does not store it. Nothing when the text has no "gen" line followed by a "shapefx" line.
std::optional<ShapeFx> ReadPresetText(std::string_view text);

}  // namespace drawlet

#pragma once

#include <string>
#include <vector>

#include "document/session.h"
#include "io/document_format.h"

namespace drawlet {

// The path a save writes: every ".txt" removed from the file name part, then ".txt" added.
std::string NormaliseDocumentPath(const std::string& path);

// The file part of a path: the text after the last "/" or "\".
std::string FilePart(const std::string& path);

// Saves the drawing; an empty path asks for one. Returns false when nothing was written.
// The menus (autosave false) report a failure in a message box and keep title and
// DocumentFile; the automatic save is silent and creates its folder.
bool SaveDocument(Session& s, const std::string& path, bool autosave);

// Loads, merges or inserts a document; an empty path asks for one. A file that is no
// regular file, is damaged or does not fit in memory leaves the drawing as it was and is
// reported in a message box. Returns whether the file was read.
bool LoadDocument(Session& s, LoadMode mode, const std::string& path, bool redraw);

// The names of the "*.txt" files in "data/shapes/", for the shape file combo.
std::vector<std::string> ListShapeFiles(Session& s);

}  // namespace drawlet

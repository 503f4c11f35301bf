#pragma once

#include <cstdint>

#include "document/session.h"

namespace drawlet {

// Adds a shape of the current creation tool at (x, y) in drawing units; 1 when one was made.
int AddShape(Session& s, int64_t x, int64_t y);

// Inserts the current shape file as a new shape, as the shape panel's "+" does.
void AddShapeFromFile(Session& s);

// Reads "data/shapes/" + ShapeFile into the current object.
void InsertShapeFile(Session& s, bool redraw);

void DeleteCurrentShape(Session& s);
void MoveShapeUp(Session& s);
void MoveShapeDown(Session& s);

// Sets Selected on every shape of the current object.
void SetSelectionOfAll(Session& s, uint8_t flag);

void CopyCurrentShape(Session& s);
void Paste(Session& s);
void PasteToShape(Session& s);
void ToggleLockSelection(Session& s);

}  // namespace drawlet

#pragma once

#include <cstdint>

#include "document/session.h"

namespace drawlet {

// Makes the drawing of a fresh start: one fresh object whose placeholder has the start colour.
void InitDocument(Session& s);

// Replaces the drawing by one fresh object, as "New document" does.
void NewDocument(Session& s);

// Offset 1 appends an object named Obj_n; offset 0 reuses the last object.
void AddObject(Session& s, int64_t offset);

// Appends a fresh object with an empty name, as the menu's "Add a new object" does.
void AppendEmptyObject(Session& s);

// Deletes the current object; the only object stays.
void DeleteObject(Session& s);

// Swaps the current object with the one above (higher index) or below.
void MoveObjectUp(Session& s);
void MoveObjectDown(Session& s);

// Asks for a new name of the current object (at most 20 characters kept).
void RenameObject(Session& s);

// Makes the object at index current, clamped to the list.
void SelectObject(Session& s, int64_t index);

// Toggles Hidden of the object shown in list row (row 0 shows the last object).
void ToggleHidden(Session& s, int64_t row);

void SetLocked(Session& s, uint8_t state);
void SetObjectPosition(Session& s, int64_t x, int64_t y);
void SetObjectSize(Session& s, int64_t w, int64_t h);

}  // namespace drawlet

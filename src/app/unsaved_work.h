#pragma once

namespace drawlet {

struct App;

// Whether an action that throws the drawing away may go on. With ConfirmExit 1 and changes
// since the last save or load, asks first: save runs "Save" (a cancelled or failed save keeps
// the drawing), discard goes on, cancel keeps everything as it was.
bool MayDiscardDrawing(App& app);

}  // namespace drawlet

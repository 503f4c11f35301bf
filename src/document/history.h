#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "model/editor_state.h"
#include "model/records.h"

namespace drawlet {

// A part of the drawing that a step may change. Its contents are taken when it joins the step,
// and compared with what is there when the step ends, so a step keeps only what changed.
struct StepRegion {
  enum class Kind : uint8_t {
    Objects,       // the objects from index From to the end, with their shapes
    ObjectFields,  // the fields of object Object, without its shapes
    Shapes,        // the shapes of object Object from index From to the end
    Shape,         // shape From of object Object
    Selection,     // the Selected flags of every shape of every object
  };
  Kind What = Kind::Objects;
  int64_t Object = 0;
  int64_t From = 0;
};

StepRegion ObjectsFrom(int64_t first);
StepRegion WholeDrawing();
StepRegion ObjectFieldsOf(int64_t object);
StepRegion ShapesFrom(int64_t object, int64_t first);
StepRegion OneShape(int64_t object, int64_t shape);
StepRegion AllSelectionFlags();

// Consecutive steps with the same non-empty key merge into one: typing a name, holding a spin
// box arrow. The key names the control and what it edits.
struct MergeKey {
  int64_t Control = -1;
  int64_t Object = -1;
  int64_t Shape = -1;
  int64_t Fx = -1;
  bool operator==(const MergeKey&) const = default;
  bool Empty() const { return Control < 0; }
};

// The editor state a step returns to with the drawing.
struct StepState {
  int64_t CurrentObject = 0;
  int64_t CurrentShape = 0;
  int64_t CurrentFx = 0;
  int64_t CurrentPoint = 0;
  int8_t HasShapes = 0;
  std::string DocumentFile;
  bool operator==(const StepState&) const = default;
};

// One changed part of a step. It holds the side of the change that the drawing does not show:
// what stood there before while the step is done, what stands there after while it is undone.
// Undo and redo both swap that side with the drawing, so each change is held once.
struct StepPart {
  StepRegion Region;
  // Objects and Shapes: the changed run starts at At and is LiveCount long in the drawing.
  int64_t At = 0;
  size_t LiveCount = 0;
  std::vector<ObjectLayer> Objects;  // the run or, for ObjectFields, the object without shapes
  std::vector<Shape> Shapes;         // the run or, for Shape, the one shape
  // Selection: the flags that changed and the value the drawing does not show.
  struct Flag {
    int64_t Object = 0;
    int64_t Shape = 0;
    uint8_t Other = 0;
  };
  std::vector<Flag> Flags;
  std::vector<std::vector<uint8_t>> FlagsAtStart;  // while the step is open
};

struct Step {
  std::vector<StepPart> Parts;
  StepState Before, After;
  MergeKey Key;
  // False when the step changed only what is not saved (the selection).
  bool ChangesFile = false;
  size_t Bytes = 0;
};

// The undo history: at most MaxSteps steps and MaxBytes of records, the oldest dropped first.
// A new step empties the redo side.
class History {
 public:
  static constexpr size_t MaxSteps = 1000;
  static constexpr size_t MaxBytes = size_t{256} * 1024 * 1024;

  // Opens a step with the region, or joins the region to the step already open, so an
  // operation called inside a gesture becomes part of the gesture's step.
  void Begin(const Document& doc, const EditorState& state, StepRegion region, MergeKey key = {});
  // Joins a region to the open step before it changes; nothing without an open step.
  void Include(const Document& doc, StepRegion region);
  // Closes the step opened by the matching Begin; a step that changed nothing is dropped.
  void End(const Document& doc, const EditorState& state);
  bool Recording() const { return depth_ > 0; }

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ < steps_.size(); }
  // Puts the drawing and the editor state back as they were before the last step; false when
  // there is none.
  bool Undo(Document& doc, EditorState& state);
  bool Redo(Document& doc, EditorState& state);

  // Whether the drawing differs from what was last saved or loaded.
  bool Modified() const;
  // The drawing as it is now is what the file holds.
  void MarkSaved();

  size_t StepCount() const { return steps_.size(); }
  size_t Bytes() const { return bytes_; }

 private:
  void Push(Step step);
  bool MergeWithLast(const Step& step);
  void DropOldest();

  std::deque<Step> steps_;
  size_t position_ = 0;  // steps before it are done, from it on undone
  size_t bytes_ = 0;
  // Positions count every step ever pushed, so the saved mark survives dropping the oldest.
  uint64_t dropped_ = 0;        // steps dropped from the front
  uint64_t savedPosition_ = 0;  // the file holds the drawing at this position
  bool savedReachable_ = true;  // false once the saved drawing can no longer be reached
  bool mergeable_ = false;  // the last step may take the next one with the same key
  Step open_;
  std::set<std::tuple<uint8_t, int64_t, int64_t>> openRegions_;  // the regions of open_, to join each once
  int depth_ = 0;
};

}  // namespace drawlet

#pragma once

#include "document/history.h"
#include "document/session.h"

namespace drawlet {

// Records what an operation changes in a region as one undo step, from its construction to its
// end; inside a step already open (a gesture) the region joins that step.
class StepScope {
 public:
  StepScope(Session& s, StepRegion region, MergeKey key = {});
  ~StepScope();
  StepScope(const StepScope&) = delete;
  StepScope& operator=(const StepScope&) = delete;

 private:
  Session& s_;
};

// Undoes or redoes the last step and refreshes the panels, the canvas and the title.
void UndoStep(Session& s);
void RedoStep(Session& s);

}  // namespace drawlet

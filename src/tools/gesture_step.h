#pragma once

#include "document/session.h"

namespace drawlet {

// A canvas gesture is one undo step from its press to its release. The press opens it with the
// selection and the shapes it will transform; shapes the press's click adds join before they
// change; the release closes it. A press whose release was lost first closes the step it left.
void BeginGestureStep(Session& s);
void JoinTransformedShapes(Session& s);
void EndGestureStep(Session& s);

}  // namespace drawlet

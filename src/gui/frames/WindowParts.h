#pragma once

#include "gui/frames/ProjectFrame.h"

namespace tapwright::gui {

// Makes the core view of a window kind for a project, the widget that shows it and what the
// widget offers the shared commands: the two specification forms, the plots, and the
// coefficient editor.
FrameParts MakeWindowParts(CFirDoc& document, ViewKind kind);

}  // namespace tapwright::gui

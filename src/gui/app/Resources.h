#pragma once

namespace tapwright::gui {

// Makes the icons and help pages built into the program available under ":/". Safe to call
// more than once.
void LoadResources();

}  // namespace tapwright::gui

#include "gui/app/Resources.h"

#include <QtGlobal>

// The resources are compiled into a static library, whose registration nothing else would
// pull into the program; the call below does.
static void RegisterTapwrightResources() {
    Q_INIT_RESOURCE(tapwright);
}

namespace tapwright::gui {

void LoadResources() {
    static const bool registered = [] {
        RegisterTapwrightResources();
        return true;
    }();
    (void)registered;
}

}  // namespace tapwright::gui

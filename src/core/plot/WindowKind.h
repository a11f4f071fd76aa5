#pragma once

#include <string>

namespace tapwright {

class CView;

// What a project window shows, for its caption ("Tapwright1:3 Group Delay"), so that the
// windows of one project can be told apart in the Window menu: a response plot's display
// kind, "Impulse Response", "Coefficients"; empty for the specification editor, which is
// the project itself.
std::string WindowKindText(const CView& view);

}  // namespace tapwright

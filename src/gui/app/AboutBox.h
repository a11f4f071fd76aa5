#pragma once

#include <QDialog>

namespace tapwright::gui {

// The "About Tapwright" box: the program's picture, name and version, and OK.
class AboutBox final : public QDialog {
public:
    static constexpr const char* kTitle = "About Tapwright";

    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace tapwright::gui

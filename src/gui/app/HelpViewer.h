#pragma once

#include <QWidget>

class QTextBrowser;

namespace tapwright::gui {

// The help window: the program's HTML help pages with Contents, Back and Forward. It stays
// open beside the main window until the user closes it.
class HelpViewer final : public QWidget {
public:
    static constexpr const char* kTitle = "Tapwright Help";
    static constexpr const char* kContentsPage = "qrc:/help/index.html";

    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the contents page and brings the window to the front.
    void ShowContents();

    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace tapwright::gui

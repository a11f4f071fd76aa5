#pragma once

#include <QMainWindow>

class QLabel;
class QMdiArea;

namespace tapwright::gui {

// The main window: every project window is a subwindow of its MDI area, and the first
// pane of its status bar is the message pane the core writes to.
class MainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit MainFrame(QWidget* parent = nullptr);

    QMdiArea* MdiArea() const { return mdiArea_; }
    QLabel* MessagePane() const { return messagePane_; }

private:
    void CreateStatusBar();

    QMdiArea* mdiArea_;
    QLabel* messagePane_;
};

}  // namespace tapwright::gui

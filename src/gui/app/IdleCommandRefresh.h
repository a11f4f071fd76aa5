#pragma once

#include <QObject>

#include <functional>

namespace tapwright::gui {

// Runs a refresh once the event loop is idle after the user has clicked or typed, as often as
// the user acts and never while nothing happens: the tool bar's buttons follow what a click
// in a form or a key in an editor made possible (after a design, Window can be pressed).
class IdleCommandRefresh final : public QObject {
public:
    explicit IdleCommandRefresh(std::function<void()> refresh);
    ~IdleCommandRefresh() override;
    IdleCommandRefresh(const IdleCommandRefresh&) = delete;
    IdleCommandRefresh& operator=(const IdleCommandRefresh&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> refresh_;
    bool pending_ = false;
};

}  // namespace tapwright::gui

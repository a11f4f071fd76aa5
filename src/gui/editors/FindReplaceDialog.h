#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tapwright::gui {

// What Find, Replace and Repeat Last Find/Replace look for.
struct TextSearch {
    QString findWhat;
    QString replaceWith;
    bool matchCase = false;
    bool wholeWord = false;
};

// The "Find" and "Replace" window of a text editor. It stays open beside the text while the
// user searches, and only edits the search: every button hands it to the editor, which
// does the searching.
class FindReplaceDialog final : public QDialog {
public:
    enum class Action { FindNext, Replace, ReplaceAll };
    using Handler = std::function<void(Action, const TextSearch&)>;

    FindReplaceDialog(Handler handler, QWidget* parent);

    // Shows the window as "Find" or "Replace", starting from the search.
    void Open(bool replacing, const TextSearch& search);

private:
    TextSearch Search() const;
    void Act(Action action);
    void EnableButtons();

    Handler handler_;
    QLineEdit* findWhat_;
    QLineEdit* replaceWith_;
    QWidget* replaceRow_;
    QCheckBox* matchCase_;
    QCheckBox* wholeWord_;
    QPushButton* findNext_;
    QPushButton* replace_;
    QPushButton* replaceAll_;
};

}  // namespace tapwright::gui

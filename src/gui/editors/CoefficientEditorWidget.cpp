#include "gui/editors/CoefficientEditorWidget.h"

#include <QApplication>
#include <QMenu>
#include <QTextCursor>
#include <QTextDocument>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "gui/editors/ColumnFont.h"
#include "gui/platform/CoreText.h"
#include "gui/platform/QtDrawContext.h"
#include "platform/UserInterface.h"

namespace tapwright::gui {

namespace {

constexpr int kTabStopInCharacters = 8;

QTextDocument::FindFlags FlagsOf(const TextSearch& search) {
    QTextDocument::FindFlags flags;
    if (search.matchCase) {
        flags |= QTextDocument::FindCaseSensitively;
    }
    if (search.wholeWord) {
        flags |= QTextDocument::FindWholeWords;
    }
    return flags;
}

// The items of the Editor menu decide whether they are enabled each time it opens.
class EditorMenu {
public:
    explicit EditorMenu(QMenu& menu) : menu_(menu) {
        QObject::connect(&menu_, &QMenu::aboutToShow, &menu_, [items = items_] {
            for (const Item& item : *items) {
                item.action->setEnabled(!item.enabled || item.enabled());
            }
        });
    }

    void Add(const char* text, std::function<void()> run, std::function<bool()> enabled = {}) {
        QAction* action = menu_.addAction(text);
        QObject::connect(action, &QAction::triggered, action, std::move(run));
        items_->push_back({action, std::move(enabled)});
    }

    void Separate() { menu_.addSeparator(); }

private:
    struct Item {
        QAction* action;
        std::function<bool()> enabled;
    };
    QMenu& menu_;
    std::shared_ptr<std::vector<Item>> items_ = std::make_shared<std::vector<Item>>();
};

// A search without a match beeps and says so on the status line, leaving the user in the
// search window.
void ReportNotFound(const TextSearch& search) {
    QApplication::beep();
    Ui().ShowStatus(
        ToCoreString(QString(CoefficientEditorWidget::kNotFoundMessage).arg(search.findWhat)));
}

}  // namespace

CoefficientEditorWidget::CoefficientEditorWidget(CDataView& view, QWidget* parent)
    : QPlainTextEdit(parent), view_(view) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    view_.AttachWindow(this);
    view_.AttachForm(this);
}

CoefficientEditorWidget::~CoefficientEditorWidget() {
    view_.AttachForm(nullptr);
    if (view_.Window() == this) {
        view_.AttachWindow(nullptr);
    }
}

// ---- Text and font -------------------------------------------------------------------

void CoefficientEditorWidget::ReadWidgets() {
    // Text the user left alone goes back exactly as the view wrote it.
    if (document()->isModified()) {
        view_.text = BytesOf(toPlainText(), shownForm_);
    }
}

void CoefficientEditorWidget::WriteWidgets() {
    const ShownText shown = ShowBytes(view_.text);
    shownForm_ = shown.form;
    setPlainText(shown.text);
    document()->setModified(false);
}

void CoefficientEditorWidget::ShowFont() {
    const FontDescription& wanted = view_.Font();
    // The view's own font is one whose digits line up, at the desktop's usual size.
    QFont font = wanted.faceName == CDataView::kFixedPitchFace && wanted.height <= 0
                     ? ColumnFont()
                     : MakeFont(wanted, this);
    setFont(font);
    setTabStopDistance(QFontMetricsF(font).horizontalAdvance(' ') * kTabStopInCharacters);
}

void CoefficientEditorWidget::Invalidate() {
    viewport()->update();
}

Rect CoefficientEditorWidget::ClientRect() const {
    return {0, 0, viewport()->width(), viewport()->height()};
}

// ---- Menu ----------------------------------------------------------------------------

QMenu* CoefficientEditorWidget::CreateEditorMenu() {
    auto* menu = new QMenu("&Editor", this);
    EditorMenu items(*menu);
    const auto hasSelection = [this] { return textCursor().hasSelection(); };
    items.Add("&Select Filter and Data Format...", [this] { view_.OnSelectFormat(); });
    items.Add("Chose &Font...", [this] { view_.OnChooseFont(); });
    items.Separate();
    items.Add(
        "&Undo", [this] { undo(); }, [this] { return document()->isUndoAvailable(); });
    items.Separate();
    items.Add(
        "Cu&t", [this] { cut(); }, hasSelection);
    items.Add(
        "&Copy", [this] { copy(); }, hasSelection);
    items.Add(
        "&Paste", [this] { paste(); }, [this] { return canPaste(); });
    items.Add(
        "C&lear", [this] { textCursor().removeSelectedText(); }, hasSelection);
    items.Add(
        "Select &All", [this] { selectAll(); }, [this] { return !document()->isEmpty(); });
    items.Separate();
    items.Add("&Find...", [this] { ShowFind(); });
    items.Add("Replace...", [this] { ShowReplace(); });
    items.Add(
        "&Repeat Last Find/Replace", [this] { RepeatLastSearch(); },
        [this] { return lastSearch_.has_value(); });
    items.Separate();
    items.Add(
        "&Update Filter From Editor", [this] { view_.OnUpdateFilter(); },
        [this] { return view_.ViewData() != nullptr; });
    return menu;
}

// ---- Find and replace ----------------------------------------------------------------

FindReplaceDialog& CoefficientEditorWidget::SearchDialog() {
    if (searchDialog_ == nullptr) {
        searchDialog_ =
            new FindReplaceDialog([this](FindReplaceDialog::Action action,
                                         const TextSearch& search) { OnSearch(action, search); },
                                  this);
    }
    return *searchDialog_;
}

void CoefficientEditorWidget::ShowFind() {
    TextSearch search = lastSearch_.value_or(TextSearch{});
    // A selection on one line is what the user most likely looks for.
    const QString selected = textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator)) {
        search.findWhat = selected;
    }
    SearchDialog().Open(false, search);
}

void CoefficientEditorWidget::ShowReplace() {
    SearchDialog().Open(true, lastSearch_.value_or(TextSearch{}));
}

void CoefficientEditorWidget::RepeatLastSearch() {
    if (!lastSearch_) {
        ShowFind();
        return;
    }
    FindNext(*lastSearch_);
}

void CoefficientEditorWidget::OnSearch(FindReplaceDialog::Action action, const TextSearch& search) {
    lastSearch_ = search;
    switch (action) {
        case FindReplaceDialog::Action::FindNext:
            FindNext(search);
            break;
        case FindReplaceDialog::Action::Replace:
            ReplaceSelection(search);
            break;
        case FindReplaceDialog::Action::ReplaceAll:
            ReplaceAll(search);
            break;
    }
}

bool CoefficientEditorWidget::FindNext(const TextSearch& search) {
    if (search.findWhat.isEmpty()) {
        return false;
    }
    const QTextDocument::FindFlags flags = FlagsOf(search);
    QTextCursor found = document()->find(search.findWhat, textCursor(), flags);
    if (found.isNull()) {
        found = document()->find(search.findWhat, 0, flags);
    }
    if (found.isNull()) {
        ReportNotFound(search);
        return false;
    }
    setTextCursor(found);
    return true;
}

void CoefficientEditorWidget::ReplaceSelection(const TextSearch& search) {
    const Qt::CaseSensitivity sensitivity =
        search.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // The selection is replaced only when it is a match; either way the next one is shown.
    if (textCursor().selectedText().compare(search.findWhat, sensitivity) == 0) {
        textCursor().insertText(search.replaceWith);
    }
    FindNext(search);
}

void CoefficientEditorWidget::ReplaceAll(const TextSearch& search) {
    if (search.findWhat.isEmpty()) {
        return;
    }
    const QTextDocument::FindFlags flags = FlagsOf(search);
    // One edit, so that a single Undo takes all the replacements back.
    QTextCursor edit(document());
    edit.beginEditBlock();
    int replaced = 0;
    for (QTextCursor found = document()->find(search.findWhat, 0, flags); !found.isNull();
         found = document()->find(search.findWhat, found, flags)) {
        found.insertText(search.replaceWith);
        ++replaced;
    }
    edit.endEditBlock();
    if (replaced == 0) {
        ReportNotFound(search);
    }
}

}  // namespace tapwright::gui

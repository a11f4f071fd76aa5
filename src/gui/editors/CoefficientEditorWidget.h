#pragma once

#include <QPlainTextEdit>

#include <optional>

#include "editors/DataView.h"
#include "gui/editors/EditorText.h"
#include "gui/editors/FindReplaceDialog.h"

class QMenu;

namespace tapwright::gui {

// The window of the coefficient editor: the text of a CDataView in a plain-text edit, in the
// view's font (the fixed-pitch one unless the user chose another). The view writes and reads
// the text; the widget shows it and gives it back unchanged, byte for byte, when the user
// has not edited it. Searching and replacing work on the text in the window.
//
// The view must outlive the widget; the widget is the view's form and window while it
// lives.
class CoefficientEditorWidget final : public QPlainTextEdit,
                                      private DataViewForm,
                                      private ViewWindow {
public:
    static constexpr const char* kNotFoundMessage = "Cannot find \"%1\".";

    explicit CoefficientEditorWidget(CDataView& view, QWidget* parent = nullptr);
    ~CoefficientEditorWidget() override;
    CoefficientEditorWidget(const CoefficientEditorWidget&) = delete;
    CoefficientEditorWidget& operator=(const CoefficientEditorWidget&) = delete;

    CDataView& View() const { return view_; }

    // The "&Editor" menu of the window's menu bar, owned by this widget: the view's format,
    // font and update commands around the text's undo, clipboard, selection and search.
    QMenu* CreateEditorMenu();

    // "&Find...", "Replace..." and "&Repeat Last Find/Replace".
    void ShowFind();
    void ShowReplace();
    void RepeatLastSearch();

private:
    // DataViewForm: the text and font go between the view and the window.
    void ReadWidgets() override;
    void WriteWidgets() override;
    void ShowFont() override;
    // ViewWindow.
    void Invalidate() override;
    Rect ClientRect() const override;

    void OnSearch(FindReplaceDialog::Action action, const TextSearch& search);
    // Selects the next match after the cursor, from the top again past the end; false (after
    // telling the user) when the text holds none.
    bool FindNext(const TextSearch& search);
    void ReplaceSelection(const TextSearch& search);
    void ReplaceAll(const TextSearch& search);
    FindReplaceDialog& SearchDialog();

    CDataView& view_;
    TextForm shownForm_ = TextForm::Lines;
    std::optional<TextSearch> lastSearch_;
    FindReplaceDialog* searchDialog_ = nullptr;
};

}  // namespace tapwright::gui

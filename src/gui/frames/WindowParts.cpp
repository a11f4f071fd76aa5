#include "gui/frames/WindowParts.h"

#include <QApplication>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "document/FirDoc.h"
#include "editors/DataView.h"
#include "editors/OneBand.h"
#include "editors/RspSpec.h"
#include "gui/editors/CoefficientEditorWidget.h"
#include "gui/editors/OneBandForm.h"
#include "gui/editors/RspSpecForm.h"
#include "gui/plot/PlotWidget.h"
#include "gui/widgets/DialogFrame.h"
#include "plot/FirPlot.h"
#include "plot/Graph.h"

namespace tapwright::gui {

namespace {

// A specification form: the frame takes its size, and the tool bar's Cut, Copy and Paste
// act on the field being typed in.
class FormContent final : public FrameContent {
public:
    explicit FormContent(QWidget& form) : form_(form) {}

    bool CanEdit(EditAction action) const override {
        const QLineEdit* field = FocusedField();
        if (field == nullptr) {
            return false;
        }
        switch (action) {
            case EditAction::Cut:
                return field->hasSelectedText() && !field->isReadOnly();
            case EditAction::Copy:
                return field->hasSelectedText();
            case EditAction::Paste:
                break;
        }
        return !field->isReadOnly();
    }

    void Edit(EditAction action) override {
        QLineEdit* field = FocusedField();
        if (field == nullptr) {
            return;
        }
        switch (action) {
            case EditAction::Cut:
                field->cut();
                return;
            case EditAction::Copy:
                field->copy();
                return;
            case EditAction::Paste:
                field->paste();
                return;
        }
    }

    bool FitsFrame() const override { return true; }

private:
    QLineEdit* FocusedField() const {
        auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        return field != nullptr && form_.isAncestorOf(field) ? field : nullptr;
    }

    QWidget& form_;
};

// A plot: the tool bar's Copy copies the picture, printing prints the plot, and the menu
// bar gains the plot's own menu.
class PlotContent final : public FrameContent {
public:
    explicit PlotContent(PlotWidget& widget) : widget_(widget) {}

    bool CanEdit(EditAction action) const override {
        return action == EditAction::Copy &&
               widget_.View().Commands().IsEnabled(widget_.View(), kCmdCopyImage);
    }
    void Edit(EditAction action) override {
        if (action == EditAction::Copy) {
            widget_.View().Commands().Execute(widget_.View(), kCmdCopyImage);
        }
    }

    bool CanPrint() const override { return true; }
    void Print(QPrinter& printer) override { widget_.Print(printer); }
    void PrintPreview(QPrinter& printer) override { widget_.PrintPreview(printer); }

    QMenu* KindMenu() override {
        if (menu_ == nullptr) {
            menu_ = widget_.CreatePlotMenu();
        }
        return menu_;
    }

private:
    PlotWidget& widget_;
    QMenu* menu_ = nullptr;
};

// The coefficient editor: the tool bar edits the text, printing prints it, and the menu
// bar gains the "&Editor" menu.
class TextContent final : public FrameContent {
public:
    explicit TextContent(CoefficientEditorWidget& editor) : editor_(editor) {}

    bool CanEdit(EditAction action) const override {
        const bool selected = editor_.textCursor().hasSelection();
        switch (action) {
            case EditAction::Cut:
                return selected && !editor_.isReadOnly();
            case EditAction::Copy:
                return selected;
            case EditAction::Paste:
                break;
        }
        return editor_.canPaste();
    }

    void Edit(EditAction action) override {
        switch (action) {
            case EditAction::Cut:
                editor_.cut();
                return;
            case EditAction::Copy:
                editor_.copy();
                return;
            case EditAction::Paste:
                editor_.paste();
                return;
        }
    }

    bool CanPrint() const override { return true; }

    void Print(QPrinter& printer) override {
        QPrintDialog dialog(&printer, &editor_);
        UseDialogFrame(dialog);
        if (dialog.exec() == QDialog::Accepted) {
            editor_.print(&printer);
        }
    }

    void PrintPreview(QPrinter& printer) override {
        QPrintPreviewDialog preview(&printer, &editor_);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &editor_,
                         [this](QPrinter* page) { editor_.print(page); });
        preview.exec();
    }

    QMenu* KindMenu() override {
        if (menu_ == nullptr) {
            menu_ = editor_.CreateEditorMenu();
        }
        return menu_;
    }

private:
    CoefficientEditorWidget& editor_;
    QMenu* menu_ = nullptr;
};

template <class Editor, class Form>
FrameParts MakeEditorParts(CFirDoc& document) {
    auto editor = std::make_unique<Editor>(document);
    auto* form = new Form(*editor);
    return {std::move(editor), form, std::make_unique<FormContent>(*form)};
}

template <class Plot>
FrameParts MakePlotParts() {
    auto plot = std::make_unique<Plot>();
    CGraph& graph = *plot;
    auto* widget = new PlotWidget(graph);
    return {std::move(plot), widget, std::make_unique<PlotContent>(*widget)};
}

FrameParts MakeCoefficientEditorParts(CFirDoc& document) {
    auto view = std::make_unique<CDataView>(document);
    auto* editor = new CoefficientEditorWidget(*view);
    return {std::move(view), editor, std::make_unique<TextContent>(*editor)};
}

}  // namespace

FrameParts MakeWindowParts(CFirDoc& document, ViewKind kind) {
    switch (kind) {
        case ViewKind::SimpleEditor:
            return MakeEditorParts<COneBand, OneBandForm>(document);
        case ViewKind::AdvancedEditor:
            return MakeEditorParts<CRspSpec, RspSpecForm>(document);
        case ViewKind::FrequencyResponse:
            return MakePlotParts<CFirPlot>();
        case ViewKind::Graph:
            return MakePlotParts<CGraph>();
        case ViewKind::CoefficientEditor:
            return MakeCoefficientEditorParts(document);
        case ViewKind::Other:
            break;
    }
    return {};
}

}  // namespace tapwright::gui

#include "gui/editors/RspSpecForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "editors/RspSpec.h"
#include "gui/platform/CoreText.h"
#include "gui/widgets/NumberField.h"

namespace tapwright::gui {

namespace {

enum Column { kBand, kLower, kUpper, kDesired, kAttnRipple, kActual, kColumnCount };

constexpr std::array<const char*, kColumnCount> kColumnCaptions = {
    "Band", "Lower\nFrequency", "Upper\nFrequency", "Desired", "Attn/Ripple", "Actual\nin dB"};
// The widest text each column holds, with room to spare: the row texts are printed with
// six decimals, the levels with three.
constexpr std::array<const char*, kColumnCount> kColumnSamples = {
    "Band", "-000000.000000", "-000000.000000", "-000000.000000", "-000000.000000", "-0000.000"};
constexpr int kCellPadding = 14;
constexpr int kRowPadding = 6;
constexpr int kVisibleRows = 10;
constexpr int kShortFieldCharacters = 7;

constexpr std::array<const char*, 3> kResponseTypeCaptions = {"Filter", "Diff.", "Hilbert"};

// The row texts keep the blanks of their fixed-width printing; the table aligns them
// itself.
QTableWidgetItem* MakeCell(const std::string& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(ToQString(text).trimmed());
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

QWidget* Spacer(QWidget* parent, int width) {
    auto* spacer = new QWidget(parent);
    spacer->setFixedWidth(width);
    return spacer;
}

}  // namespace

RspSpecForm::RspSpecForm(CRspSpec& editor, QWidget* parent)
    : SpecificationForm(editor, parent),
      editor_(editor),
      table_(new QTableWidget(0, kColumnCount, this)),
      entry_{new QLineEdit(this), new QLineEdit(this), new QLineEdit(this), new QLineEdit(this)},
      gainInDb_(new QCheckBox("in dB", this)),
      attnInDb_(new QCheckBox("in dB", this)),
      responseTypes_(new QButtonGroup(this)),
      taps_(new IntegerField(this)),
      grid_(new IntegerField(this)),
      verdict_(new QLabel(this)) {
    table_->setObjectName("bandTable");
    gainInDb_->setObjectName("gainInDb");
    attnInDb_->setObjectName("attnInDb");
    taps_->setObjectName("numTaps");
    grid_->setObjectName("gridDensity");
    verdict_->setObjectName("verdict");
    const std::array<const char*, 4> entryNames = {"lowerEntry", "upperEntry", "desiredEntry",
                                                   "attnEntry"};
    for (std::size_t i = 0; i < entry_.size(); ++i) {
        entry_[i]->setObjectName(entryNames[i]);
        entry_[i]->setAlignment(Qt::AlignRight);
    }
    Checks().Add(*taps_);
    Checks().Add(*grid_);

    auto* body = new QHBoxLayout;
    body->addLayout(MakeTableAndEntry());
    body->addLayout(MakeSettings());
    auto* form = new QVBoxLayout(this);
    form->addLayout(body);
    form->addLayout(MakeButtons());
    form->setSizeConstraint(QLayout::SetMinimumSize);

    std::vector<QWidget*> order{table_};
    order.insert(order.end(), entry_.begin(), entry_.end());
    order.insert(order.end(), {gainInDb_, attnInDb_});
    for (QAbstractButton* type : responseTypes_->buttons()) {
        order.push_back(type);
    }
    order.insert(order.end(), {taps_, grid_, FsButton()});
    SetTabOrder(order);
    Bind();
}

// The table with the fields of a new band right below their columns, and the "in dB"
// boxes below the two columns they switch.
QLayout* RspSpecForm::MakeTableAndEntry() {
    const QFontMetrics metrics(table_->font());
    std::array<int, kColumnCount> widths{};
    QStringList captions;
    for (int column = 0; column < kColumnCount; ++column) {
        widths[column] = metrics.horizontalAdvance(kColumnSamples[column]) + kCellPadding;
        captions << kColumnCaptions[column];
    }
    table_->setHorizontalHeaderLabels(captions);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setWordWrap(false);
    int tableWidth = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kColumnCount; ++column) {
        table_->setColumnWidth(column, widths[column]);
        tableWidth += widths[column];
    }
    table_->setFixedWidth(tableWidth);
    const int rowHeight = metrics.height() + kRowPadding;
    table_->verticalHeader()->setDefaultSectionSize(rowHeight);
    table_->verticalHeader()->setMinimumSectionSize(rowHeight);
    table_->setFixedHeight(2 * table_->frameWidth() + table_->horizontalHeader()->sizeHint().height() +
                           kVisibleRows * rowHeight);
    connect(table_, &QTableWidget::itemSelectionChanged, this, [this] {
        const QModelIndexList rows = table_->selectionModel()->selectedRows();
        if (!rows.isEmpty() && rows.front().row() != editor_.SelectedRow()) {
            editor_.OnRowSelected(rows.front().row());
        }
    });

    const int leftOfLower = table_->frameWidth() + widths[kBand];
    auto* entryRow = new QHBoxLayout;
    entryRow->setSpacing(0);
    entryRow->addWidget(Spacer(this, leftOfLower));
    for (std::size_t i = 0; i < entry_.size(); ++i) {
        entry_[i]->setFixedWidth(widths[kLower + i]);
        entryRow->addWidget(entry_[i]);
    }
    entryRow->addStretch();

    auto* unitRow = new QHBoxLayout;
    unitRow->setSpacing(0);
    unitRow->addWidget(Spacer(this, leftOfLower + widths[kLower] + widths[kUpper]));
    gainInDb_->setFixedWidth(widths[kDesired]);
    attnInDb_->setFixedWidth(widths[kAttnRipple]);
    unitRow->addWidget(gainInDb_);
    unitRow->addWidget(attnInDb_);
    QFont verdictFont = verdict_->font();
    verdictFont.setBold(true);
    verdict_->setFont(verdictFont);
    verdict_->setAlignment(Qt::AlignCenter);
    verdict_->setFixedWidth(widths[kActual]);
    unitRow->addWidget(verdict_);
    unitRow->addStretch();
    connect(gainInDb_, &QCheckBox::clicked, this, [this] {
        if (!Forward([this] { editor_.OnGainInDbClicked(); })) {
            gainInDb_->setChecked(editor_.gainInDb);
        }
    });
    connect(attnInDb_, &QCheckBox::clicked, this, [this] {
        if (!Forward([this] { editor_.OnAttnInDbClicked(); })) {
            attnInDb_->setChecked(editor_.attnInDb);
        }
    });

    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(table_);
    column->addLayout(entryRow);
    column->addLayout(unitRow);
    column->addStretch();
    return column;
}

QLayout* RspSpecForm::MakeSettings() {
    auto* types = new QGroupBox("Response Type", this);
    auto* typeColumn = new QVBoxLayout(types);
    int id = 0;
    for (const char* caption : kResponseTypeCaptions) {
        auto* radio = new QRadioButton(caption, types);
        responseTypes_->addButton(radio, id++);
        typeColumn->addWidget(radio);
    }

    const auto single = [this](const char* title, QWidget* content) {
        auto* group = new QGroupBox(title, this);
        auto* layout = new QVBoxLayout(group);
        layout->addWidget(content);
        return group;
    };
    for (IntegerField* field : {taps_, grid_}) {
        field->setAlignment(Qt::AlignRight);
        field->setMinimumWidth(field->fontMetrics().averageCharWidth() * kShortFieldCharacters);
    }

    auto* column = new QVBoxLayout;
    column->addWidget(types);
    column->addWidget(single("Number of Taps", taps_));
    column->addWidget(single("Grid", grid_));
    column->addWidget(single("Fs", FsButton()));
    column->addStretch();
    return column;
}

QLayout* RspSpecForm::MakeButtons() {
    add_ = AddClickButton("Add", [this] { editor_.OnAddClicked(); });
    add_->setDefault(true);
    QPushButton* remove = AddClickButton("Delete", [this] { editor_.OnDeleteClicked(); });
    QPushButton* clearEntry =
        AddClickButton("Clear Entry", [this] { editor_.OnClearEntryClicked(); });
    QPushButton* clearAll = AddClickButton("Clear All", [this] { editor_.OnClearAllClicked(); });
    estimate_ = AddClickButton("Est.", [this] { editor_.OnEstimateClicked(); });
    optimize_ = AddClickButton("Optimize", [this] { editor_.OnOptimizeClicked(); });
    QPushButton* design = AddClickButton("Design", [this] { editor_.OnDesignClicked(); });

    auto* row = new QHBoxLayout;
    for (QPushButton* button : {add_, remove, clearEntry, clearAll}) {
        row->addWidget(button);
    }
    row->addSpacing(add_->sizeHint().width() / 2);
    for (QPushButton* button : {estimate_, optimize_, design}) {
        row->addWidget(button);
    }
    row->addStretch();
    return row;
}

void RspSpecForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        SpecificationForm::keyPressEvent(event);
        return;
    }
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    QPushButton* pressed = focused != nullptr ? focused : add_;
    if (pressed->isEnabled()) {
        pressed->click();
    }
}

void RspSpecForm::ReadWidgets() {
    editor_.lowerEntry = ToCoreString(entry_[0]->text());
    editor_.upperEntry = ToCoreString(entry_[1]->text());
    editor_.desiredEntry = ToCoreString(entry_[2]->text());
    editor_.attnEntry = ToCoreString(entry_[3]->text());
    ReadInto(*taps_, editor_.numTaps);
    ReadInto(*grid_, editor_.gridDensity);
    editor_.attnInDb = attnInDb_->isChecked();
    editor_.gainInDb = gainInDb_->isChecked();
    if (responseTypes_->checkedId() >= 0) {
        editor_.responseTypeIndex = responseTypes_->checkedId();
    }
}

void RspSpecForm::WriteWidgets() {
    ShowEntry();
    taps_->SetValue(editor_.numTaps);
    grid_->SetValue(editor_.gridDensity);
    attnInDb_->setChecked(editor_.attnInDb);
    gainInDb_->setChecked(editor_.gainInDb);
    if (QAbstractButton* type = responseTypes_->button(editor_.responseTypeIndex)) {
        type->setChecked(true);
    }
    verdict_->setText(ToQString(editor_.VerdictText()));
    ShowTable();
    ShowButtons();
    ShowFsCaption();
}

void RspSpecForm::ShowPart(EditorPart part) {
    switch (part) {
        case EditorPart::FsCaption:
            ShowFsCaption();
            break;
        case EditorPart::Buttons:
            ShowButtons();
            break;
        case EditorPart::BandTable:
            ShowTable();
            break;
        case EditorPart::BandEntry:
            ShowEntry();
            break;
        case EditorPart::Focus:
            ShowFocus();
            break;
    }
}

void RspSpecForm::ShowTable() {
    const QSignalBlocker quiet(table_);
    const std::vector<BandRow>& rows = editor_.Table().Rows();
    table_->clearContents();
    table_->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        const BandRow& band = rows[i];
        table_->setItem(row, kBand, MakeCell(BandTable::BandNumber(i), Qt::AlignCenter));
        table_->setItem(row, kLower, MakeCell(band.lower, Qt::AlignRight));
        table_->setItem(row, kUpper, MakeCell(band.upper, Qt::AlignRight));
        table_->setItem(row, kDesired, MakeCell(band.desired, Qt::AlignRight));
        table_->setItem(row, kAttnRipple, MakeCell(band.attnRipple, Qt::AlignRight));
        table_->setItem(row, kActual, MakeCell(band.actual, Qt::AlignRight));
    }
    table_->clearSelection();
    if (editor_.Table().Contains(editor_.SelectedRow())) {
        table_->selectRow(editor_.SelectedRow());
        table_->scrollToItem(table_->item(editor_.SelectedRow(), kBand));
    }
}

void RspSpecForm::ShowEntry() {
    entry_[0]->setText(ToQString(editor_.lowerEntry));
    entry_[1]->setText(ToQString(editor_.upperEntry));
    entry_[2]->setText(ToQString(editor_.desiredEntry));
    entry_[3]->setText(ToQString(editor_.attnEntry));
}

// Only while the user works in this form's window: focus given to a form in a window that
// is not the active one would bring that window back in front of the plot a design has
// just opened.
void RspSpecForm::ShowFocus() {
    for (QWidget* ancestor = parentWidget(); ancestor != nullptr;
         ancestor = ancestor->parentWidget()) {
        if (auto* window = qobject_cast<QMdiSubWindow*>(ancestor)) {
            if (window->mdiArea() != nullptr && window->mdiArea()->activeSubWindow() != window) {
                return;
            }
            break;
        }
    }
    entry_[static_cast<std::size_t>(editor_.FocusedEntry())]->setFocus(Qt::OtherFocusReason);
}

void RspSpecForm::ShowButtons() {
    estimate_->setEnabled(editor_.IsEstimateEnabled());
    optimize_->setEnabled(editor_.IsOptimizeEnabled());
}

}  // namespace tapwright::gui

#include "gui/dialogs/WordLengthDialog.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tapwright::gui {

namespace {

constexpr int kColumns = static_cast<int>(CWordLengthDlg::kColumnTitles.size());

}  // namespace

WordLengthDialog::WordLengthDialog(CWordLengthDlg& record, QWidget* parent)
    : RecordDialog(CWordLengthDlg::kTitle, parent),
      record_(record),
      table_(new QTableWidget(record.RowCount(), kColumns)) {
    table_->setObjectName("rows");
    QStringList titles;
    for (const char* title : CWordLengthDlg::kColumnTitles) {
        titles << QString::fromUtf8(title);
    }
    table_->setHorizontalHeaderLabels(titles);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < record_.RowCount(); ++row) {
        const auto texts = record_.RowTexts(row);
        for (int column = 0; column < kColumns; ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(texts[column]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every column shows whole, with room for a vertical scroll bar on a long table.
    table_->resizeColumnsToContents();
    table_->setMinimumWidth(table_->horizontalHeader()->length() + 2 * table_->frameWidth() +
                            table_->verticalScrollBar()->sizeHint().width());
    table_->selectRow(record_.chosen);
    // A double click chooses the row and confirms it.
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });

    auto* content = new QVBoxLayout;
    content->addWidget(new QLabel(tr("Choose the number of taps; OK replaces the coefficients\n"
                                     "with that length's quantized coefficients.")));
    content->addWidget(table_);
    SetContent(content);
}

bool WordLengthDialog::StoreFields() {
    CWordLengthDlg edited = record_;
    edited.chosen = table_->currentRow();
    if (!edited.OnOK()) {
        return false;
    }
    record_ = edited;
    return true;
}

}  // namespace tapwright::gui

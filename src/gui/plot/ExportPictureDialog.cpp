#include "gui/plot/ExportPictureDialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

#include "gui/widgets/NumberField.h"
#include "platform/UserInterface.h"

namespace tapwright::gui {

namespace {

struct FormatEntry {
    PictureFormat format;
    const char* caption;
    const char* filter;
};

constexpr std::array kFormats{
    FormatEntry{PictureFormat::Png, "PNG Image", "PNG Images (*.png)"},
    FormatEntry{PictureFormat::Svg, "SVG Drawing", "SVG Drawings (*.svg)"},
    FormatEntry{PictureFormat::Pdf, "PDF Document", "PDF Documents (*.pdf)"},
};

// The length of the path's extension when it is one of the formats', else 0.
qsizetype PictureExtensionLength(const QString& path) {
    for (const FormatEntry& entry : kFormats) {
        const QString extension = ExtensionOf(entry.format);
        if (path.endsWith(extension, Qt::CaseInsensitive)) {
            return extension.size();
        }
    }
    return 0;
}

void Refuse(QWidget& field, const char* message) {
    Ui().ShowMessage(message, MessageButtons::Ok, MessageIcon::Exclamation);
    field.setFocus(Qt::OtherFocusReason);
}

}  // namespace

ExportPictureDialog::ExportPictureDialog(PictureRequest& request, QWidget* parent)
    : RecordDialog(kTitle, parent),
      request_(request),
      format_(new QComboBox),
      width_(new IntegerField),
      height_(new IntegerField),
      path_(new QLineEdit) {
    format_->setObjectName("format");
    width_->setObjectName("width");
    height_->setObjectName("height");
    path_->setObjectName("path");
    for (const FormatEntry& entry : kFormats) {
        format_->addItem(entry.caption, static_cast<int>(entry.format));
    }
    format_->setCurrentIndex(format_->findData(static_cast<int>(request_.format)));
    width_->SetValue(request_.width);
    height_->SetValue(request_.height);
    path_->setText(request_.path);
    path_->setMinimumWidth(path_->fontMetrics().horizontalAdvance('x') * 40);

    auto* browse = new QPushButton("&Browse...");
    auto* file = new QHBoxLayout;
    file->addWidget(path_);
    file->addWidget(browse);
    auto* form = new QFormLayout;
    form->addRow("&Format:", format_);
    form->addRow("&Width (pixels):", width_);
    form->addRow("&Height (pixels):", height_);
    auto* fileLabel = new QLabel("F&ile:");
    fileLabel->setBuddy(path_);
    form->addRow(fileLabel, file);
    SetContent(form);

    connect(format_, &QComboBox::currentIndexChanged, this, [this] { OnFormatChosen(); });
    connect(browse, &QPushButton::clicked, this, [this] { OnBrowse(); });
}

PictureFormat ExportPictureDialog::ChosenFormat() const {
    return static_cast<PictureFormat>(format_->currentData().toInt());
}

void ExportPictureDialog::OnFormatChosen() {
    const QString path = path_->text();
    if (const qsizetype length = PictureExtensionLength(path)) {
        path_->setText(path.chopped(length) + ExtensionOf(ChosenFormat()));
    }
}

void ExportPictureDialog::OnBrowse() {
    const QString filter = kFormats[static_cast<std::size_t>(format_->currentIndex())].filter;
    const QString chosen = QFileDialog::getSaveFileName(this, kTitle, path_->text(), filter);
    if (!chosen.isEmpty()) {
        path_->setText(chosen);
    }
}

bool ExportPictureDialog::StoreFields() {
    std::int32_t width = 0;
    std::int32_t height = 0;
    if (!ReadField(*width_, width) || !ReadField(*height_, height)) {
        return false;
    }
    for (IntegerField* field : {width_, height_}) {
        const std::int32_t side = *field->Value();
        if (side < PictureRequest::kSmallestSide || side > PictureRequest::kLargestSide) {
            Refuse(*field, kSizeMessage);
            return false;
        }
    }
    QString path = path_->text().trimmed();
    if (path.isEmpty()) {
        Refuse(*path_, kNoFileMessage);
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += ExtensionOf(ChosenFormat());
    }
    request_.format = ChosenFormat();
    request_.width = width;
    request_.height = height;
    request_.path = path;
    return true;
}

bool RunExportPictureDialog(PictureRequest& request, QWidget* parent) {
    ExportPictureDialog dialog(request, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace tapwright::gui

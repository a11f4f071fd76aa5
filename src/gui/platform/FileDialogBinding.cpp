#include "gui/platform/FileDialogBinding.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

#include "gui/platform/CoreText.h"
#include "gui/widgets/DialogFrame.h"

namespace tapwright::gui {

namespace {

QString GlobsOf(const QString& pattern) {
    QStringList globs;
    for (const QString& part : pattern.split(';', Qt::SkipEmptyParts)) {
        const QString glob = part.trimmed();
        if (!glob.isEmpty()) {
            globs << (glob == "*.*" ? QString("*") : glob);
        }
    }
    return globs.isEmpty() ? QString("*") : globs.join(' ');
}

QString LabelOf(const QString& description) {
    static const QRegularExpression trailingPattern(R"(\s*\([^()]*\)\s*$)");
    QString label = description;
    label.remove(trailingPattern);
    return label.isEmpty() ? description.trimmed() : label;
}

QStringList NameFiltersOf(const CFileDlg& record) {
    QStringList filters;
    for (const FileFilter& filter : record.filters) {
        filters << NameFilterFor(filter);
    }
    return filters;
}

QString DefaultTitle(FileDlgMode mode) {
    return mode == FileDlgMode::Open ? QString("Open") : QString("Save As");
}

}  // namespace

QString NameFilterFor(const FileFilter& filter) {
    return LabelOf(ToQString(filter.description)) + " (" + GlobsOf(ToQString(filter.pattern)) + ")";
}

void ApplyFileDlg(const CFileDlg& record, QFileDialog& dialog) {
    const bool saving = record.mode == FileDlgMode::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(!saving && record.fileMustExist ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !record.promptOverwrite);
    dialog.setWindowTitle(record.title.empty() ? DefaultTitle(record.mode)
                                               : ToQString(record.title));

    const QStringList filters = NameFiltersOf(record);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int shown =
            record.filterIndex >= 0 && record.filterIndex < filters.size() ? record.filterIndex : 0;
        dialog.selectNameFilter(filters[shown]);
    }
    if (!record.initialDirectory.empty()) {
        dialog.setDirectory(ToQString(record.initialDirectory));
    }
    QString suffix = ToQString(record.defaultExtension);
    if (suffix.startsWith('.')) {
        suffix.remove(0, 1);
    }
    dialog.setDefaultSuffix(suffix);
    if (!record.fileName.empty()) {
        dialog.selectFile(ToQString(record.fileName));
    }
}

void ReadFileDlg(const QFileDialog& dialog, CFileDlg& record) {
    const QStringList chosen = dialog.selectedFiles();
    record.chosenPath =
        chosen.isEmpty() ? std::string() : ToCoreString(QDir::toNativeSeparators(chosen.front()));
    const int inUse = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    if (inUse >= 0) {
        record.filterIndex = inUse;
    }
}

bool RunFileDialog(CFileDlg& record, QWidget* parent) {
    QFileDialog dialog(parent);
    UseDialogFrame(dialog);
    ApplyFileDlg(record, dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    ReadFileDlg(dialog, record);
    return !record.chosenPath.empty();
}

}  // namespace tapwright::gui

#include "gui/plot/PlotPropsDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/dialogs/DialogParts.h"

namespace tapwright::gui {

namespace {

QCheckBox* Option(QVBoxLayout& column, const char* caption, bool checked) {
    auto* box = new QCheckBox(caption);
    box->setChecked(checked);
    column.addWidget(box);
    return box;
}

}  // namespace

PlotPropsDialog::PlotPropsDialog(CPlotPropsDlg& record, QWidget* parent)
    : RecordDialog(CPlotPropsDlg::kCaption, parent),
      record_(record),
      styles_(new QButtonGroup(this)) {
    auto* content = new QHBoxLayout;
    content->addWidget(MakeStyleGroup());
    content->addWidget(MakeOptionsGroup());
    SetContent(content);
    FocusCheckedButton(*styles_);
}

QGroupBox* PlotPropsDialog::MakeStyleGroup() {
    auto* group = new QGroupBox("Style");
    auto* column = new QVBoxLayout(group);
    for (int style = 0; style < 4; ++style) {
        column->addWidget(AddRadioButton(*styles_, CPlotPropsDlg::kStyleCaptions[style], style));
    }
    column->addStretch();
    // A record without a style shows no button selected.
    CheckButton(*styles_, record_.style);
    return group;
}

QGroupBox* PlotPropsDialog::MakeOptionsGroup() {
    auto* group = new QGroupBox("Options");
    auto* column = new QVBoxLayout(group);
    originAtZero_ = Option(*column, CPlotPropsDlg::kOriginAtZeroCaption, record_.originAtZero);
    autoTitles_ = Option(*column, CPlotPropsDlg::kAutoTitlesCaption, record_.autoTitles);
    magnitudeInDb_ = Option(*column, CPlotPropsDlg::kMagnitudeInDbCaption, record_.magnitudeInDb);
    integerReduction_ =
        Option(*column, CPlotPropsDlg::kIntegerReductionCaption, record_.integerPointReduction);
    sumFreqMag_ = Option(*column, CPlotPropsDlg::kSumFreqMagCaption, record_.sumFreqMag);
    zoomFullDecade_ =
        Option(*column, CPlotPropsDlg::kZoomFullDecadeCaption, record_.zoomFullDecade);
    return group;
}

bool PlotPropsDialog::StoreFields() {
    if (styles_->checkedId() >= 0) {
        record_.style = styles_->checkedId();
    }
    record_.originAtZero = originAtZero_->isChecked();
    record_.autoTitles = autoTitles_->isChecked();
    record_.magnitudeInDb = magnitudeInDb_->isChecked();
    record_.integerPointReduction = integerReduction_->isChecked();
    record_.sumFreqMag = sumFreqMag_->isChecked();
    record_.zoomFullDecade = zoomFullDecade_->isChecked();
    return true;
}

}  // namespace tapwright::gui

#pragma once

#include "gui/widgets/RecordDialog.h"
#include "plot/PlotPropsDlg.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;

namespace tapwright::gui {

// "Plot Properties": the style of a graph and its six options.
class PlotPropsDialog final : public RecordDialog {
public:
    PlotPropsDialog(CPlotPropsDlg& record, QWidget* parent = nullptr);

private:
    QGroupBox* MakeStyleGroup();
    QGroupBox* MakeOptionsGroup();
    bool StoreFields() override;

    CPlotPropsDlg& record_;
    QButtonGroup* styles_;
    QCheckBox* originAtZero_;
    QCheckBox* autoTitles_;
    QCheckBox* magnitudeInDb_;
    QCheckBox* integerReduction_;
    QCheckBox* sumFreqMag_;
    QCheckBox* zoomFullDecade_;
};

}  // namespace tapwright::gui

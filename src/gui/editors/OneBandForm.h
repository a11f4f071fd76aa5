#pragma once

#include "gui/editors/SpecificationForm.h"

class QButtonGroup;
class QGroupBox;
class QLabel;

namespace tapwright {
class COneBand;
}

namespace tapwright::gui {

class DoubleField;
class FloatField;
class IntegerField;

// The form of the simple specification editor: the filter kind, the number of taps and the
// grid density, two band frequencies (or bandwidths and a centre), the passband ripple and
// stopband attenuation in dB, the sampling frequency, and the actual ripple and attenuation
// of the designed filter. The editor decides every caption, verdict and enabled control.
class OneBandForm final : public SpecificationForm {
public:
    explicit OneBandForm(COneBand& editor, QWidget* parent = nullptr);

    void ReadWidgets() override;
    void WriteWidgets() override;
    void ShowPart(EditorPart part) override;

private:
    QWidget* MakeKindGroup();
    QWidget* MakeSingleFieldGroup(const QString& title, QWidget* field);
    QLayout* MakeBandFields();
    QWidget* MakeActualsGroup();
    QLayout* MakeButtons();
    void ShowDerived();

    COneBand& editor_;
    QButtonGroup* kinds_;
    IntegerField* taps_;
    IntegerField* grid_;
    QLabel* edge1Label_;
    DoubleField* edge1_;
    QLabel* edge2Label_;
    DoubleField* edge2_;
    FloatField* ripple_;
    FloatField* attenuation_;
    QGroupBox* centerGroup_;
    DoubleField* center_;
    QGroupBox* actualsGroup_;
    QLabel* actualRipple_;
    QLabel* actualAttenuation_;
    QPushButton* estimate_ = nullptr;
};

}  // namespace tapwright::gui

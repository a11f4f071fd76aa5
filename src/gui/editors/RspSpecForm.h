#pragma once

#include <array>

#include "gui/editors/SpecificationForm.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace tapwright {
class CRspSpec;
}

namespace tapwright::gui {

class IntegerField;

// The form of the advanced band editor: the band table (band number, lower and upper
// frequency, desired gain, attenuation or ripple, and the actual level of the designed
// filter), the fields in which a new band is typed below it with the two "in dB" boxes,
// the response type, the number of taps, the grid density, the sampling frequency, the
// PASS or FAIL verdict and the buttons. The editor keeps the rows, the selection and which
// buttons can be pressed; the form shows them. Return presses the focused button, or "Add".
class RspSpecForm final : public SpecificationForm {
public:
    explicit RspSpecForm(CRspSpec& editor, QWidget* parent = nullptr);

    void ReadWidgets() override;
    void WriteWidgets() override;
    void ShowPart(EditorPart part) override;

    QTableWidget* Table() const { return table_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLayout* MakeTableAndEntry();
    QLayout* MakeSettings();
    QLayout* MakeButtons();
    void ShowTable();
    void ShowEntry();
    void ShowFocus();
    void ShowButtons();

    CRspSpec& editor_;
    QTableWidget* table_;
    // The edit fields of a new band, in the order of the table's columns.
    std::array<QLineEdit*, 4> entry_;
    QCheckBox* gainInDb_;
    QCheckBox* attnInDb_;
    QButtonGroup* responseTypes_;
    IntegerField* taps_;
    IntegerField* grid_;
    QLabel* verdict_;
    QPushButton* add_ = nullptr;
    QPushButton* estimate_ = nullptr;
    QPushButton* optimize_ = nullptr;
};

}  // namespace tapwright::gui

#pragma once

#include "gui/plot/PictureExport.h"
#include "gui/widgets/RecordDialog.h"

class QComboBox;
class QLineEdit;

namespace tapwright::gui {

class IntegerField;

// "Export Picture": the format, the size of the picture and the file to write it to.
class ExportPictureDialog final : public RecordDialog {
public:
    static constexpr const char* kTitle = "Export Picture";
    static constexpr const char* kSizeMessage =
        "Please enter a width and a height from 64 to "
        "10000 pixels.";
    static constexpr const char* kNoFileMessage = "Please enter a file name.";

    ExportPictureDialog(PictureRequest& request, QWidget* parent = nullptr);

private:
    bool StoreFields() override;
    PictureFormat ChosenFormat() const;
    // A new format replaces the extension of the file name when it is one of the formats'.
    void OnFormatChosen();
    void OnBrowse();

    PictureRequest& request_;
    QComboBox* format_;
    IntegerField* width_;
    IntegerField* height_;
    QLineEdit* path_;
};

}  // namespace tapwright::gui

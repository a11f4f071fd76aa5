#pragma once

#include <cstdint>
#include <string>

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;

// The directive of the data lines of an assembly file.
enum class AsmDataFormat : std::int32_t { DecimalInt = 0, HexInt = 1, Float = 2 };

// The "TI Fixed-Point Assembly Code Options" dialog: what a fixed-point assembly file holds
// around its data lines and how each line is commented.
class CAsmOptionsDlg {
public:
    static constexpr const char* kCaption = "TI Fixed-Point Assembly Code Options";
    static constexpr const char* kEmptyNameMessage =
        "The Base Name, Equate Command, and Data Command fields cannot be empty\n";
    static constexpr const char* kDefaultName = "FIR";

    std::string name;  // base name of the labels and equates
    std::string finalText;
    bool showGraph = true;
    std::string initialText = "   .text";
    bool showLength = true;
    bool showRatio = false;
    std::string ratioText;  // the dialog accepts digits only
    AsmDataFormat dataFormat = AsmDataFormat::DecimalInt;
    bool showFloat = true;  // comment with the quantized value
    bool showOther = true;  // comment with the integer in the other radix

    // "Show Other Format" and "Show Floating Point" comment integer lines only, so they are
    // enabled only while the data format is not Float.
    bool AreIntegerCommentsEnabled() const { return dataFormat != AsmDataFormat::Float; }

    // The OK check: drops leading white space from the name. An empty name becomes "FIR",
    // the user is told, and the dialog stays open (false) showing the new name.
    bool OnOK();

    // Project-file record: name, final text, show graph, initial text, show length, show
    // ratio, ratio text, data format, show floating point, show other format (texts as
    // archive texts, the rest as 32-bit integers).
    void Serialize(ArchiveWriter& archive) const;
    void Serialize(ArchiveReader& archive);
};

}  // namespace tapwright

#pragma once

#include <cstdint>

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;

// The record of the "Quantize to How Many Bits?" dialog: one integer field. The document
// keeps the bit count between uses (16 at first) and stores it in the project file.
class CQuantizeDlg {
public:
    static constexpr const char* kTitle = "Quantize to How Many Bits?";

    // What OK checks before the dialog closes: a bit count outside 1 to 31 is reported and
    // the dialog stays open (false).
    bool OnOK() const;

    // Project-file field: the bit count, 32 bits. Any count is read back, since a file may
    // hold one that no dialog checked; the dialog and Quantize refuse the unusable ones.
    void Serialize(ArchiveWriter& archive) const;
    void Serialize(ArchiveReader& archive);

    std::int32_t bits = 16;
};

}  // namespace tapwright

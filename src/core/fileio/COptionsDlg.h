#pragma once

#include <string>

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;

// The "C Output Options" dialog: the name and element type of the array a C source file
// declares.
class CCOptionsDlg {
public:
    static constexpr const char* kCaption = "C Output Options";

    std::string varName;
    std::string varType = "float";

    // Project-file record: the name, then the type, as archive texts.
    void Serialize(ArchiveWriter& archive) const;
    void Serialize(ArchiveReader& archive);
};

}  // namespace tapwright

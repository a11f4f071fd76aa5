#pragma once

#include <string>

#include "fileio/FormatCodec.h"

namespace tapwright {

class CCOptionsDlg;

// The C source of the coefficients: a length macro and one array per column written.
void WriteC(std::string& out, const CCOptionsDlg& options, const WriteColumns& columns);

// "Text:C" (write only).
class CSourceCodec : public FormatCodec {
public:
    bool WriteWhole(std::string& out, const CDataFormat& format,
                    const WriteColumns& columns) const override;
};

}  // namespace tapwright

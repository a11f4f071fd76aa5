#pragma once

#include <string>

#include "fileio/FormatCodec.h"

namespace tapwright {

class CAsmOptionsDlg;

// The fixed-point assembly source of the coefficients: optional initial text, LENGTH and
// RATIO equates, a label and one data line per coefficient of each column, and the final text.
void WriteTiAsm(std::string& out, const CAsmOptionsDlg& options, const WriteColumns& columns);

// One data line for the coefficient x: the directive, the optional comments and, with
// "Show Graph", a bar graph that places x between hi (left end) and lo (right end).
std::string TiAsmDataLine(double x, const CAsmOptionsDlg& options, double lo, double hi);

// "Asm:TI Asm" (write only).
class TiAsmCodec : public FormatCodec {
public:
    bool WriteWhole(std::string& out, const CDataFormat& format,
                    const WriteColumns& columns) const override;
};

}  // namespace tapwright

#pragma once

#include "fileio/FormatTable.h"
#include "support/FuzzSupport.h"

namespace tapwright::fuzz {

// Reads the input as a coefficient file of the format, once into one column and once into
// two, and checks what every read must give:
// - only the format's own messages are shown;
// - a read that yields nothing leaves the data set as it was;
// - a read that yields points gives no more of them than the file can hold, values the
//   format can represent (bit for bit for the raw binary formats, fixed-point words in range
//   for the fixed-point ones, finite numbers unless the file spells out "nan" or "inf"),
//   and leaves a column it was not asked to read alone;
// - the values read, written again in the same format, read back to the same values (within
//   the one step of the fixed-point formats, which round negative words toward zero);
// - no allocation beyond a small multiple of the file's size.
void CheckCoefficientReader(FormatCode code, Input input);

}  // namespace tapwright::fuzz

#pragma once

namespace tapwright {

class CFirDoc;

// Filter > "Word Length...": whether the filter is designed and has a specification.
bool CanFindWordLength(const CFirDoc& document);

// Computes the table of taps against bits for the filter's specification (wait cursor,
// progress on the status line), shows it, and on OK gives the filter the chosen row's
// length and quantized coefficients, sets the quantize dialog's bits to the row's, marks the
// project modified and updates every view. Cancel, or a table in which no length meets the
// specification (a message says so), changes nothing. True when the filter changed.
bool FindWordLength(CFirDoc& document);

}  // namespace tapwright

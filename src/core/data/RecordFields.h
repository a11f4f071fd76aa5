#pragma once

#include <cstdint>

namespace tapwright {

class ArchiveReader;

// Reads of the fields that dialog records keep in project files. A value that no dialog
// can produce (a number that is not finite, a choice outside its buttons) raises
// ArchiveError (Malformed), so that it never reaches the operations.
float ReadFiniteF32(ArchiveReader& archive, const char* what);
double ReadFiniteF64(ArchiveReader& archive, const char* what);

// A 32-bit radio-button choice, 0 to count - 1.
std::int32_t ReadChoiceI32(ArchiveReader& archive, std::int32_t count, const char* what);

}  // namespace tapwright

#pragma once

#include <QString>

#include <string>

namespace tapwright::gui {

// The core keeps texts as bytes: UTF-8 for what the program itself writes, but titles and
// names read from older files may be in a single-byte code. Text that is not valid UTF-8 is
// shown byte for byte as Latin-1, so that it stays readable instead of turning into
// replacement characters.
QString ToQString(const std::string& text);

// Texts handed to the core, file paths among them, are UTF-8.
std::string ToCoreString(const QString& text);

}  // namespace tapwright::gui

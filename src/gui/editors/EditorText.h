#pragma once

#include <QString>

#include <string>

namespace tapwright::gui {

// How the bytes of a coefficient text were shown in the editor, so that they come back as
// the same bytes.
enum class TextForm {
    Lines,        // UTF-8 text with LF line ends
    CrLfLines,    // UTF-8 text with CR LF line ends, shown as plain lines
    ByteForByte,  // anything else: every byte stands for itself (a binary format)
};

// The bytes of a text as the editor shows them, and the form used. Text lines show as text.
// Other bytes (the binary formats write any byte value) show one character per byte, the
// printable ones as Latin-1 and the others as private-use characters, so that no line end
// or control byte the editor would turn into something else is lost.
struct ShownText {
    QString text;
    TextForm form = TextForm::Lines;
};
ShownText ShowBytes(const std::string& bytes);

// The bytes of an edited text in the form it was shown in: the line ends it had, or each
// character back to its byte (a character the user typed beyond Latin-1 as UTF-8).
std::string BytesOf(const QString& text, TextForm form);

}  // namespace tapwright::gui

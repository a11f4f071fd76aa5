#include "gui/editors/EditorText.h"

#include <QStringDecoder>

namespace tapwright::gui {

namespace {

// Where the characters of the bytes that have no character of their own lie.
constexpr char16_t kByteCharacters = 0xE000;

bool IsLatin1Printable(unsigned char byte) {
    return (byte >= 0x20 && byte < 0x7F) || byte >= 0xA0;
}

// Whether the bytes are text the editor can show as it is: valid UTF-8 without control
// bytes other than tabs and line ends, every carriage return ending a line.
bool IsPlainText(const std::string& bytes, bool& crLf) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded =
        utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError()) {
        return false;
    }
    crLf = false;
    bool bareLf = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r') {
            if (i + 1 == bytes.size() || bytes[i + 1] != '\n') {
                return false;
            }
            crLf = true;
            ++i;
        } else if (byte == '\n') {
            bareLf = true;
        } else if ((byte < 0x20 && byte != '\t') || byte == 0x7F) {
            return false;
        }
    }
    // Mixed line ends could not be given back as they were.
    return !(crLf && bareLf);
}

}  // namespace

ShownText ShowBytes(const std::string& bytes) {
    bool crLf = false;
    if (IsPlainText(bytes, crLf)) {
        QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
        if (crLf) {
            text.replace("\r\n", "\n");
        }
        return {text, crLf ? TextForm::CrLfLines : TextForm::Lines};
    }
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += IsLatin1Printable(byte) ? QChar(byte) : QChar(kByteCharacters + byte);
    }
    return {text, TextForm::ByteForByte};
}

std::string BytesOf(const QString& text, TextForm form) {
    if (form != TextForm::ByteForByte) {
        QString lines = text;
        if (form == TextForm::CrLfLines) {
            lines.replace("\n", "\r\n");
        }
        return lines.toStdString();
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    // Characters that stand for no byte are collected and written as UTF-8 together, so
    // that a character of two UTF-16 units stays whole.
    QString typed;
    const auto flushTyped = [&] {
        bytes += typed.toStdString();
        typed.clear();
    };
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit >= kByteCharacters && unit <= kByteCharacters + 0xFF) {
            flushTyped();
            bytes += static_cast<char>(unit - kByteCharacters);
        } else if (unit <= 0xFF) {
            flushTyped();
            bytes += static_cast<char>(unit);
        } else {
            typed += c;
        }
    }
    flushTyped();
    return bytes;
}

}  // namespace tapwright::gui

#include "gui/platform/CoreText.h"

#include <QStringDecoder>

namespace tapwright::gui {

QString ToQString(const std::string& text) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QByteArrayView bytes(text.data(), static_cast<qsizetype>(text.size()));
    QString decoded = utf8(bytes);
    if (utf8.hasError()) {
        return QString::fromLatin1(bytes);
    }
    return decoded;
}

std::string ToCoreString(const QString& text) {
    return text.toStdString();
}

}  // namespace tapwright::gui

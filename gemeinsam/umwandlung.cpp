// Between core's UTF-8 bytes and Qt's strings.
#include "umwandlung.h"

#include "unicodetext.h"
#include "zeichenanzeige.h"

namespace lexidor {

QString AusUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string NachUtf8(const QString& text) {
    return Nfc(text.toStdString());
}

QString Sichtbar(const QString& text) {
    return QString::fromStdString(Anzeigetext(text.toStdString()));
}

std::string PfadBytes(const QString& pfad) {
    return pfad.toStdString();
}

QString PfadAus(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace lexidor

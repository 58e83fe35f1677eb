// Reading KVTML with QXmlStreamReader, which resolves entities and character references and
// never loads an external document.
#include "kvtmlleser.h"

#include <QXmlStreamReader>
#include <algorithm>

namespace lexidor {
namespace {

std::string Text(QXmlStreamReader& xml) {
    return xml.readElementText(QXmlStreamReader::IncludeChildElements).toStdString();
}

std::string Attribut(const QXmlStreamReader& xml, QLatin1StringView name) {
    return xml.attributes().value(name).toString().toStdString();
}

// Parley keeps one <grade> per direction the translation was practised in.
std::optional<int> Grad(QXmlStreamReader& xml, std::optional<int> bisher) {
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1StringView("currentgrade")) {
            xml.skipCurrentElement();
            continue;
        }
        bool zahl = false;
        const int grad = xml.readElementText().trimmed().toInt(&zahl);
        if (zahl) {
            bisher = std::max(bisher.value_or(0), grad);
        }
    }
    return bisher;
}

// Only the translation's own text and grade: conjugations, comparisons and the like hold
// texts and grades of their own, which are not the word's.
KvtmlUebersetzung Uebersetzung(QXmlStreamReader& xml) {
    KvtmlUebersetzung u;
    u.id = Attribut(xml, QLatin1StringView("id"));
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1StringView("text")) {
            u.text = Text(xml);
        } else if (xml.name() == QLatin1StringView("grade")) {
            u.grad = Grad(xml, u.grad);
        } else {
            xml.skipCurrentElement();
        }
    }
    return u;
}

KvtmlEintrag Eintrag(QXmlStreamReader& xml) {
    KvtmlEintrag e;
    e.zeile = static_cast<int>(xml.lineNumber());
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1StringView("translation")) {
            e.uebersetzungen.push_back(Uebersetzung(xml));
        } else {
            xml.skipCurrentElement();
        }
    }
    return e;
}

KvtmlSprache Sprache(QXmlStreamReader& xml) {
    KvtmlSprache s;
    s.id = Attribut(xml, QLatin1StringView("id"));
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1StringView("name")) {
            s.name = Text(xml);
        } else if (xml.name() == QLatin1StringView("locale")) {
            s.locale = Text(xml);
        } else {
            xml.skipCurrentElement();
        }
    }
    return s;
}

// Reads the children of the current element that are called kind, each with lesen.
template <typename T, typename Leser>
void Liste(QXmlStreamReader& xml, QLatin1StringView kind, std::vector<T>& ziel, Leser lesen) {
    while (xml.readNextStartElement()) {
        if (xml.name() == kind) {
            ziel.push_back(lesen(xml));
        } else {
            xml.skipCurrentElement();
        }
    }
}

void Inhalt(QXmlStreamReader& xml, KvtmlDokument& d) {
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1StringView("identifiers")) {
            Liste(xml, QLatin1StringView("identifier"), d.sprachen, Sprache);
        } else if (xml.name() == QLatin1StringView("entries")) {
            Liste(xml, QLatin1StringView("entry"), d.eintraege, Eintrag);
        } else {
            xml.skipCurrentElement();
        }
    }
}

QString Xmlfehler(const QXmlStreamReader& xml) {
    return QStringLiteral("Zeile %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
}

} // namespace

std::optional<KvtmlDokument> KvtmlLesen(std::string_view datei, QString& fehler) {
    QXmlStreamReader xml(
        QByteArray::fromRawData(datei.data(), static_cast<qsizetype>(datei.size())));
    if (!xml.readNextStartElement() || xml.name() != QLatin1StringView("kvtml")) {
        fehler =
            xml.hasError() ? Xmlfehler(xml) : QStringLiteral("Die Datei ist keine KVTML-Datei.");
        return std::nullopt;
    }
    // The first version kept its words in quite other elements, and Parley has long since
    // converted such files itself.
    if (!xml.attributes().value(QLatin1StringView("version")).startsWith(u'2')) {
        fehler = QStringLiteral("Nur KVTML-Dateien der Version 2 können importiert werden.");
        return std::nullopt;
    }
    KvtmlDokument d;
    Inhalt(xml, d);
    if (xml.hasError()) {
        fehler = Xmlfehler(xml);
        return std::nullopt;
    }
    return d;
}

} // namespace lexidor

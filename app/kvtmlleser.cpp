// Reading KVTML with QXmlStreamReader, which resolves entities and character references and
// never loads an external document. The element texts are read without recursion, so that no
// nesting can exhaust the stack, and within the bounds core sets.
#include "kvtmlleser.h"

#include <QXmlStreamReader>

namespace lexidor {
namespace {

class Leser {
public:
    Leser(const QString& text, std::size_t dateigroesse, const Fortschritt& fortschritt)
        : xml(text), dateigroesse_(dateigroesse), zeichen_(static_cast<std::size_t>(text.size())),
          fortschritt_(fortschritt) {}

    // Stops the reader with the German reason when the file goes beyond a bound.
    void Zaehlen() {
        if (const auto grenze = KvtmlGrenze(umfang, dateigroesse_)) {
            xml.raiseError(QString::fromStdString(*grenze));
        }
    }

    // One more entry; now and then the shell hears how far the reader has come.
    void Eintrag() {
        ++umfang.eintraege;
        Zaehlen();
        if (fortschritt_ && umfang.eintraege % kFortschrittZeilen == 0 &&
            !fortschritt_(static_cast<std::size_t>(xml.characterOffset()), zeichen_)) {
            xml.raiseError(QStringLiteral("Das Lesen wurde abgebrochen."));
        }
    }

    QXmlStreamReader xml;
    KvtmlUmfang umfang;

private:
    std::size_t dateigroesse_;
    std::size_t zeichen_;
    const Fortschritt& fortschritt_;
};

// The element's text with that of its children, as a reader sees it. Child elements deeper
// than kKvtmlTiefe stop the reader.
std::string Text(Leser& l) {
    std::string text;
    for (int tiefe = 1; tiefe > 0 && !l.xml.hasError();) {
        switch (l.xml.readNext()) {
        case QXmlStreamReader::Characters:
            text += l.xml.text().toString().toStdString();
            l.umfang.text += l.xml.text().size();
            l.Zaehlen();
            break;
        case QXmlStreamReader::StartElement:
            if (++tiefe > kKvtmlTiefe) {
                l.xml.raiseError(QString::fromStdString(KvtmlZuTief()));
            }
            break;
        case QXmlStreamReader::EndElement:
            --tiefe;
            break;
        case QXmlStreamReader::Invalid:
            return {};
        default:
            break;
        }
    }
    return text;
}

// Skips the current element as Text reads it, without keeping what it holds.
void Ueberspringen(Leser& l) {
    Text(l);
}

std::string Attribut(const QXmlStreamReader& xml, QLatin1StringView name) {
    return xml.attributes().value(name).toString().toStdString();
}

// Parley keeps one <grade> per direction the translation was practised in.
std::optional<int> Grad(Leser& l, std::optional<int> bisher) {
    while (l.xml.readNextStartElement()) {
        if (l.xml.name() != QLatin1StringView("currentgrade")) {
            Ueberspringen(l);
            continue;
        }
        bisher = HoechsterGrad(bisher, GradLesen(Text(l)));
    }
    return bisher;
}

// A comment, an example and the like that holds any text, so that the closing message can
// name it as not taken.
void Beigabe(Leser& l, KvtmlUebersetzung& u) {
    const auto beigabe = KvtmlBeigabe(l.xml.name().toString().toStdString());
    const std::string text = Text(l);
    if (beigabe && text.find_first_not_of(" \t\r\n") != std::string::npos) {
        u.beigaben |= Bit(*beigabe);
    }
}

// Only the translation's own text and grade: conjugations, comparisons and the like hold
// texts and grades of their own, which are not the word's.
KvtmlUebersetzung Uebersetzung(Leser& l) {
    KvtmlUebersetzung u;
    u.id = Attribut(l.xml, QLatin1StringView("id"));
    while (l.xml.readNextStartElement()) {
        if (l.xml.name() == QLatin1StringView("text")) {
            u.text = Text(l);
        } else if (l.xml.name() == QLatin1StringView("grade")) {
            u.grad = Grad(l, u.grad);
        } else {
            Beigabe(l, u);
        }
    }
    return u;
}

KvtmlEintrag Eintrag(Leser& l) {
    KvtmlEintrag e;
    e.zeile = static_cast<int>(l.xml.lineNumber());
    e.id = Attribut(l.xml, QLatin1StringView("id"));
    l.Eintrag();
    while (l.xml.readNextStartElement()) {
        if (l.xml.name() == QLatin1StringView("translation")) {
            e.uebersetzungen.push_back(Uebersetzung(l));
        } else {
            Ueberspringen(l);
        }
    }
    return e;
}

KvtmlSprache Sprache(Leser& l) {
    KvtmlSprache s;
    s.id = Attribut(l.xml, QLatin1StringView("id"));
    ++l.umfang.sprachen;
    l.Zaehlen();
    while (l.xml.readNextStartElement()) {
        if (l.xml.name() == QLatin1StringView("name")) {
            s.name = Text(l);
        } else if (l.xml.name() == QLatin1StringView("locale")) {
            s.locale = Text(l);
        } else {
            Ueberspringen(l);
        }
    }
    return s;
}

// Reads the children of the current element that are called kind, each with lesen.
template <typename T, typename Lesen>
void Liste(Leser& l, QLatin1StringView kind, std::vector<T>& ziel, Lesen lesen) {
    while (l.xml.readNextStartElement()) {
        if (l.xml.name() == kind) {
            ziel.push_back(lesen(l));
        } else {
            Ueberspringen(l);
        }
    }
}

// A <container> of <lessons>: its name, the ids of its entries and the lessons within it, as
// deep as the elements may be.
void Lektion(Leser& l, KvtmlDokument& d, int oben, int tiefe) {
    if (tiefe > kKvtmlTiefe) {
        l.xml.raiseError(QString::fromStdString(KvtmlZuTief()));
        return;
    }
    const auto i = d.lektionen.size();
    d.lektionen.push_back({{}, {}, {}, oben});
    l.umfang.text += sizeof(KvtmlLektion); // an empty one is small in the file, not here
    l.Zaehlen();
    while (l.xml.readNextStartElement()) {
        if (l.xml.name() == QLatin1StringView("name")) {
            d.lektionen[i].name = Text(l);
        } else if (l.xml.name() == QLatin1StringView("entry")) {
            std::string id = Attribut(l.xml, QLatin1StringView("id"));
            l.umfang.text += id.size() + sizeof id;
            l.Zaehlen();
            d.lektionen[i].eintraege.push_back(std::move(id));
            Ueberspringen(l);
        } else if (l.xml.name() == QLatin1StringView("container")) {
            Lektion(l, d, static_cast<int>(i), tiefe + 1);
        } else {
            Ueberspringen(l);
        }
    }
}

void Inhalt(Leser& l, KvtmlDokument& d) {
    while (l.xml.readNextStartElement()) {
        if (l.xml.name() == QLatin1StringView("identifiers")) {
            Liste(l, QLatin1StringView("identifier"), d.sprachen, Sprache);
        } else if (l.xml.name() == QLatin1StringView("entries")) {
            Liste(l, QLatin1StringView("entry"), d.eintraege, Eintrag);
        } else if (l.xml.name() == QLatin1StringView("lessons")) {
            while (l.xml.readNextStartElement()) {
                if (l.xml.name() == QLatin1StringView("container")) {
                    Lektion(l, d, -1, 1);
                } else {
                    Ueberspringen(l);
                }
            }
        } else {
            Ueberspringen(l);
        }
    }
}

// KVTML 1 has no list of languages: each entry holds the original <o> and its translations
// <t>, and the first that names its language with the attribute "l" names the column's.
KvtmlUebersetzung Seite1(Leser& l, KvtmlDokument& d, std::size_t spalte) {
    while (d.sprachen.size() <= spalte) {
        d.sprachen.push_back({std::to_string(d.sprachen.size()), {}, {}});
        l.umfang.sprachen = d.sprachen.size();
        l.Zaehlen();
    }
    const std::string locale = Attribut(l.xml, QLatin1StringView("l"));
    std::string& bisher = d.sprachen[spalte].locale;
    bisher = bisher.empty() ? locale : bisher;
    KvtmlUebersetzung u{std::to_string(spalte), {}, std::nullopt, 0};
    for (const QXmlStreamAttribute& a : l.xml.attributes()) {
        const auto beigabe = Kvtml1Beigabe(a.name().toString().toStdString());
        if (beigabe && !a.value().trimmed().isEmpty()) {
            u.beigaben |= Bit(*beigabe);
        }
    }
    u.text = Text(l);
    return u;
}

// <lesson> names each lesson by its number: <desc no="1">Tiere</desc>.
void Lektionen1(Leser& l, KvtmlDokument& d) {
    while (l.xml.readNextStartElement()) {
        if (l.xml.name() != QLatin1StringView("desc")) {
            Ueberspringen(l);
            continue;
        }
        std::string nummer = Attribut(l.xml, QLatin1StringView("no"));
        l.umfang.text += sizeof(KvtmlLektion) + nummer.size();
        l.Zaehlen();
        d.lektionen.push_back({Text(l), {}, std::move(nummer), -1});
    }
}

void Inhalt1(Leser& l, KvtmlDokument& d) {
    while (l.xml.readNextStartElement() && !l.xml.hasError()) {
        if (l.xml.name() == QLatin1StringView("lesson")) {
            Lektionen1(l, d);
            continue;
        }
        if (l.xml.name() != QLatin1StringView("e")) {
            Ueberspringen(l);
            continue;
        }
        KvtmlEintrag e;
        e.zeile = static_cast<int>(l.xml.lineNumber());
        e.lektion = Attribut(l.xml, QLatin1StringView("m"));
        l.Eintrag();
        std::size_t uebersetzungen = 0;
        while (l.xml.readNextStartElement()) {
            if (l.xml.name() == QLatin1StringView("o")) {
                e.uebersetzungen.push_back(Seite1(l, d, 0));
            } else if (l.xml.name() == QLatin1StringView("t")) {
                e.uebersetzungen.push_back(Seite1(l, d, ++uebersetzungen));
            } else {
                Ueberspringen(l);
            }
        }
        d.eintraege.push_back(std::move(e));
    }
}

QString Xmlfehler(const QXmlStreamReader& xml) {
    return QStringLiteral("Zeile %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
}

} // namespace

std::optional<KvtmlDokument> KvtmlLesen(std::string_view datei, QString& fehler,
                                        const Fortschritt& fortschritt) {
    std::string puffer;
    const std::string_view text = XmlText(datei, puffer);
    if (const auto grenze = KvtmlGrenze({.text = EntitaetenZuwachs(text)}, datei.size())) {
        fehler = QString::fromStdString(*grenze);
        return std::nullopt;
    }
    Leser l(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), datei.size(),
            fortschritt);
    if (!l.xml.readNextStartElement() || l.xml.name() != QLatin1StringView("kvtml")) {
        fehler = l.xml.hasError() ? Xmlfehler(l.xml)
                                  : QStringLiteral("Die Datei ist keine KVTML-Datei.");
        return std::nullopt;
    }
    // The first version, of kvoctrain and early KDE, has no version attribute.
    KvtmlDokument d;
    if (l.xml.attributes().value(QLatin1StringView("version")).startsWith(u'2')) {
        Inhalt(l, d);
    } else {
        Inhalt1(l, d);
    }
    if (l.xml.hasError()) {
        fehler = Xmlfehler(l.xml);
        return std::nullopt;
    }
    if (const auto f = KvtmlFehler(d)) {
        fehler = QString::fromStdString(*f);
        return std::nullopt;
    }
    return d;
}

} // namespace lexidor

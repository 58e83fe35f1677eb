// Names and access keys for assistive tools.
#include "zugang.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

namespace lexidor {
namespace {

bool Wortanfang(const QString& text, int i) {
    return i == 0 || text[i - 1].isSpace() || text[i - 1] == u'(' || text[i - 1] == u'/';
}

// Where the access key of a text goes (-1: nowhere), given the letters already taken.
int Zugangsstelle(const QString& text, const QString& vergeben) {
    const auto frei = [&](int i) {
        return text[i].isLetterOrNumber() && !vergeben.contains(text[i].toUpper());
    };
    for (int i = 0; i < text.size(); ++i) {
        if (frei(i) && Wortanfang(text, i)) {
            return i;
        }
    }
    for (int i = 0; i < text.size(); ++i) {
        if (frei(i)) {
            return i;
        }
    }
    // A title of one sign ("?") may take that sign; a rule of hyphens takes nothing.
    const bool zeichen = text.size() == 1 && text[0].isPrint() && !text[0].isSpace() &&
                         text[0] != u'-' && !vergeben.contains(text[0]);
    return zeichen ? 0 : -1;
}

// The key Qt reads from the "&" in a text ("&&" being a plain "&"), in upper case; null when
// the text has none.
QChar Taste(const QString& text) {
    const QKeySequence taste = QKeySequence::mnemonic(text);
    return taste.isEmpty() ? QChar() : QChar(static_cast<char16_t>(taste[0].key())).toUpper();
}

void Vergeben(const QList<QAction*>& aktionen, const QList<QAction*>& ausgenommen) {
    QString vergeben;
    for (const QAction* aktion : aktionen) {
        if (const QChar taste = Taste(aktion->text()); !taste.isNull()) {
            vergeben += taste;
        }
    }
    for (QAction* aktion : aktionen) {
        const QString text = aktion->text();
        if (!aktion->isVisible() || ausgenommen.contains(aktion) || !Taste(text).isNull()) {
            continue;
        }
        const int stelle = Zugangsstelle(text, vergeben);
        if (stelle < 0) {
            continue;
        }
        vergeben += text[stelle].toUpper();
        aktion->setText(text.left(stelle) + u'&' + text.mid(stelle));
    }
}

} // namespace

QString OhneDoppelpunkt(const QString& text) {
    QString ohne = text.trimmed();
    if (ohne.endsWith(u':')) {
        ohne.chop(1);
    }
    return ohne;
}

void Beschriften(QLabel* beschriftung, QWidget* feld) {
    beschriftung->setBuddy(feld);
    feld->setAccessibleName(OhneDoppelpunkt(beschriftung->text()));
}

void TastenNennen(QMenuBar* leiste) {
    for (const QAction* titel : leiste->actions()) {
        if (!titel->isVisible() || !titel->menu()) {
            continue;
        }
        for (QAction* aktion : titel->menu()->actions()) {
            if (!aktion->shortcut().isEmpty() && !aktion->text().contains(u'\t')) {
                aktion->setText(aktion->text() + u'\t' +
                                aktion->shortcut().toString(QKeySequence::NativeText));
            }
        }
    }
}

void TabZurWahl(const QList<QAbstractButton*>& knoepfe) {
    const auto setzen = [knoepfe] {
        const bool keiner = std::none_of(knoepfe.begin(), knoepfe.end(),
                                         [](const QAbstractButton* k) { return k->isChecked(); });
        for (QAbstractButton* knopf : knoepfe) {
            const bool ziel = knopf->isChecked() || (keiner && knopf == knoepfe.first());
            knopf->setFocusPolicy(ziel ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    for (QAbstractButton* knopf : knoepfe) {
        QObject::connect(knopf, &QAbstractButton::toggled, knopf, setzen);
    }
    setzen();
}

void Zugangstasten(QMenuBar* leiste, const QList<QAction*>& ausgenommen) {
    Vergeben(leiste->actions(), ausgenommen);
    for (const QAction* titel : leiste->actions()) {
        if (titel->isVisible() && titel->menu()) {
            Vergeben(titel->menu()->actions(), ausgenommen);
        }
    }
}

} // namespace lexidor

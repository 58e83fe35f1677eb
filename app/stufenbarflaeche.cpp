// Drawing of the level bar: navy strip, sky-blue cell, navy labels that show only on it.
#include "stufenbarflaeche.h"

#include "pause.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPixmap>

namespace lexidor {
namespace {

const QColor kNavy(0, 0, 128);
const QColor kHimmelblau(166, 202, 240);

// The drawn bar has no text a screen reader could read: its name is the level shown, and its
// value the number of that level.
class Stufenbarzugang final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit Stufenbarzugang(Stufenbarflaeche* flaeche)
        : QAccessibleWidget(flaeche, QAccessible::StaticText), flaeche_(flaeche) {}

    QString text(QAccessible::Text art) const override {
        switch (art) {
        case QAccessible::Name:
            return flaeche_->Stufenname();
        case QAccessible::Description:
            return QStringLiteral("Fach der gefragten Vokabel");
        default:
            return QAccessibleWidget::text(art);
        }
    }
    void* interface_cast(QAccessible::InterfaceType art) override {
        if (art == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(art);
    }

    QVariant currentValue() const override { return flaeche_->Balken().Stufe; }
    // Only the query moves the bar.
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 6; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    Stufenbarflaeche* flaeche_;
};

QAccessibleInterface* Zugangsfabrik(const QString&, QObject* objekt) {
    auto* flaeche = qobject_cast<Stufenbarflaeche*>(objekt);
    return flaeche ? new Stufenbarzugang(flaeche) : nullptr;
}

} // namespace

Stufenbarflaeche::Stufenbarflaeche(int breite, int hoehe, QWidget* parent)
    : QWidget(parent), balken_(breite) {
    [[maybe_unused]] static const bool angemeldet = [] {
        QAccessible::installFactory(&Zugangsfabrik);
        return true;
    }();
    setFixedSize(breite, hoehe);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString Stufenbarflaeche::Stufenname() const {
    return balken_.Stufe == 0 ? QStringLiteral("Keine Stufe")
                              : QStringLiteral("Stufe %1").arg(balken_.Stufe);
}

void Stufenbarflaeche::Setzen(int n) {
    const bool anders = n != balken_.Stufe;
    balken_.Setzen(n);
    Zeichnen();
    if (anders) {
        StufeMelden();
    }
}

void Stufenbarflaeche::Bewegen(int n) {
    if (!balken_.Bewegen(n)) {
        return;
    }
    StufeMelden();
    while (balken_.Unterwegs()) {
        const bool pause = balken_.Schritt();
        Zeichnen();
        if (pause) {
            Pause(1);
        }
    }
    Pause(TStufenbar::SchlusspauseMs);
}

void Stufenbarflaeche::Zeichnen() {
    repaint();
}

void Stufenbarflaeche::StufeMelden() {
    QAccessibleValueChangeEvent wert(this, balken_.Stufe);
    QAccessible::updateAccessibility(&wert);
    QAccessibleEvent name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
}

void Stufenbarflaeche::paintEvent(QPaintEvent*) {
    const int w = width();
    const int h = height();
    // Drawn off screen and copied in one step, so a sliding cell never flickers.
    QPixmap bild(w, h);
    bild.fill(kNavy);
    if (balken_.Stufe != 0) {
        QPainter maler(&bild);
        maler.setPen(QPen(kNavy, 1));
        maler.setBrush(kHimmelblau);
        maler.drawRect(balken_.Position, 1, balken_.Zellbreite() - 1, h - 4);
        QFont schrift(QStringLiteral("Arial"), 12, QFont::Bold);
        maler.setFont(schrift);
        const QFontMetrics masse(schrift);
        for (int i = 0; i < 6; ++i) {
            const QString text = QStringLiteral("Stufe %1").arg(i + 1);
            const int x = balken_.BeschriftungX(i, masse.horizontalAdvance(text));
            const int y = TStufenbar::BeschriftungY(h, masse.height());
            maler.drawText(x, y + masse.ascent(), text);
        }
    }
    QPainter(this).drawPixmap(0, 0, bild);
}

} // namespace lexidor

// Announcements through the description of the focused control, and the focus reported in an
// order Orca follows.
#include "ansage.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QVariant>
#include <QWidget>

namespace lexidor {
namespace {

// Marks the control that carries an announcement and keeps its own description.
constexpr char kEigeneBeschreibung[] = "lexidorEigeneBeschreibung";

void Zuruecklegen(QWidget* fenster, const QWidget* ausser) {
    for (QWidget* teil : fenster->findChildren<QWidget*>()) {
        const QVariant eigene = teil->property(kEigeneBeschreibung);
        if (teil != ausser && eigene.isValid()) {
            teil->setProperty(kEigeneBeschreibung, QVariant());
            teil->setAccessibleDescription(eigene.toString());
        }
    }
}

// Qt 6.4's AT-SPI bridge sends a description change with the object, not the text, as its
// data, and Orca drops such an event unspoken. The same signal with the text, sent on the
// bridge's own connection from the object's path, is what Orca reads out.
void BeschreibungMelden(QWidget* ziel, const QString& text) {
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(ziel);
    if (!zugang) {
        return;
    }
    const QString pfad = QStringLiteral("/org/a11y/atspi/accessible/") +
                         QString::number(QAccessible::uniqueId(zugang));
    QDBusMessage signal = QDBusMessage::createSignal(
        pfad, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    signal << QStringLiteral("accessible-description") << 0 << 0
           << QVariant::fromValue(QDBusVariant(text)) << QVariantMap();
    QDBusConnection(QStringLiteral("a11y")).send(signal);
}

// Marks the focus event that is handed on late.
constexpr char kNachgereicht[] = "lexidorFokusNachgereicht";

bool FokusNachreichen(QLineEdit* zeile, Qt::FocusReason grund) {
    if (zeile->property(kNachgereicht).toBool()) {
        return false;
    }
    QTimer::singleShot(0, zeile, [zeile, grund] {
        if (!zeile->hasFocus()) {
            return;
        }
        zeile->setProperty(kNachgereicht, true);
        QFocusEvent fokus(QEvent::FocusIn, grund);
        QCoreApplication::sendEvent(zeile, &fokus);
        zeile->setProperty(kNachgereicht, false);
    });
    return true;
}

class Fokusmelder final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        const QEvent::Type art = ereignis->type();
        if ((art != QEvent::WindowActivate && art != QEvent::FocusIn) || !QAccessible::isActive()) {
            return false;
        }
        // A line edit selects its text when it gets the focus, before Qt reports the focus;
        // Orca takes the caret of the selection for the focus arriving and then stays silent
        // about the focus itself. The line edit gets its focus event once Qt has reported it.
        if (auto* zeile = qobject_cast<QLineEdit*>(objekt); zeile && art == QEvent::FocusIn) {
            return FokusNachreichen(zeile, static_cast<QFocusEvent*>(ereignis)->reason());
        }
        // Orca ignores a focus in a window that is not yet active: once the dialog is, its
        // control is reported again, posted so that the activation reaches Orca first.
        auto* dialog = qobject_cast<QDialog*>(objekt);
        if (dialog && art == QEvent::WindowActivate && !qobject_cast<QMessageBox*>(dialog)) {
            QTimer::singleShot(0, dialog, [dialog] {
                if (QWidget* feld = dialog->focusWidget()) {
                    QAccessibleEvent fokus(feld, QAccessible::Focus);
                    QAccessible::updateAccessibility(&fokus);
                }
            });
        }
        return false;
    }
};

} // namespace

void FokusMelden(QObject* besitzer) {
    qApp->installEventFilter(new Fokusmelder(besitzer));
}

void Ansagen(QWidget* fenster, const QString& text) {
    QWidget* ziel = fenster->focusWidget() ? fenster->focusWidget() : fenster;
    Zuruecklegen(fenster, ziel);
    if (!ziel->property(kEigeneBeschreibung).isValid()) {
        ziel->setProperty(kEigeneBeschreibung, ziel->accessibleDescription());
    }
    // Qt sends the change event even for an unchanged text, so a repeated card is read again.
    ziel->setAccessibleDescription(text);
    if (QAccessible::isActive()) {
        BeschreibungMelden(ziel, text);
    }
}

} // namespace lexidor

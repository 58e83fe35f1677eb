// Announcements through the description of the focused control.
#include "ansage.h"

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

} // namespace

void Ansagen(QWidget* fenster, const QString& text) {
    QWidget* ziel = fenster->focusWidget() ? fenster->focusWidget() : fenster;
    Zuruecklegen(fenster, ziel);
    if (!ziel->property(kEigeneBeschreibung).isValid()) {
        ziel->setProperty(kEigeneBeschreibung, ziel->accessibleDescription());
    }
    // Qt sends the change event even for an unchanged text, so a repeated card is read again.
    ziel->setAccessibleDescription(text);
}

} // namespace lexidor

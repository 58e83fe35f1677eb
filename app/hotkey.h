// Ctrl+Alt+W from any window on the desktop: an X11 key grab on the root window where the
// platform is xcb, an application-wide shortcut where there is no X11 (offscreen, Wayland).
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <functional>

class QWidget;

namespace lexidor {

class Globaltaste final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Globaltaste)

public:
    // Registered for as long as this object lives; aktion runs from the event loop.
    Globaltaste(QWidget* fenster, std::function<void()> aktion);
    ~Globaltaste() override;

    bool Systemweit() const { return anzeige_ != nullptr; }

    bool nativeEventFilter(const QByteArray& typ, void* nachricht, qintptr* ergebnis) override;

private:
    void Greifen(bool an);

    std::function<void()> aktion_;
    void* anzeige_ = nullptr; // the X11 Display
    unsigned tastencode_ = 0;
};

} // namespace lexidor

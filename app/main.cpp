// Program entry: the command line, answered without a window where it asks for no window; the
// window system; one instance only, claimed before anything else; German standard dialogs;
// then the main window, with the session's end in view.
#include "aufruf.h"
#include "einzelinstanz.h"
#include "grossseiten.h"
#include "hauptfenster.h"
#include "programmsymbol.h"
#include "sitzung.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSessionManager>
#include <QTranslator>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Where an X display exists beside Wayland (XWayland), the program uses it: only there can it
// keep the backdrop below its window and grab Ctrl+Alt+W. A user's own choice stands.
void FenstersystemWaehlen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const lexidor::Aufruf aufruf =
        lexidor::AufrufDeuten(std::vector<std::string>(argv + 1, argv + argc));
    switch (aufruf.Art) {
    case lexidor::Aufrufart::Hilfe:
    case lexidor::Aufrufart::Version:
        std::fputs(aufruf.Text.c_str(), stdout);
        return 0;
    case lexidor::Aufrufart::Fehler:
        std::fputs(aufruf.Text.c_str(), stderr);
        return lexidor::kAufruffehler;
    case lexidor::Aufrufart::Starten:
        break;
    }

    FenstersystemWaehlen();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lexidor"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.karvello.Lexidor"));
    QApplication::setWindowIcon(lexidor::Programmsymbol());

    // Before the main window and its start-up messages, so that a second start always finds
    // this one, even while it still shows a message. The box goes with its full path: the
    // first instance runs in another folder.
    const QString kartei =
        aufruf.Datei.empty()
            ? QString()
            : QFileInfo(QFile::decodeName(aufruf.Datei.c_str())).absoluteFilePath();
    lexidor::Einzelinstanz instanz;
    if (!instanz.Beanspruchen(kartei)) {
        return 0;
    }

    // The standard dialogs speak German whatever the system's language.
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QStringLiteral("qtbase_de"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtDeutsch);
    }

    lexidor::GrosseSeitenNutzen();
    TForm1 form1(kartei.isEmpty() ? QStringList() : QStringList{kartei});
    instanz.FensterSetzen(&form1, [&form1](const QString& pfad) { form1.KarteiUebernehmen(pfad); });
    const lexidor::Signalwache wache([&form1] { form1.SitzungBeenden(); });
    // At logout the session manager asks first, as a close would; the program ends after.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form1,
                     [&form1](QSessionManager& sitzung) {
                         const bool fragen = sitzung.allowsInteraction();
                         if (!form1.SitzungBeantworten(fragen)) {
                             sitzung.cancel();
                         }
                         sitzung.release();
                     });
    form1.show();
    return app.exec();
}

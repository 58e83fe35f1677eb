// Program entry: one instance only, claimed before anything else, German standard dialogs,
// then the main window.
#include "einzelinstanz.h"
#include "hauptfenster.h"
#include "programmsymbol.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lexidor"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.karvello.Lexidor"));
    QApplication::setWindowIcon(lexidor::Programmsymbol());

    // Before the main window and its start-up messages, so that a second start always finds
    // this one, even while it still shows a message.
    lexidor::Einzelinstanz instanz;
    if (!instanz.Beanspruchen()) {
        return 0;
    }

    // The standard dialogs speak German whatever the system's language.
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QStringLiteral("qtbase_de"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtDeutsch);
    }

    TForm1 form1(QApplication::arguments().mid(1));
    instanz.FensterSetzen(&form1);
    form1.show();
    return app.exec();
}

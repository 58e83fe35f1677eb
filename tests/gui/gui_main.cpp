// Runs the window tests in one QApplication on the offscreen platform, with the German
// standard dialogs the program itself loads.
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The user's data folder, where a recovery copy lies, is one of the tests' own.
    const QTemporaryDir daten;
    qputenv("XDG_DATA_HOME", QFile::encodeName(daten.path()));
    QApplication app(argc, argv);
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QStringLiteral("qtbase_de"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtDeutsch);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "table/card_images.h"
#include "table/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarolás"));
    QApplication::setApplicationVersion(QStringLiteral(TAROLAS_VERSION));
    // Ties the window to its launcher: the desktop entry's name here, its StartupWMClass is the
    // window's X class, which Qt takes from the application name.
    QGuiApplication::setDesktopFileName(QStringLiteral("hu.tarolas.tarolas"));
    QApplication::setWindowIcon(CardImages::programIcon());

    // Qt's own buttons and menus in Hungarian too ("Igen", "Nem").
    QTranslator qtForditas;
    if (qtForditas.load(QLocale(QLocale::Hungarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtForditas);

    Form1 ablak;
    ablak.show();
    return app.exec();
}

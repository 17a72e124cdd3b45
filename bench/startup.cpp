// Start-up as the player sees it: the main window shown and its first table painted, then exit at
// once, before anything the program leaves for later and before tearing down. Timed as a whole
// process by startup_ratio (see bare_window.cpp and bare_main_window.cpp for the yardsticks).
#include <QApplication>
#include <cstdlib>
#include <QEvent>
#include <QLibraryInfo>
#include <QSettings>
#include <QTimer>
#include <QTranslator>

#include "access/accessibility.h"
#include "store/memory.h"
#include "table/form1.h"
#include "table/table_widget.h"

namespace {
// Ends the process once the table has been painted after its first redraw.
class ElsoFestes : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* tabla = static_cast<TableWidget*>(o);
        if (e->type() == QEvent::Paint && tabla->festettMagassag() > 0) QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
        return false;
    }
};
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTranslator qtForditas;
    if (qtForditas.load(QLocale(QLocale::Hungarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtForditas);

    Form1 ablak;
    akadalymentesseg(ablak);
    // With TAROLAS_STARTUP_MAPPA the window remembers from that folder, as the game does from the
    // player's: put a match.json there to time a start that takes it up.
    if (const QString mappa = qEnvironmentVariable("TAROLAS_STARTUP_MAPPA"); !mappa.isEmpty()) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mappa + QStringLiteral("/config"));
        emlekezet(ablak, mappa);
    }
    // With TAROLAS_STARTUP_OSZT a new match is dealt before the first paint: the same cards to
    // draw as a match taken up, without the file.
    if (qEnvironmentVariableIsSet("TAROLAS_STARTUP_OSZT")) ablak.ujjatek_Click();
    ElsoFestes figyelo;
    ablak.Picture3->installEventFilter(&figyelo);
    ablak.show();
    return app.exec();
}

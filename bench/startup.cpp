// Start-up as the player sees it: the main window shown and its first table painted, then exit.
// Timed as a whole process (see bare_window.cpp for the yardstick).
#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include "access/accessibility.h"
#include "table/form1.h"
#include "table/table_widget.h"

namespace {
// Quits once the table has been painted after its first redraw.
class ElsoFestes : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* tabla = static_cast<TableWidget*>(o);
        if (e->type() == QEvent::Paint && tabla->festettMagassag() > 0) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
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
    ElsoFestes figyelo;
    ablak.Picture3->installEventFilter(&figyelo);
    ablak.show();
    return app.exec();
}

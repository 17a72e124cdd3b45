// A second yardstick for startup.cpp: a bare main window of the game's first size, with a menu bar,
// a status bar and a green central widget, shown and painted once, then exit. Beside
// bare_window.cpp it tells what the text of the menus and the larger window cost by themselves.
#include <QApplication>
#include <cstdlib>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include "table/layout.h"
#include "table/window_size.h"

namespace {
class Zold : public QWidget {
protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter(this).fillRect(e->rect(), QColor(0, 128, 0));
        QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
    }
};
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow ablak;
    ablak.menuBar()->addMenu(QStringLiteral("&Fájl"))->addAction(QStringLiteral("Új játék"));
    ablak.menuBar()->addMenu(QStringLiteral("&Súgó"))->addAction(QStringLiteral("Játékszabály"));
    ablak.statusBar()->showMessage(QStringLiteral("Új játék: F2"));
    ablak.setCentralWidget(new Zold);
    // Sized as the game's first window is (see Form1).
    constexpr int tw = tarolas::kTwipPerPixel;
    const QSize terv(6915 / tw, 5220 / tw + ablak.menuBar()->sizeHint().height());
    const QRect hely = ablak.screen()->availableGeometry();
    const tarolas::Meret meret = tarolas::elsoAblak({terv.width(), terv.height()}, {hely.width(), hely.height()});
    ablak.resize(meret.w, meret.h);
    ablak.show();
    return app.exec();
}

// The yardstick for startup.cpp: a bare window of the same size, shown and painted once, then exit.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {
class Ures : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor(0, 128, 0));
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Ures ablak;
    ablak.resize(461, 348);
    ablak.show();
    return app.exec();
}

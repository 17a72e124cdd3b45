// The yardstick for startup.cpp: a bare window of the table's own size, shown and painted once,
// then exit at once, as startup.cpp does.
#include <QApplication>
#include <cstdlib>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {
class Ures : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor(0, 128, 0));
        QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
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

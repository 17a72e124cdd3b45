// The yardstick for startup.cpp: a bare window of the table's own size, shown and painted once,
// then exit at once, as startup.cpp does. With --felirat it also writes one line of text, which
// tells what the fonts cost any window that shows a word.
#include <QApplication>
#include <cstdlib>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {
class Ures : public QWidget {
public:
    bool felirat = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0, 128, 0));
        if (felirat) p.drawText(rect(), Qt::AlignCenter, QStringLiteral("20 kártya"));
        QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
    }
};
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Ures ablak;
    ablak.felirat = argc > 1 && QByteArrayView(argv[1]) == "--felirat";
    ablak.resize(461, 348);
    ablak.show();
    return app.exec();
}

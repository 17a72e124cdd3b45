// A drag of the window's edge, frame by frame, beside a bare main window dragged the same way in the
// same run: 60 frames, each 4 px wider and higher than the last, from 1600 x 900, with a deal half-way
// through on the table. A frame is the resize, the table's repaint at the new size and the events
// that follow, handled. Prints the median, the 90th percentile, the worst frame, the frames over
// 16 ms and the ratio of the medians; then how long after the drag the table last repainted (the
// settled picture). Meant for a real X server: xvfb-run -a -s "-screen 0 1920x1080x24"; for a
// device pixel ratio of 2 set QT_SCALE_FACTOR=2.
//
//   resize_drag [rounds [picture.png]]    (3 rounds by default, alternating the two windows;
//                                         the game's window saved as it stands after the last drag)
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QStatusBar>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "access/accessibility.h"
#include "mid_deal.h"
#include "table/form1.h"
#include "table/table_widget.h"

namespace {

constexpr QSize kKezdet(1600, 900);
constexpr int kKepkockak = 60;
constexpr int kLepes = 4;

// The yardstick: a menu bar, a status bar and a green central widget, nothing else.
class Zold : public QWidget {
protected:
    void paintEvent(QPaintEvent* e) override { QPainter(this).fillRect(e->rect(), QColor(0, 128, 0)); }
};

struct Ures : QMainWindow {
    Ures() {
        menuBar()->addMenu(QStringLiteral("&Fájl"))->addAction(QStringLiteral("Új játék"));
        menuBar()->addMenu(QStringLiteral("&Súgó"))->addAction(QStringLiteral("Játékszabály"));
        statusBar()->showMessage(QStringLiteral("Új játék: F2"));
        setCentralWidget(new Zold);
    }
};

// Tells when the central widget has been painted at a size it had not been painted at before.
class Festesfigyelo : public QObject {
public:
    QSize utolso;
    bool uj = false;
    QElapsedTimer ora;
    qint64 utolsoFestes = 0;  // ms on `ora`
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            const QSize s = static_cast<QWidget*>(o)->size();
            if (s != utolso) uj = true;
            utolso = s;
            if (ora.isValid()) utolsoFestes = ora.elapsed();
        }
        return false;
    }
};

struct Eredmeny {
    std::vector<double> kepkockak;  // ms
    std::vector<double> nyugvas;    // ms from the last frame to the last repaint
};

void varj(int ms) {
    QEventLoop hurok;
    QTimer::singleShot(ms, &hurok, &QEventLoop::quit);
    hurok.exec();
}

bool latszik(QWidget& w) {
    w.show();
    for (int i = 0; i < 100 && !(w.windowHandle() && w.windowHandle()->isExposed()); ++i) varj(20);
    return w.windowHandle() && w.windowHandle()->isExposed();
}

// One drag from the start size; the window rests there first until nothing is left to do.
void huzas(QWidget& ablak, Festesfigyelo& f, Eredmeny& e) {
    ablak.resize(kKezdet);
    varj(400);
    QSize s = kKezdet;
    QElapsedTimer ora;
    for (int i = 0; i < kKepkockak; ++i) {
        s += QSize(kLepes, kLepes);
        f.uj = false;
        ora.start();
        ablak.resize(s);
        while (!f.uj && ora.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        e.kepkockak.push_back(static_cast<double>(ora.nsecsElapsed()) / 1e6);
    }
    f.ora.start();
    f.utolsoFestes = 0;
    varj(500);
    e.nyugvas.push_back(static_cast<double>(f.utolsoFestes));
    f.ora.invalidate();
}

double hanyad(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(std::min<double>(static_cast<double>(v.size()) - 1, q * static_cast<double>(v.size() - 1) + 0.5));
    return v[i];
}

void kiir(const char* nev, const Eredmeny& e) {
    const auto lassu = std::count_if(e.kepkockak.begin(), e.kepkockak.end(), [](double t) { return t > 16.0; });
    std::printf("%-5s frames %3zu  median %6.2f ms  p90 %6.2f ms  worst %6.2f ms  over 16 ms %3td  settled after %5.0f ms\n",
                nev, e.kepkockak.size(), hanyad(e.kepkockak, 0.5), hanyad(e.kepkockak, 0.9),
                *std::max_element(e.kepkockak.begin(), e.kepkockak.end()), lassu, hanyad(e.nyugvas, 0.5));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int korok = argc > 1 ? std::max(1, atoi(argv[1])) : 3;

    Ures ures;
    Festesfigyelo uresFigyelo;
    ures.centralWidget()->installEventFilter(&uresFigyelo);

    Form1 jatek;
    akadalymentesseg(jatek);
    Festesfigyelo jatekFigyelo;
    jatek.Picture3->installEventFilter(&jatekFigyelo);
    kozepe(jatek);
    jatek.ujrarajzol();

    Eredmeny u, j;
    for (int k = 0; k < korok; ++k) {
        // One window on the screen at a time, so neither uncovers the other.
        if (!latszik(ures)) return 1;
        huzas(ures, uresFigyelo, u);
        ures.hide();
        if (!latszik(jatek)) return 1;
        huzas(jatek, jatekFigyelo, j);
        if (k == korok - 1 && argc > 2) jatek.grab().save(QString::fromLocal8Bit(argv[2]));
        jatek.hide();
    }
    std::printf("device pixel ratio %.2f, %d rounds of %d frames, %d px a frame from %dx%d\n", jatek.devicePixelRatioF(),
                korok, kKepkockak, kLepes, kKezdet.width(), kKezdet.height());
    kiir("bare", u);
    kiir("game", j);
    std::printf("ratio of medians %.2f\n", hanyad(j.kepkockak, 0.5) / hanyad(u.kepkockak, 0.5));
    return 0;
}

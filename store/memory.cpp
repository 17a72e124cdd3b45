#include "memory.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QRandomGenerator>
#include <QScreen>
#include <QSettings>
#include <QSocketNotifier>
#include <QStatusBar>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "table/form1.h"
#include "windows/statistics_window.h"

namespace {

QSettings beallitasFajl() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(tarolas::Tarolo::kSzervezet),
                     QLatin1String(tarolas::Tarolo::kNev));
}

// SIGTERM (a log-out, a system shutting down) closes the window as "Kilép" does, from the event loop.
int jelzesCsatorna[2] = {-1, -1};
void sigterm(int) {
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(jelzesCsatorna[0], &c, 1);
}

}  // namespace

Emlekezet::Emlekezet(Form1& ablak, const QString& konyvtar)
    : QObject(&ablak), ablak_(ablak), tarolo_(std::make_unique<tarolas::Tarolo>(konyvtar)) {
    setObjectName(QStringLiteral("Emlekezet"));
    beallitasok();

    QStringList uzenetek;
    QString hiba;
    if (tarolo_->zar() == tarolas::Tarolo::Zar::Masik) {
        uzenetek << tr("A Tarolás már fut: ez az ablak nem folytatja és nem menti a félbehagyott játékot.");
    } else if (std::optional<tarolas::Mentes> m = tarolo_->meccs(hiba)) {
        ablak_.jatek().folytat(m->kep);
        szamlalo_ = m->szamlalo;
        ablak_.erosellenfel->setChecked(m->kep.erosGep);
        ablak_.folytatva();
        uzenetek << tr("A félbehagyott játék folytatódik.");
    }
    if (!hiba.isEmpty()) uzenetek << hiba;
    hiba.clear();
    tarolo_->rekord(hiba);  // an unreadable record is set aside now, and said at once
    if (!hiba.isEmpty()) uzenetek << hiba;
    if (const QString h = tarolo_->mentesiHiba(); !h.isEmpty()) uzenetek << h;
    uzenet_ = uzenetek.join(QLatin1Char(' '));
    if (!uzenet_.isEmpty()) mond(uzenet_);

    ablak_.jatek().figyelotAd([this](const tarolas::Esemeny& e) { esemeny(e); });
    connect(&ablak_, &Form1::jatekVar, this, &Emlekezet::mentes);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Emlekezet::kilepes);

    statisztika = new QAction(tr("Statisztika"), this);
    statisztika->setObjectName(QStringLiteral("statisztika"));
    statisztika->setShortcut(Qt::Key_F4);
    connect(statisztika, &QAction::triggered, this, &Emlekezet::statisztikaClick);
    // Below "Erős ellenfél", above the separator before "Kilép".
    const QList<QAction*> menupontok = ablak_.fajl->actions();
    const qsizetype utana = menupontok.indexOf(ablak_.erosellenfel) + 1;
    ablak_.fajl->insertAction(utana < menupontok.size() ? menupontok[utana] : nullptr, statisztika);

    if (jelzesCsatorna[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, jelzesCsatorna) == 0) {
        auto* ertesito = new QSocketNotifier(jelzesCsatorna[1], QSocketNotifier::Read, this);
        connect(ertesito, &QSocketNotifier::activated, this, [this] {
            char c;
            [[maybe_unused]] const auto n = ::read(jelzesCsatorna[1], &c, 1);
            ablak_.kilep_Click();
        });
        struct sigaction sa {};
        sa.sa_handler = sigterm;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &sa, nullptr);
    }
}

Emlekezet::~Emlekezet() {
    // The signal goes back to ending the program once no window is there to close.
    if (jelzesCsatorna[0] >= 0 && findChild<QSocketNotifier*>()) {
        std::signal(SIGTERM, SIG_DFL);
        ::close(jelzesCsatorna[0]);
        ::close(jelzesCsatorna[1]);
        jelzesCsatorna[0] = jelzesCsatorna[1] = -1;
    }
}

void Emlekezet::beallitasok() {
    QSettings s = beallitasFajl();
    ablak_.erosellenfel->setChecked(s.value(QStringLiteral("beallitasok/erosEllenfel"), false).toBool());
    connect(ablak_.erosellenfel, &QAction::toggled, this,
            [](bool be) { beallitasFajl().setValue(QStringLiteral("beallitasok/erosEllenfel"), be); });

    // A place that no longer fits on any screen keeps the first window's sizing.
    const QRect hely = s.value(QStringLiteral("ablak/hely")).toRect();
    bool elfer = false;
    for (const QScreen* k : QGuiApplication::screens()) elfer = elfer || k->availableGeometry().contains(hely);
    if (hely.isValid() && elfer) {
        ablak_.move(hely.topLeft());
        ablak_.resize(hely.size());
    }
    if (s.value(QStringLiteral("ablak/maximalt"), false).toBool()) ablak_.setWindowState(Qt::WindowMaximized);
}

void Emlekezet::mond(const QString& szoveg) { ablak_.StatusBar1->showMessage(szoveg, 20000); }

tarolas::Rekord Emlekezet::rekord() {
    QString hiba;
    tarolas::Rekord r = tarolo_->rekord(hiba);
    for (std::size_t i = 0; i < r.size(); ++i) tarolas::leosztasokat(r[i], szamlalo_.leosztasok[i]);
    return r;
}

void Emlekezet::mentes() {
    if (ablak_.busy()) return;
    const tarolas::GameState& st = ablak_.st();
    if (st.kiadottlapok.empty() || st.soron != tarolas::kJatekos) {
        tarolo_->meccsTorlesHatterben();
    } else {
        const tarolas::Pillanatkep kep = ablak_.jatek().pillanatkep();
        if (tarolas::ertelmes(kep)) tarolo_->meccsMentesHatterben({kep, szamlalo_});
    }
    if (const QString h = tarolo_->mentesiHiba(); !h.isEmpty()) mond(h);
}

void Emlekezet::esemeny(const tarolas::Esemeny& e) {
    const std::uint64_t uj = QRandomGenerator::global()->generate64();
    if (const std::optional<tarolas::Lezart> lezart = szamlalo_.esemeny(e, ablak_.jatek().erosGep(), uj))
        tarolo_->hozzaad(*lezart);
    // A finished match leaves nothing to resume, even if the game ends before the next question.
    if (e.mi == tarolas::Tortent::MeccsVege) tarolo_->meccsTorlesHatterben();
}

void Emlekezet::kilepes() {
    QSettings s = beallitasFajl();
    // The place of the frame, as the window manager places a window, with the size inside it. A
    // maximised window's frame is not the one it has in its place, so that place is kept as it was.
    if (!ablak_.isMaximized())
        s.setValue(QStringLiteral("ablak/hely"), QRect(ablak_.pos(), ablak_.geometry().size()));
    s.setValue(QStringLiteral("ablak/maximalt"), ablak_.isMaximized());
    mentes();
    tarolo_->bevar();
    // A copy that cannot keep its match counts it as left, so the record still has its deals.
    if (tarolo_->zar() == tarolas::Tarolo::Zar::Masik && szamlalo_.meccsben)
        tarolo_->hozzaad({tarolas::Lezart::Felbehagyott, ablak_.jatek().erosGep(), szamlalo_.leosztasok, szamlalo_.azonosito});
}

void Emlekezet::statisztikaClick() {
    Statisztika ablak(&ablak_, rekord(), [this] {
        tarolo_->nullazas();
        szamlalo_.leosztasok = {};
        mentes();
        return rekord();
    });
    ablak.exec();
}

Emlekezet* emlekezet(Form1& ablak, const QString& konyvtar) { return new Emlekezet(ablak, konyvtar); }

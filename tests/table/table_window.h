#pragma once

// The main window on a table of 540 x 360 pixels for the table tests, and a few positions to set up.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "access/accessibility.h"
#include "table/forditas.h"
#include "table/form1.h"
#include "table/table_widget.h"

namespace tarolas::test {

// The window on a 540 x 360 table, its message boxes answered "Nem" at once, their texts kept.
struct Ablak : Form1 {
    std::vector<std::string> uzenetek;
    Ablak() {
        akadalymentesseg(*this);
        Timer1->setInterval(1);
        show();
        resize(width() + 540 - Picture3->width(), height() + 360 - Picture3->height());
        EXPECT_TRUE(QTest::qWaitFor([this] { return Picture3->size() == QSize(540, 360); }));
    }
    void katt(int x, int y, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(Picture3, b, {}, QPoint(x, y)); }
    MsgResult messageBox(const std::string& szoveg, MsgButtons, bool) override {
        uzenetek.push_back(jatekSzoveg(szoveg));  // as the player reads it
        return MsgResult::No;
    }
    // A left release that runs `kozben` on every tick of the pauses of the move it starts.
    void kattKozben(int x, int y, const std::function<void()>& kozben) {
        QObject o;
        connect(Timer1, &QTimer::timeout, &o, kozben);
        katt(x, y);
    }
};

// The texts of the notifications raised for a screen reader so far, oldest first.
inline std::vector<std::string> ertesitesek(QWidget& ablak) {
    std::vector<std::string> t;
    for (QObject* o : ablak.children()) {
        QAccessibleInterface* a = o->isWidgetType() ? QAccessible::queryAccessibleInterface(o) : nullptr;
        if (a && a->role() == QAccessible::Notification)
            t.push_back(a->childCount() > 0 ? a->child(0)->text(QAccessible::Name).toStdString() : std::string());
    }
    return t;
}

enum Hely { Nyit, Also, Valasz, Takart, Gepe };

// Nine cards in the talon, the Tök ász turned up, the player to lead; from `Also` on the player
// holds the Tök alsó; `Valasz`: the computer has led the Makk ász; `Takart`: the talon is closed.
inline void allas(Form1& f, Hely mi) {
    const Kartya d = mi == Nyit ? 24 : 35, g = mi == Valasz ? 0 : 21, t = mi == Valasz ? 21 : 0;
    GameState& st = f.jatek().st;
    st = GameState{};
    st.kezek = {{{12, 13, 14, 15, g}, {11, 22, 45, d, 25}}};
    st.kiadottlapok = {12, 13, 14, 15, 21, 11, 22, 45, d, 25, 31};
    st.asztal = t ? Lista{t} : Lista{};
    std::tie(st.talonszam, st.adulap, st.adu, st.tet, st.soron) = std::tuple(9, 31, 3, t, mi == Gepe ? kGep : kJatekos);
    st.takart = mi == Takart;
    st.bemondas = {20, 40};
    f.ujrarajzol();
}

}  // namespace tarolas::test

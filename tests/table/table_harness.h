#pragma once

// Shared pieces of the table tests: a window with short pauses and a table of a chosen size, a
// position set up by hand, and a helper that answers modal boxes as they appear.

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <initializer_list>

#include "game/cards.h"
#include "table/form1.h"
#include "table/table_widget.h"

namespace tarolas::test {

// Answers every modal window shortly after it opens: a message box with the chosen button (Yes/No
// boxes) or OK, any other dialog by closing it. Keeps the texts it has seen.
class Valaszolo : public QObject {
public:
    explicit Valaszolo(QMessageBox::StandardButton igenNem = QMessageBox::No) : igenNem_(igenNem) {
        timer_.setInterval(2);
        connect(&timer_, &QTimer::timeout, this, [this] { valaszol(); });
        timer_.start();
    }
    QStringList szovegek;  // message box texts, in order
    int parbeszedek = 0;   // other dialogs closed

    void valaszol() {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            szovegek << box->text();
            QAbstractButton* b = box->button(igenNem_);
            if (!b) b = box->button(QMessageBox::Ok);
            if (b) b->click();
        } else if (auto* d = qobject_cast<QDialog*>(w)) {
            ++parbeszedek;
            d->reject();
        }
    }

private:
    QMessageBox::StandardButton igenNem_;
    QTimer timer_;
};

// Fits the main window so that the table is exactly w x h pixels.
inline void asztalMeret(Form1& f, int w, int h) {
    for (int i = 0; i < 20 && f.Picture3->size() != QSize(w, h); ++i) {
        f.resize(f.width() + w - f.Picture3->width(), f.height() + h - f.Picture3->height());
        QTest::qWait(5);
    }
}

// A shown window with pauses of a few milliseconds.
inline void elokeszit(Form1& f, int w, int h) {
    f.Timer1->setInterval(1);
    f.show();
    (void)QTest::qWaitForWindowExposed(&f);
    asztalMeret(f, w, h);
}

struct Allas {
    std::array<Kartya, 5> gep{};
    std::array<Kartya, 5> jatekos{};
    Kartya adulap = 0;
    int adu = 0;  // taken from adulap when 0
    Lista asztal, gepvitt, jatekosvitt;
};

// Puts the game in the given position, the player to move, and redraws. The cards not named stay
// in the talon, in the order the generator will draw them.
inline void beallit(Form1& f, const Allas& a) {
    GameState& st = f.jatek().st;
    st.kezek = {a.gep, a.jatekos};
    st.kiadottlapok.clear();
    for (const auto& kez : st.kezek)
        for (Kartya c : kez)
            if (c) st.kiadottlapok.push_back(c);
    if (a.adulap) st.kiadottlapok.push_back(a.adulap);
    for (const Lista* l : {&a.asztal, &a.gepvitt, &a.jatekosvitt}) st.kiadottlapok.insert(st.kiadottlapok.end(), l->begin(), l->end());
    st.talonszam = static_cast<std::int16_t>(20 - st.kiadottlapok.size());
    st.adulap = a.adulap;
    st.adu = static_cast<std::int16_t>(a.adu ? a.adu : szinje(a.adulap));
    st.asztal = a.asztal;
    st.tet = a.asztal.empty() ? 0 : a.asztal.front();
    st.gepvittlapok = a.gepvitt;
    st.jatekosvittlapok = a.jatekosvitt;
    st.soron = kJatekos;
    st.takart = false;
    st.bemondas = {0, 0};
    st.husz = st.negyven = false;
    st.tarolas = {false, false};
    st.tarolashato = a.gepvitt.empty() && a.jatekosvitt.empty() && a.asztal.empty();
    f.ujrarajzol();
}

inline bool kezben(const GameState& st, Kartya c) {
    return std::find(st.kezek[kJatekos].begin(), st.kezek[kJatekos].end(), c) != st.kezek[kJatekos].end();
}

// The card has left the player's hand for the trick or a pile.
inline bool kijatszva(const GameState& st, Kartya c) {
    auto benne = [c](const Lista& l) { return std::find(l.begin(), l.end(), c) != l.end(); };
    return !kezben(st, c) && (benne(st.asztal) || benne(st.gepvittlapok) || benne(st.jatekosvittlapok));
}

// Everything a release or a move can change.
struct Kep {
    std::array<std::array<Kartya, 5>, 2> kezek;
    Lista asztal, gepvitt, jatekosvitt;
    Kartya adulap;
    bool takart, tarolashato;
    std::int16_t soron, talonszam;
    explicit Kep(const GameState& st)
        : kezek(st.kezek), asztal(st.asztal), gepvitt(st.gepvittlapok), jatekosvitt(st.jatekosvittlapok),
          adulap(st.adulap), takart(st.takart), tarolashato(st.tarolashato), soron(st.soron), talonszam(st.talonszam) {}
    bool operator==(const Kep&) const = default;
};

inline void katt(Form1& f, int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(f.Picture3, b, Qt::NoModifier, QPoint(x, y));
}

inline void mozgat(Form1& f, int x, int y) { QTest::mouseMove(f.Picture3, QPoint(x, y)); }

}  // namespace tarolas::test

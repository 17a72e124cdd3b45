#pragma once

// The card table's face towards screen readers: an accessible named "Kártyaasztal" whose children,
// after its buttons and label, are the things on the table as the last redraw painted them, the
// player's cards gathered in a list of their own, "Kezed". Its description is where the play stands.

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "access/spoken_text.h"
#include "game/events.h"

class Form1;
class TableWidget;

// What the table's accessible reads, kept as a child of the table and brought up to date from the
// window's signals; it raises the events a screen reader follows.
class AsztalLeiras : public QObject {
    Q_OBJECT
public:
    explicit AsztalLeiras(Form1& ablak);

    // The table's own, or null.
    static AsztalLeiras* ehhez(const QObject* asztal);
    TableWidget* asztal() const;

    // The things on the table, in reading order.
    const std::vector<tarolas::AsztalElem>& elemek() const { return elemek_; }
    // The one the keyboard selects, index into `elemek`, -1 for none; it is the focused child.
    int kivalasztott() const { return kivalasztott_; }
    // Where the play stands, or how to start while no match is on; empty from the end of a deal
    // to the next, while the table still shows the old one.
    const QString& allapot() const { return allapot_; }
    // A deal is over and the next not dealt yet: its box is up or has just closed.
    bool leosztasKozott() const { return leosztasKozott_; }

    // A new picture was painted.
    void rajzolva();
    // The window showed its selection; another selected thing is told as focused.
    void kivalasztas();
    // The play may have moved on; a new description is told.
    void allapotFrissites();
    // Something happened in the game: a deal ended, or a new one was dealt.
    void esemeny(const tarolas::Esemeny& e);
    // The play goes on after a deal dealt behind the end-of-deal box: where it stands may be read again.
    void ujOsztasElmondva();
    // The selected thing is told as focused, while the table has the keyboard focus.
    void fokuszJelzes();

private:
    std::vector<tarolas::AsztalElem> elemekMost() const;
    int kivalasztottMost() const;
    QString allapotMost() const;

    Form1& ablak_;
    std::vector<tarolas::AsztalElem> elemek_;
    int kivalasztott_ = -1;
    std::string kivalasztottNev_;
    QString allapot_;
    bool leosztasKozott_ = false;
    bool ujOsztas_ = false;  // dealt after the box, not yet told
};

// Makes `ablak`'s table read through the accessible above, from now on; once per window, before it
// is shown.
AsztalLeiras* asztalAkadalymentes(Form1& ablak);

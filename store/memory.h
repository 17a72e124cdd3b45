#pragma once

// What the game remembers between runs, added to a window: the options and the window's place
// (QSettings), the unfinished match, saved whenever the game waits for the player and taken up at
// the next start, and the record, counted from the game's events, with its window, Statisztika.

#include <QObject>
#include <QString>
#include <memory>

#include "store/store.h"

class Form1;
class QAction;

class Emlekezet : public QObject {
    Q_OBJECT
public:
    // `konyvtar`: where the files are (Tarolo::alapKonyvtar() in the game).
    Emlekezet(Form1& ablak, const QString& konyvtar);
    ~Emlekezet() override;

    QAction* statisztika = nullptr;  // Fájl → Statisztika
    tarolas::Tarolo& tarolo() { return *tarolo_; }
    // The record as shown: the file's, with the deals of the match under way.
    tarolas::Rekord rekord();
    // What the status bar said at the start, for tests.
    const QString& inditasiUzenet() const { return uzenet_; }

    // Saves the match if the game waits for the player, or forgets it if none is on.
    void mentes();
    void statisztikaClick();

private:
    void esemeny(const tarolas::Esemeny& e);
    void beallitasok();
    void kilepes();
    void mond(const QString& szoveg);

    Form1& ablak_;
    std::unique_ptr<tarolas::Tarolo> tarolo_;
    tarolas::Szamlalo szamlalo_;
    QString uzenet_;
};

// Adds all of it to `ablak`, once, after its construction and before it is shown; the window owns it.
Emlekezet* emlekezet(Form1& ablak, const QString& konyvtar = tarolas::Tarolo::alapKonyvtar());

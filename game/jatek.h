#pragma once

// The public face of the game: the state, the window-system interface, the random source and the
// procedures of the rules and of the computer opponent. Nothing here depends on Qt.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cards.h"
#include "events.h"
#include "platform.h"
#include "random.h"
#include "snapshot.h"
#include "state.h"

namespace tarolas {

namespace eros {
struct Beallitas;  // the strong opponent's settings (computer/strong.h)
}

inline constexpr const char* kCim = "Tarolás";  // the application title, on every message box

// What a strong player would do in the player's seat: exchange the trump card first, close the
// talon, announce a 20 or 40, then lead or answer `lap`; or press Kész (`lap` 0), after the
// announcement if any.
struct Tipp {
    bool kesz = false;
    bool csere = false;
    int bemondas = 0;  // 0, 20 or 40
    Kartya lap = 0;
    bool takaras = false;  // close the talon before the lead

    bool operator==(const Tipp&) const = default;
};

// The status bar's first panel during a deal: "Az adu színe: PIROS" and so on, for suit digit 1..4.
const char* aduSzoveg(int adu);

// Which of the four action buttons are offered now: 0 "Tarolás", 1 "40", 2 "20", 3 "Kész".
std::array<bool, 4> offeredButtons(const GameState& st);

class Jatek {
public:
    Jatek(Platform& platform, RandomSource& random);
    ~Jatek();

    // Who hears what happens, as it happens (game/events.h); none by default. Each listener hears
    // every event, in the order they were added; setFigyelo leaves only the one given.
    void setFigyelo(Figyelo f) {
        figyelok_.clear();
        figyelotAd(std::move(f));
    }
    void figyelotAd(Figyelo f) {
        if (f) figyelok_.push_back(std::move(f));
    }

    // The match as data, between two moves (game/snapshot.h), and the same match taken up again:
    // the state, the card generator and the strong opponent's setting and seed.
    Pillanatkep pillanatkep() const;
    void folytat(const Pillanatkep& p);

    GameState st;

    // Starting play (game/deal.cpp).
    void Form_Load();
    void ujjatek_Click();
    void ujjatszma();
    Kartya lapgeneralo();

    // Cards and points (game/cards.cpp).
    static std::string megnevezo(Kartya szam) { return tarolas::megnevezo(szam); }
    std::int32_t lapertekszamolo(int j) const;
    std::int16_t pontjai(int side) const;  // announcements + captured cards

    // The player's card (game/legality.cpp).
    Kartya laptetel(int i);
    bool lephete(int kartya);

    // The player's moves on the table, as the pointer handler makes them (game/player_moves.cpp).
    void kijatszas(int i);     // play hand slot i; the computer answers or the trick is evaluated
    void adulapcsere();        // exchange the trump card under the talon for the trump alsó
    void talontakaras();       // close the talon
    bool talonbanJatszik() const;  // exchange and closing are possible: leading, talon open, cards in it

    // A complete trick (game/trick.cpp).
    void ertekeles();

    // The action buttons (game/announcements.cpp).
    void Command1_Click(int index);

    // End of a deal and of the match (game/scoring.cpp).
    void vege(int utolsouto);

    // The computer opponent (computer/lead.cpp, computer/reply.cpp).
    void computerhiv();
    void computerlepes();

    // The hint for the player's move, from what the player may know (computer/hint.cpp); all
    // empty when it is not the player's move.
    Tipp tipp() const;

    // The strong opponent makes the computer's choices instead of the fixed rules; off by default.
    void setErosGep(bool on) { erosGep_ = on; }
    bool erosGep() const { return erosGep_; }
    eros::Beallitas& erosBeallitas() { return *eros_; }

private:
    void kiderult(Kartya valasz, int oldal = kJatekos);  // what a strict answer tells of a side's hand
    void jelez(const Esemeny& e) const {
        for (const Figyelo& f : figyelok_) f(e);
    }

    bool erosGep_ = false;
    std::unique_ptr<eros::Beallitas> eros_;
    std::vector<Figyelo> figyelok_;
    Platform& platform_;
    RandomSource& random_;
};

}  // namespace tarolas

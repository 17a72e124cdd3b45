#pragma once

// What happens in a deal, reported once, at the moment it happens, to whoever tells the player
// about it. The rules never wait for or depend on a listener.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "scoring.h"  // kDontetlen, the winner of a drawn deal
#include "state.h"

namespace tarolas {

enum class Tortent {
    Osztas,           // a deal is dealt: `lap` the trump card, `kez` the player's hand
    Huzas,            // `ki` drew a card: `lap` is it for the player, 0 for the computer
    Hivas,            // `ki` led `lap`
    Valasz,           // `ki` answered with `lap`
    Bemondas,         // `ki` announced a marriage: `ertek` 20 or 40, `lap` and `masik` its király and felső;
                      // the player's when its card is led, as only then is its suit known
    Csere,            // `ki` exchanged: `lap` the trump card taken, `masik` the alsó put under the talon
    Takaras,          // `ki` closed the talon
    TarolasBemondva,  // `ki` announced all tricks
    Utes,             // `ki` took the trick of `lap` (led) and `masik`, worth `ertek` points
    Kesz,             // `ki` ended the deal: Kész pressed, or the computer counted 66
    JatszmaVege,      // the deal is over: `ki` won (kDontetlen: both), `ertek` units, `indok` why, `egyseg` the match
    MeccsVege,        // the match is over: `ki` won it, `egyseg` the final score
};

struct Esemeny {
    // Most events need only the first few fields; a constructor spares naming the rest.
    Esemeny(Tortent mi = Tortent::Osztas, int ki = kJatekos, Kartya lap = 0, Kartya masik = 0, int ertek = 0)
        : mi(mi), ki(ki), lap(lap), masik(masik), ertek(ertek) {}

    Tortent mi;
    int ki;
    Kartya lap;
    Kartya masik;
    int ertek;
    std::string indok;
    std::array<std::int16_t, 2> egyseg{};
    std::array<Kartya, 5> kez{};

    bool operator==(const Esemeny&) const = default;
};

using Figyelo = std::function<void(const Esemeny&)>;

}  // namespace tarolas

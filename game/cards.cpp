#include "cards.h"

#include "jatek.h"

namespace tarolas {

std::int32_t pontosszeg(const Lista& lapok) {
    std::int32_t osszeg = 0;
    for (Kartya c : lapok) osszeg += pontertek(rangja(c));
    return osszeg;
}

std::string megnevezo(Kartya szam) {
    static constexpr const char* szinek[] = {"", "Piros ", "Makk ", "Tök ", "Zöld "};
    static constexpr const char* rangok[] = {"", "ász", "tíz", "király", "felső", "alsó"};
    const int s = szinje(szam);
    const int r = rangja(szam);
    std::string nev;
    if (s >= 1 && s <= 4) nev += szinek[s];
    if (r >= 1 && r <= 5) nev += rangok[r];
    return nev;
}

std::int32_t Jatek::lapertekszamolo(int j) const {
    if (j == kGep) return pontosszeg(st.gepvittlapok);
    if (j == kJatekos) return pontosszeg(st.jatekosvittlapok);
    return 0;
}

std::int16_t Jatek::pontjai(int side) const {
    return static_cast<std::int16_t>(st.bemondas[side] + lapertekszamolo(side));
}

}  // namespace tarolas

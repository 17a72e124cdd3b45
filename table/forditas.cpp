#include "forditas.h"

#include <cctype>
#include <span>
#include <vector>

#include "computer/hint.h"

namespace tarolas {

namespace {

Fordito fordito_ = nullptr;

// The card names as megnevezo gives them, for lupdate.
[[maybe_unused]] constexpr const char* kLapnevek[] = {
    TAROLAS_SZOVEG("Kartya", "Piros ász"),    TAROLAS_SZOVEG("Kartya", "Piros tíz"),
    TAROLAS_SZOVEG("Kartya", "Piros király"), TAROLAS_SZOVEG("Kartya", "Piros felső"),
    TAROLAS_SZOVEG("Kartya", "Piros alsó"),   TAROLAS_SZOVEG("Kartya", "Makk ász"),
    TAROLAS_SZOVEG("Kartya", "Makk tíz"),     TAROLAS_SZOVEG("Kartya", "Makk király"),
    TAROLAS_SZOVEG("Kartya", "Makk felső"),   TAROLAS_SZOVEG("Kartya", "Makk alsó"),
    TAROLAS_SZOVEG("Kartya", "Tök ász"),      TAROLAS_SZOVEG("Kartya", "Tök tíz"),
    TAROLAS_SZOVEG("Kartya", "Tök király"),   TAROLAS_SZOVEG("Kartya", "Tök felső"),
    TAROLAS_SZOVEG("Kartya", "Tök alsó"),     TAROLAS_SZOVEG("Kartya", "Zöld ász"),
    TAROLAS_SZOVEG("Kartya", "Zöld tíz"),     TAROLAS_SZOVEG("Kartya", "Zöld király"),
    TAROLAS_SZOVEG("Kartya", "Zöld felső"),   TAROLAS_SZOVEG("Kartya", "Zöld alsó"),
};

// The score sheet's pieces with numbers, composed here; the singular ones are looked up whole first.
[[maybe_unused]] constexpr const char* kMintak[] = {
    TAROLAS_SZOVEG("Jatek", "Értéke: %1 pont"),
    TAROLAS_SZOVEG("Jatek", "Értéke: 1 pont"),
    TAROLAS_SZOVEG("Jatek", "%1 pont"),
    TAROLAS_SZOVEG("Jatek", "1 pont"),
};

// `minta` with %1, %2... replaced by `ertekek`, in one pass.
std::string behelyettesit(const std::string& minta, std::span<const std::string> ertekek) {
    std::string t;
    for (std::size_t i = 0; i < minta.size(); ++i) {
        const char c = minta[i];
        if (c == '%' && i + 1 < minta.size() && minta[i + 1] >= '1' &&
            static_cast<std::size_t>(minta[i + 1] - '1') < ertekek.size()) {
            t += ertekek[static_cast<std::size_t>(minta[++i] - '1')];
        } else {
            t += c;
        }
    }
    return t;
}

std::string darab(const std::string& d) {
    if (d.empty()) return d;
    const std::string egesz = forditott("Jatek", d);
    if (egesz != d) return egesz;
    // Its numbers as %1, %2...
    std::string minta;
    std::vector<std::string> szamok;
    for (std::size_t i = 0; i < d.size();) {
        if (std::isdigit(static_cast<unsigned char>(d[i]))) {
            std::size_t j = i;
            while (j < d.size() && std::isdigit(static_cast<unsigned char>(d[j]))) ++j;
            szamok.push_back(d.substr(i, j - i));
            minta += "%" + std::to_string(szamok.size());
            i = j;
        } else {
            minta += d[i++];
        }
    }
    if (szamok.empty() || szamok.size() > 9) return d;
    const std::string forditva = forditott("Jatek", minta);
    if (forditva == minta) return d;
    return behelyettesit(forditva, szamok);
}

}  // namespace

void setFordito(Fordito f) { fordito_ = f; }

std::string forditas(const char* kontextus, const char* szoveg) {
    return fordito_ ? fordito_(kontextus, szoveg) : std::string(szoveg);
}

std::string forditott(const char* kontextus, const std::string& szoveg) {
    return fordito_ ? fordito_(kontextus, szoveg.c_str()) : szoveg;
}

std::string kitolt(const std::string& minta, std::initializer_list<std::string> ertekek) {
    return behelyettesit(minta, std::span(ertekek.begin(), ertekek.size()));
}

std::string lapnev(Kartya c) { return forditott("Kartya", megnevezo(c)); }

std::string jatekSzoveg(const std::string& szoveg) {
    if (!fordito_) return szoveg;
    std::string t, d;
    for (const char c : szoveg) {
        if (c == '\r' || c == '\t') {
            t += darab(d) + c;
            d.clear();
        } else {
            d += c;
        }
    }
    return t + darab(d);
}

std::string tippMondat(const Tipp& t, bool hiv) {
    const std::string magyar = tippSzoveg(t, hiv);
    if (!fordito_ || magyar.empty()) return magyar;
    // Built from the same parts in both languages; when the Hungarian parts do not make the core's
    // sentence, the core says something these parts do not know, and it is left as it is.
    std::string hu, en;
    auto resz = [&](const char* forras) {
        hu += forras;
        en += forditott("Tipp", forras);
    };
    resz(TAROLAS_SZOVEG("Tipp", "Tipp: "));
    if (t.csere) resz(TAROLAS_SZOVEG("Tipp", "cseréld az adut, "));
    if (t.takaras) resz(TAROLAS_SZOVEG("Tipp", "takard be a talont, "));
    if (t.bemondas != 0)
        resz(t.bemondas == 40 ? TAROLAS_SZOVEG("Tipp", "mondj 40-et, ") : TAROLAS_SZOVEG("Tipp", "mondj 20-at, "));
    const bool elotte = t.csere || t.takaras || t.bemondas != 0;
    if (t.kesz) {
        resz(elotte ? TAROLAS_SZOVEG("Tipp", "majd Kész.") : TAROLAS_SZOVEG("Tipp", "Kész, megvan a 66."));
        return hu == magyar ? en : magyar;
    }
    //: %1 is a card's name
    const std::string minta = elotte ? TAROLAS_SZOVEG("Tipp", "majd hívd %1.")
                              : hiv  ? TAROLAS_SZOVEG("Tipp", "hívd %1.")
                                     : TAROLAS_SZOVEG("Tipp", "rakd %1.");
    hu += minta.substr(0, minta.find("%1"));
    en += kitolt(forditott("Tipp", minta), {lapnev(t.lap)});
    return magyar.starts_with(hu) ? en : magyar;
}

}  // namespace tarolas

#include "form1.h"
#include "hit_areas.h"
#include "table_widget.h"

namespace {
// Did a play go through? A refused card leaves hand, trick, piles and deck exactly as they were.
struct Pillanatkep {
    std::array<tarolas::Kartya, 5> kez;
    tarolas::Lista asztal;
    std::size_t vitt0, vitt1;
    tarolas::Lista kiadott;
    explicit Pillanatkep(const tarolas::GameState& st)
        : kez(st.kezek[tarolas::kJatekos]), asztal(st.asztal), vitt0(st.gepvittlapok.size()),
          vitt1(st.jatekosvittlapok.size()), kiadott(st.kiadottlapok) {}
    bool operator==(const Pillanatkep&) const = default;
};
}  // namespace

// The player acts on release of the left button alone. Releases while an earlier move is still
// being played out (its pauses let events through) are dropped: the trick is not over yet.
void Form1::Picture3_MouseUp(int button, int, float x, float y) {
    if (button != 1 || st().soron != tarolas::kJatekos || busy()) return;
    // The point is matched against the table as it is now; a resize during a message box below
    // must not move the areas under it.
    const tarolas::Geometria g = geo_;
    const float H = Picture3->scaleHeight();

    jatekban([&] {
        const tarolas::KezTalalat kt = tarolas::kezTalalat(g, H, st().kezek[tarolas::kJatekos], x, y);
        if (kt.ures0) return;
        if (kt.slot >= 0) {
            const Pillanatkep elotte(st());
            jatek_.kijatszas(kt.slot);
            // Once the card is out the turn has passed on; the same release does nothing more.
            if (!(Pillanatkep(st()) == elotte)) return;
        }
        if (!jatek_.talonbanJatszik()) return;
        if (tarolas::aduTerulet(g, H, x, y)) jatek_.adulapcsere();
        if (tarolas::talonTerulet(g, H, st().talonszam, x, y)) jatek_.talontakaras();
    });
}

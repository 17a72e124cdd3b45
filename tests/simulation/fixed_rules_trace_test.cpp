// With the strong opponent off the game does exactly what it always did: a long seeded run,
// every call the game makes to the window with the state it is made in, hashed and compared with
// the hash the fixed-rule game gave before the strong opponent existed.

#include <gtest/gtest.h>

#include "simulation/scripted_player.h"

namespace tarolas {
namespace {

struct Naplo : test::FakePlatform {
    GameState* st = nullptr;
    std::uint64_t h = 1469598103934665603ull;

    void adat(std::int64_t v) { h = (h ^ static_cast<std::uint64_t>(v)) * 1099511628211ull; }
    void hivas(int mi) {
        adat(mi);
        for (const auto& kez : st->kezek)
            for (Kartya c : kez) adat(c);
        for (const Lista* l : {&st->kiadottlapok, &st->asztal, &st->gepvittlapok, &st->jatekosvittlapok}) {
            adat(static_cast<std::int64_t>(l->size()));
            for (Kartya c : *l) adat(c);
        }
        for (std::int64_t v : std::initializer_list<std::int64_t>{
                 st->talonszam, st->adulap, st->adu, st->tet, st->soron, st->takart, st->bemondas[0], st->bemondas[1],
                 st->husz, st->negyven, st->tarolas[0], st->tarolas[1], st->tarolashato, st->egyseg[0], st->egyseg[1]})
            adat(v);
    }
    void ujrarajzol() override { hivas(1); }
    void felfordito(std::array<std::int16_t, 2> f) override { hivas(2); adat(f[0] * 10 + f[1]); }
    void gombbeallito() override { hivas(3); }
    void varakozas() override { hivas(4); }
    void doEvents() override { hivas(5); }
    MsgResult messageBox(const std::string& text, MsgButtons b, bool icon) override {
        hivas(6);
        for (unsigned char c : text) adat(c);
        adat(icon);
        return b == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Yes;
    }
    void setStatusText(int panel, const std::string& text) override {
        hivas(7 + panel);
        for (unsigned char c : text) adat(c);
    }
    void setButtonVisible(int index, bool visible) override { hivas(10 + index * 2 + visible); }
    void focusTable() override { hivas(20); }
};

TEST(FixedRuleComputer, EveryCallToTheWindowAsBeforeTheStrongOpponent) {
    Naplo n;
    int lepes = 0;
    test::lejatszik(n, 11, [&] { return lepes++ < 20000; });
    EXPECT_EQ(n.h, 12762492308637610876ull);
}

}  // namespace
}  // namespace tarolas

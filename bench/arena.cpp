// Whole matches, headless: the computer (the fixed rules, or the strong opponent) against the
// reference player, or against a player that follows every hint, with each side's share of the
// matches and its 95% interval. The hint follower closes the talon when told to, and the deals it
// closed are counted with how many of them it won; --no-close asks for hints that never close;
// --paired plays each deal the hint closes on twice more from there, closing and never closing.
//
//   arena [--matches N] [--seed S] [--samples K] [--depth D] [--baseline] [--hint] [--no-close] [--paired]

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fake_platform.h"
#include "reference_player.h"
#include "simulation/scripted_player.h"

namespace {

using namespace tarolas;

struct Ablak : test::FakePlatform {
    long meccsek = 0, gepNyert = 0, cel = 0;
    long leosztasok = 0, dontesek = 0;
    double leghosszabb = 0;  // the longest single decision, in ms
    bool takartam = false;   // the follower closed the talon in this deal
    long takarasok = 0, takartNyert = 0;
    std::array<long, 2> egysegek{};  // units won over all deals, each side
    long utolso = 0;                 // the last deal's units, the follower's side (lost: negative)
    MsgResult messageBox(const std::string& text, MsgButtons b, bool) override {
        if (b == MsgButtons::Ok) {
            const std::size_t ertek = text.find("\rÉrtéke: ");
            if (ertek != std::string::npos) {
                ++leosztasok;
                const long e = std::atol(text.c_str() + ertek + std::strlen("\rÉrtéke: "));
                const bool dontetlen = text.starts_with("Döntetlen"), nyert = text.starts_with("Te nyerted");
                if (!dontetlen) egysegek[nyert ? kJatekos : kGep] += e;
                utolso = dontetlen ? 0 : nyert ? e : -e;
                if (takartam) {
                    ++takarasok;
                    takartNyert += nyert;
                    takartam = false;
                }
            }
            return MsgResult::Ok;
        }
        ++meccsek;
        gepNyert += text.starts_with("A számítógép");
        return meccsek < cel ? MsgResult::Yes : MsgResult::No;
    }
};

// The player's seat does whatever the hint says.
void tippKoveto(Jatek& jatek, Ablak& ablak) {
    const Tipp t = jatek.tipp();
    if (t.csere) jatek.adulapcsere();
    if (t.takaras) {
        jatek.talontakaras();
        ablak.takartam = true;
    }
    if (t.bemondas != 0) jatek.Command1_Click(t.bemondas == 40 ? 1 : 2);
    if (t.kesz) return jatek.Command1_Click(3);
    const auto& kez = jatek.st.kezek[kJatekos];
    jatek.kijatszas(static_cast<int>(std::find(kez.begin(), kez.end(), t.lap) - kez.begin()));
}

// The deal from here on copies of the game, once closing as told and once never closing: the
// follower's units in each.
std::array<long, 2> ketUton(Jatek& jatek, const test::SeededRandom& lapok) {
    std::array<long, 2> u{};
    for (int k = 0; k < 2; ++k) {
        Ablak a;
        test::SeededRandom l = lapok;
        Jatek j{a, l};
        j.folytat(jatek.pillanatkep());
        j.erosBeallitas().takarhat = k == 0;
        while (a.leosztasok == 0) tippKoveto(j, a);
        u[static_cast<std::size_t>(k)] = a.utolso;
    }
    return u;
}

// Wilson score interval for k successes in n.
void sor(const char* ki, long k, long n) {
    const double z = 1.96, p = static_cast<double>(k) / static_cast<double>(n), nn = static_cast<double>(n);
    const double kozep = (p + z * z / (2 * nn)) / (1 + z * z / nn);
    const double fel = z * std::sqrt(p * (1 - p) / nn + z * z / (4 * nn * nn)) / (1 + z * z / nn);
    std::printf("  %-16s %5ld / %ld  %5.1f%%  [%5.1f%%, %5.1f%%]\n", ki, k, n, 100 * p, 100 * (kozep - fel),
                100 * (kozep + fel));
}

}  // namespace

int main(int argc, char** argv) {
    long meccsek = 2000;
    std::uint32_t mag = 1;
    bool alap = false, tipp = false, takarhat = true, parban = false;
    eros::Beallitas beallitas;
    for (int i = 1; i < argc; ++i) {
        const bool van = i + 1 < argc;
        if (!std::strcmp(argv[i], "--matches") && van) meccsek = std::atol(argv[++i]);
        else if (!std::strcmp(argv[i], "--seed") && van) mag = static_cast<std::uint32_t>(std::atol(argv[++i]));
        else if (!std::strcmp(argv[i], "--samples") && van) beallitas.mintak = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--depth") && van) beallitas.melyseg = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--baseline")) alap = true;
        else if (!std::strcmp(argv[i], "--hint")) tipp = true;
        else if (!std::strcmp(argv[i], "--no-close")) takarhat = false;
        else if (!std::strcmp(argv[i], "--paired")) parban = tipp = true;
        else {
            std::fprintf(stderr, "usage: arena [--matches N] [--seed S] [--samples K] [--depth D] [--baseline] [--hint] [--no-close] [--paired]\n");
            return 2;
        }
    }

    Ablak ablak;
    ablak.cel = meccsek;
    test::SeededRandom lapok{mag};
    Jatek jatek{ablak, lapok};
    jatek.Form_Load();
    jatek.setErosGep(!alap);
    beallitas.mag = mag;
    jatek.erosBeallitas() = beallitas;
    // Only the player's seat ever closes, so the computer's choices stay the same either way.
    jatek.erosBeallitas().takarhat = takarhat;

    const auto kezdet = std::chrono::steady_clock::now();
    jatek.ujjatek_Click();
    long parok = 0, jobb = 0, rosszabb = 0, nyereseg = 0;
    while (ablak.meccsek < meccsek) {
        if (parban && jatek.st.soron == kJatekos && jatek.tipp().takaras) {
            const auto [zarva, nyitva] = ketUton(jatek, lapok);
            ++parok;
            jobb += zarva > nyitva;
            rosszabb += zarva < nyitva;
            nyereseg += zarva - nyitva;
        }
        tipp ? tippKoveto(jatek, ablak) : test::referenciaLepes(jatek);
    }
    const double mp = std::chrono::duration<double>(std::chrono::steady_clock::now() - kezdet).count();

    std::printf("%s computer vs %s: %ld matches, %ld deals, seed %u", alap ? "fixed-rule" : "strong",
                tipp ? "hint follower" : "reference player", meccsek, ablak.leosztasok, mag);
    if (!alap || tipp) std::printf(", %d samples, depth %d", beallitas.mintak, beallitas.melyseg);
    std::printf(", %.1f s\n", mp);
    sor("computer", ablak.gepNyert, ablak.meccsek);
    sor(tipp ? "hint follower" : "reference", ablak.meccsek - ablak.gepNyert, ablak.meccsek);
    std::printf("  units over all deals: computer %ld, %s %ld\n", ablak.egysegek[kGep], tipp ? "hint follower" : "reference",
                ablak.egysegek[kJatekos]);
    if (tipp) {
        std::printf("  closing %s: the hint closed in %ld of %ld deals (%.1f%%)\n", takarhat ? "advised" : "never advised",
                    ablak.takarasok, ablak.leosztasok, 100.0 * static_cast<double>(ablak.takarasok) / static_cast<double>(ablak.leosztasok));
        if (ablak.takarasok > 0) sor("closed, won", ablak.takartNyert, ablak.takarasok);
    }
    if (parban)
        std::printf("  paired: %ld closes played out both ways; closing did better in %ld, worse in %ld, %+ld units\n",
                    parok, jobb, rosszabb, nyereseg);
    return 0;
}

// A process for the store tests to kill or run twice at once:
//   store_writer save DIR          saves a match again and again, its strong seed counting up, until killed;
//                                  says "saved" once the first is on disk
//   store_writer add DIR N FIRST   adds N lost matches to the record, numbered from FIRST

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "fake_platform.h"
#include "store/store.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) return 2;
    tarolas::Tarolo tarolo(QString::fromLocal8Bit(argv[2]));
    if (std::string_view(argv[1]) == "add" && argc == 5) {
        const std::uint64_t elso = std::strtoull(argv[4], nullptr, 10);
        for (int i = 0; i < std::atoi(argv[3]); ++i)
            if (!tarolo.hozzaad({tarolas::Lezart::Vesztett, 0, {}, elso + static_cast<std::uint64_t>(i)})) return 1;
        return 0;
    }
    tarolas::test::FakePlatform ablak;
    tarolas::RandomSource lapok;
    tarolas::Jatek jatek(ablak, lapok);
    jatek.Form_Load();
    jatek.ujjatek_Click();
    tarolas::Mentes m{jatek.pillanatkep(), {}};
    for (std::uint64_t i = 1;; ++i) {
        m.kep.erosMag = i;
        if (!tarolo.meccsMentes(m)) return 1;
        if (i == 1) std::fputs("saved\n", stdout), std::fflush(stdout);
    }
}

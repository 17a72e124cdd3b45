// The files the game keeps: what is refused and kept aside, the record's counting, and real
// processes killed while they save or adding to the record at once.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <random>

#include "fake_platform.h"
#include "store/store.h"

namespace tarolas {
namespace {

QByteArray olvas(const QString& nev) {
    QFile f(nev);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void ir(const QString& nev, const QByteArray& b) {
    QFile f(nev);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
}

// A match a few moves in, as its file.
QByteArray jatszma() {
    test::FakePlatform ablak;
    RandomSource lapok;
    Jatek jatek(ablak, lapok);
    jatek.Form_Load();
    jatek.ujjatek_Click();
    jatek.kijatszas(0);
    return meccsSzoveg({jatek.pillanatkep(), {}});
}

// `jo` with one field, or one field of its state ("allapot/..."), set to `v`; Undefined removes it.
QByteArray mas(const QByteArray& jo, const QString& ut, const QJsonValue& v) {
    QJsonObject o = QJsonDocument::fromJson(jo).object();
    if (ut.startsWith("allapot/")) {
        QJsonObject a = o["allapot"].toObject();
        a.insert(ut.mid(8), v);
        o["allapot"] = a;
    } else {
        o.insert(ut, v);
    }
    return QJsonDocument(o).toJson();
}

TEST(StoreFiles, BadFilesAreNeverTakenUpAndAreKeptAside) {
    const QByteArray jo = jatszma();
    ASSERT_TRUE(meccsbol(jo));
    QJsonArray kezek = QJsonDocument::fromJson(jo).object()["allapot"].toObject()["kezek"].toArray();
    QJsonArray kez = kezek[1].toArray();
    kez[0] = kez[1];
    kezek[1] = kez;
    const std::pair<const char*, QByteArray> rosszak[] = {
        {"truncated", jo.left(jo.size() / 2)},
        {"JSON of another shape", "[1, 2, 3]"},
        {"a field missing", mas(jo, "kevero", QJsonValue::Undefined)},
        {"a newer version", mas(jo, "valtozat", kValtozat + 1)},
        {"not ours", mas(jo, "program", "mas")},
        {"a card twice", mas(jo, "allapot/kezek", kezek)},
        {"a score of 99", mas(jo, "allapot/egyseg", QJsonArray{99, 0})},
        {"the computer to move", mas(jo, "allapot/soron", 0)},
    };
    for (const auto& [mi, tartalom] : rosszak) {
        QTemporaryDir d;
        ir(d.filePath("match.json"), tartalom);
        ir(d.filePath("match.json.bad"), "an older one");
        ir(d.filePath("record.json"), tartalom);  // no record either
        Tarolo t(d.path());
        QString hiba, rekordHiba;
        EXPECT_FALSE(t.meccs(hiba)) << mi;
        EXPECT_FALSE(hiba.isEmpty()) << mi;
        EXPECT_EQ(t.rekord(rekordHiba), Rekord{}) << mi;
        EXPECT_FALSE(rekordHiba.isEmpty()) << mi;
        // Kept aside byte for byte, beside the one set aside before, not reset; nothing left to take up.
        EXPECT_EQ(olvas(d.filePath("match.json.2.bad")), tartalom) << mi;
        EXPECT_EQ(olvas(d.filePath("match.json.bad")), "an older one") << mi;
        EXPECT_EQ(olvas(d.filePath("record.json.bad")), tartalom) << mi;
        EXPECT_FALSE(QFile::exists(d.filePath("match.json"))) << mi;
    }
}

// The events of a match, as the game would report them, and what the record makes of them.
TEST(StoreRecord, AMatchCountsOnceLeftMatchesAreNotLostAndTheResetEmpties) {
    Szamlalo sz;
    const auto leosztas = [&](int nyertes, int egyseg, bool eros = false) {
        EXPECT_FALSE(sz.esemeny({Tortent::Osztas}, eros, 100));
        sz.esemeny({Tortent::Bemondas, kJatekos, 13, 14, 20}, eros, 0);
        sz.esemeny({Tortent::Takaras, kJatekos}, eros, 0);
        return sz.esemeny({Tortent::JatszmaVege, nyertes, 0, 0, egyseg}, eros, 0);
    };
    for (const auto& [nyertes, egyseg] : {std::pair{kJatekos, 3}, {kGep, 1}, {kDontetlen, 1}})
        EXPECT_FALSE(leosztas(nyertes, egyseg));
    const Szamlalo mentett = sz;  // saved with the match, and taken up again
    const std::optional<Lezart> vege = sz.esemeny({Tortent::MeccsVege, kJatekos}, false, 0);
    ASSERT_TRUE(vege);
    EXPECT_EQ(vege->mi, Lezart::Nyert);
    EXPECT_EQ(vege->azonosito, 100u);
    const Merleg& m = vege->leosztasai[0];
    EXPECT_EQ(std::make_tuple(m.leosztasNyert, m.leosztasVesztett, m.leosztasDontetlen), std::make_tuple(1, 1, 1));
    EXPECT_EQ(m.nyertEgyseggel, (std::array<int, 4>{0, 0, 1, 0}));
    EXPECT_EQ(m.vesztettEgyseggel, (std::array<int, 4>{1, 0, 0, 0}));
    EXPECT_EQ(std::tie(m.husz, m.huszNyert, m.takaras, m.takarasNyert), std::make_tuple(3, 1, 3, 1));
    EXPECT_FALSE(sz.esemeny({Tortent::MeccsVege, kJatekos}, false, 0));  // over is over

    // A new deal in the middle of one: "Új játék" left that match, the strong opponent's now.
    Szamlalo elhagyott = mentett;
    elhagyott.azonosito = 150;  // another match at the same point
    EXPECT_FALSE(elhagyott.esemeny({Tortent::Osztas}, true, 200));  // between deals it is the same match
    const std::optional<Lezart> uj = elhagyott.esemeny({Tortent::Osztas}, true, 300);
    ASSERT_TRUE(uj);
    EXPECT_EQ(std::tie(uj->mi, uj->eros, uj->azonosito), std::make_tuple(Lezart::Felbehagyott, 1, std::uint64_t{150}));

    QTemporaryDir d;
    Tarolo t(d.path());
    ASSERT_TRUE(t.hozzaad(*vege));
    ASSERT_TRUE(t.hozzaad(*vege));  // the same match after a crash: counted once
    ASSERT_TRUE(t.hozzaad(*uj));
    ASSERT_TRUE(t.hozzaad({Lezart::Vesztett, 0, {}, 400}));
    ASSERT_TRUE(t.hozzaad({Lezart::Nyert, 0, {}, 500}));
    QString hiba;
    Rekord r = t.rekord(hiba);
    EXPECT_TRUE(hiba.isEmpty());
    EXPECT_EQ(std::tie(r[0].nyert, r[0].vesztett, r[0].felbehagyott, r[0].sorozat, r[0].leghosszabb),
              std::make_tuple(2, 1, 0, 1, 1));
    EXPECT_EQ(std::tie(r[1].nyert, r[1].vesztett, r[1].felbehagyott), std::make_tuple(0, 0, 1));
    EXPECT_EQ(r[0].leosztasNyert, 2);  // the left match keeps its deals
    ASSERT_TRUE(t.nullazas());
    ASSERT_TRUE(t.hozzaad(*vege));  // emptied, and still remembered as counted
    EXPECT_EQ(t.rekord(hiba), Rekord{});
}

TEST(StoreProcesses, TwoCopiesAddingAtOnceLoseNothing) {
    QTemporaryDir d;
    QProcess a, b;
    a.start(TAROLAS_STORE_WRITER, {"add", d.path(), "40", "1000"});
    b.start(TAROLAS_STORE_WRITER, {"add", d.path(), "40", "2000"});
    ASSERT_TRUE(a.waitForFinished(60000) && b.waitForFinished(60000));
    EXPECT_EQ(a.exitCode() + b.exitCode(), 0);
    QString hiba;
    EXPECT_EQ(Tarolo(d.path()).rekord(hiba)[0].vesztett, 80);
}

TEST(StoreProcesses, KilledWhileSavingTheFileIsTheLastOrTheNext) {
    QTemporaryDir d;
    std::mt19937 rng(2026);
    for (int i = 0; i < 40; ++i) {
        QProcess p;
        p.start(TAROLAS_STORE_WRITER, {"save", d.path()});
        ASSERT_TRUE(p.waitForStarted());
        // The first copy is killed once it has saved (it says so), the others anywhere.
        if (i == 0) ASSERT_TRUE(p.waitForReadyRead(30000));
        else QThread::usleep(5000 + rng() % 40000);
        p.kill();  // SIGKILL
        p.waitForFinished();
        ASSERT_TRUE(meccsbol(olvas(d.filePath("match.json")))) << "after kill " << i;
    }
    // A half-written file left behind is cleared by the next copy that holds the lock.
    Tarolo t(d.path());
    EXPECT_EQ(QDir(d.path()).entryList({"match.json.*"}, QDir::Files), QStringList{});
}

}  // namespace
}  // namespace tarolas

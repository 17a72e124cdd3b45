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

QByteArray modosit(const QByteArray& jo, const std::function<void(QJsonObject&)>& mit) {
    QJsonObject o = QJsonDocument::fromJson(jo).object();
    mit(o);
    return QJsonDocument(o).toJson();
}
void allapotban(QJsonObject& o, const char* nev, const QJsonValue& v) {
    QJsonObject a = o["allapot"].toObject();
    a[QLatin1String(nev)] = v;
    o["allapot"] = a;
}

TEST(StoreFiles, BadFilesAreNeverTakenUpAndAreKeptAside) {
    const QByteArray jo = jatszma();
    ASSERT_TRUE(meccsbol(jo));
    const QJsonArray kez = QJsonDocument::fromJson(jo).object()["allapot"].toObject()["kezek"].toArray();
    std::mt19937 rng(7);
    QByteArray zaj(700, '\0');
    for (char& c : zaj) c = static_cast<char>(rng());
    const std::pair<const char*, QByteArray> rosszak[] = {
        {"empty", {}},
        {"truncated", jo.left(jo.size() / 2)},
        {"random bytes", zaj},
        {"JSON of another shape", "[1, 2, 3]"},
        {"a field missing", modosit(jo, [](QJsonObject& o) { o.remove("kevero"); })},
        {"a newer version", modosit(jo, [](QJsonObject& o) { o["valtozat"] = kValtozat + 1; })},
        {"not ours", modosit(jo, [](QJsonObject& o) { o["program"] = "mas"; })},
        {"a card twice", modosit(jo, [&](QJsonObject& o) {
             QJsonArray k = kez;
             QJsonArray j = k[1].toArray();
             j[0] = j[1];
             k[1] = j;
             allapotban(o, "kezek", k);
         })},
        {"21 cards", modosit(jo, [](QJsonObject& o) {
             QJsonArray t = o["allapot"].toObject()["gepvittlapok"].toArray();
             t.append(11);
             t.append(12);
             allapotban(o, "gepvittlapok", t);
         })},
        {"a score of 99", modosit(jo, [](QJsonObject& o) { allapotban(o, "egyseg", QJsonArray{99, 0}); })},
        {"the computer to move", modosit(jo, [](QJsonObject& o) { allapotban(o, "soron", 0); })},
    };
    for (const auto& [mi, tartalom] : rosszak) {
        QTemporaryDir d;
        ir(d.filePath("match.json"), tartalom);
        ir(d.filePath("match.json.bad"), "an older one");
        Tarolo t(d.path());
        QString hiba;
        EXPECT_FALSE(t.meccs(hiba)) << mi;
        EXPECT_FALSE(hiba.isEmpty()) << mi;
        // Kept aside byte for byte, beside the one set aside before; nothing left to take up.
        EXPECT_EQ(olvas(d.filePath("match.json.2.bad")), tartalom) << mi;
        EXPECT_EQ(olvas(d.filePath("match.json.bad")), "an older one") << mi;
        EXPECT_FALSE(QFile::exists(d.filePath("match.json"))) << mi;
    }
    // A bad record too is kept aside, not reset.
    QTemporaryDir d;
    const QByteArray rekord = "{\"program\": \"tarolas\", \"fajta\": \"rekord\"";
    ir(d.filePath("record.json"), rekord);
    QString hiba;
    EXPECT_EQ(Tarolo(d.path()).rekord(hiba), Rekord{});
    EXPECT_FALSE(hiba.isEmpty());
    EXPECT_EQ(olvas(d.filePath("record.json.bad")), rekord);
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
    EXPECT_FALSE(leosztas(kJatekos, 3));
    EXPECT_FALSE(leosztas(kGep, 1));
    EXPECT_FALSE(leosztas(kDontetlen, 1));
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
    const std::optional<Lezart> hagyott = elhagyott.esemeny({Tortent::Osztas}, true, 200);
    EXPECT_FALSE(hagyott);  // between deals it is the same match
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
    EXPECT_EQ(t.rekord(hiba), Rekord{});
    ASSERT_TRUE(t.hozzaad(*vege));  // still remembered as counted
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
        const std::optional<Mentes> m = meccsbol(olvas(d.filePath("match.json")));
        ASSERT_TRUE(m) << "after kill " << i;
    }
    // A half-written file left behind is cleared by the next copy that holds the lock.
    Tarolo t(d.path());
    EXPECT_EQ(QDir(d.path()).entryList({"match.json.*"}, QDir::Files), QStringList{});
}

}  // namespace
}  // namespace tarolas

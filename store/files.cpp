#include "files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <limits>

namespace tarolas {

namespace {

// Reads one field at a time; the first that is missing or of the wrong kind spoils the whole.
struct Olvaso {
    bool jo = true;

    QJsonValue mezo(const QJsonObject& o, const char* nev) {
        const QJsonValue v = o.value(QLatin1String(nev));
        if (v.isUndefined()) jo = false;
        return v;
    }
    bool logikai(const QJsonObject& o, const char* nev) {
        const QJsonValue v = mezo(o, nev);
        if (!v.isBool()) jo = false;
        return v.toBool();
    }
    int egesz(const QJsonValue& v, int tol, int ig) {
        const double d = v.toDouble(-1e18);
        if (!v.isDouble() || d != static_cast<double>(static_cast<long long>(d)) || d < tol || d > ig) jo = false;
        return jo ? static_cast<int>(d) : 0;
    }
    int egesz(const QJsonObject& o, const char* nev, int tol = 0, int ig = std::numeric_limits<int>::max()) {
        return egesz(mezo(o, nev), tol, ig);
    }
    // A 64-bit number, written in hex as JSON's numbers cannot hold it.
    std::uint64_t hatvannegy(const QJsonValue& v) {
        bool ok = false;
        const std::uint64_t x = v.toString().toULongLong(&ok, 16);
        jo = jo && ok;
        return x;
    }
    std::uint64_t hatvannegy(const QJsonObject& o, const char* nev) { return hatvannegy(mezo(o, nev)); }
    QJsonObject objektum(const QJsonObject& o, const char* nev) {
        const QJsonValue v = mezo(o, nev);
        if (!v.isObject()) jo = false;
        return v.toObject();
    }
    QJsonArray tomb(const QJsonObject& o, const char* nev, qsizetype legfeljebb) {
        const QJsonValue v = mezo(o, nev);
        if (!v.isArray() || v.toArray().size() > legfeljebb) jo = false;
        return v.toArray();
    }
    // Card codes; whether they make a table is for ertelmes() to say.
    Lista lista(const QJsonObject& o, const char* nev, qsizetype legfeljebb = 200) {
        Lista l;
        for (const QJsonValue v : tomb(o, nev, legfeljebb)) l.push_back(static_cast<Kartya>(egesz(v, 0, 45)));
        return l;
    }
    // Exactly N whole numbers.
    template <std::size_t N, class T>
    void par(const QJsonValue& v, std::array<T, N>& hova, int tol, int ig) {
        const QJsonArray a = v.toArray();
        if (!v.isArray() || a.size() != static_cast<qsizetype>(N)) jo = false;
        for (std::size_t i = 0; i < N && jo; ++i) hova[i] = static_cast<T>(egesz(a[static_cast<qsizetype>(i)], tol, ig));
    }
    template <std::size_t N, class T>
    void par(const QJsonObject& o, const char* nev, std::array<T, N>& hova, int tol, int ig) {
        par(mezo(o, nev), hova, tol, ig);
    }
};

QJsonArray tombbe(const auto& lapok) {
    QJsonArray a;
    for (const auto c : lapok) a.append(static_cast<int>(c));
    return a;
}
QString hex(std::uint64_t x) { return QString::number(x, 16); }

QJsonObject fej(const char* fajta) {
    return {{"program", "tarolas"}, {"fajta", QLatin1String(fajta)}, {"valtozat", kValtozat}};
}
// The object in `szoveg` when it is ours, of this kind and of this version.
std::optional<QJsonObject> sajat(const QByteArray& szoveg, const char* fajta) {
    QJsonParseError hiba;
    const QJsonDocument d = QJsonDocument::fromJson(szoveg, &hiba);
    if (hiba.error != QJsonParseError::NoError || !d.isObject()) return std::nullopt;
    const QJsonObject o = d.object();
    if (o.value("program") != QLatin1String("tarolas") || o.value("fajta") != QLatin1String(fajta) ||
        o.value("valtozat") != kValtozat)
        return std::nullopt;
    return o;
}

// A record column by its fields' names, so the file reads as what it counts.
constexpr std::pair<const char*, int Merleg::*> kMezok[] = {
    {"nyert", &Merleg::nyert}, {"vesztett", &Merleg::vesztett}, {"felbehagyott", &Merleg::felbehagyott},
    {"sorozat", &Merleg::sorozat}, {"leghosszabb", &Merleg::leghosszabb},
    {"leosztasNyert", &Merleg::leosztasNyert}, {"leosztasVesztett", &Merleg::leosztasVesztett},
    {"leosztasDontetlen", &Merleg::leosztasDontetlen}, {"husz", &Merleg::husz}, {"huszNyert", &Merleg::huszNyert},
    {"negyven", &Merleg::negyven}, {"negyvenNyert", &Merleg::negyvenNyert}, {"tarolas", &Merleg::tarolas},
    {"tarolasNyert", &Merleg::tarolasNyert}, {"takaras", &Merleg::takaras}, {"takarasNyert", &Merleg::takarasNyert}};

QJsonObject merlegbe(const Merleg& m) {
    QJsonObject o;
    for (const auto& [nev, mezo] : kMezok) o.insert(QLatin1String(nev), m.*mezo);
    o.insert("nyertEgyseggel", tombbe(m.nyertEgyseggel));
    o.insert("vesztettEgyseggel", tombbe(m.vesztettEgyseggel));
    return o;
}
Merleg merlegbol(Olvaso& r, const QJsonObject& o) {
    Merleg m;
    for (const auto& [nev, mezo] : kMezok) m.*mezo = r.egesz(o, nev);
    r.par(o, "nyertEgyseggel", m.nyertEgyseggel, 0, std::numeric_limits<int>::max());
    r.par(o, "vesztettEgyseggel", m.vesztettEgyseggel, 0, std::numeric_limits<int>::max());
    r.jo = r.jo && m.sorozat <= m.leghosszabb && m.leghosszabb <= m.nyert;
    return m;
}
QJsonObject rekordba(const Rekord& r) { return {{"rendes", merlegbe(r[0])}, {"eros", merlegbe(r[1])}}; }
Rekord rekordbol(Olvaso& r, const QJsonObject& o) {
    return {merlegbol(r, r.objektum(o, "rendes")), merlegbol(r, r.objektum(o, "eros"))};
}

}  // namespace

QByteArray meccsSzoveg(const Mentes& m) {
    const GameState& st = m.kep.st;
    QJsonObject a{{"kezek", QJsonArray{tombbe(st.kezek[0]), tombbe(st.kezek[1])}},
                  {"kiadottlapok", tombbe(st.kiadottlapok)},
                  {"talonszam", st.talonszam},
                  {"adulap", st.adulap},
                  {"adu", st.adu},
                  {"tet", st.tet},
                  {"asztal", tombbe(st.asztal)},
                  {"gepvittlapok", tombbe(st.gepvittlapok)},
                  {"jatekosvittlapok", tombbe(st.jatekosvittlapok)},
                  {"soron", st.soron},
                  {"takart", st.takart},
                  {"bemondas", tombbe(st.bemondas)},
                  {"husz", st.husz},
                  {"negyven", st.negyven},
                  {"tarolas", QJsonArray{st.tarolas[0], st.tarolas[1]}},
                  {"tarolashato", st.tarolashato},
                  {"egyseg", tombbe(st.egyseg)},
                  {"jatekosMutatta", tombbe(st.jatekosMutatta)},
                  {"jatekosnakNincs", tombbe(st.jatekosnakNincs)},
                  {"gepMutatta", tombbe(st.gepMutatta)},
                  {"gepnekNincs", tombbe(st.gepnekNincs)}};
    const Szamlalo& sz = m.szamlalo;
    QJsonObject o = fej("meccs");
    o.insert("allapot", a);
    o.insert("kevero", QJsonObject{{"allapot", hex(m.kep.kevero.allapot)}, {"ujravetesek", hex(m.kep.kevero.ujravetesek)}});
    o.insert("eros", QJsonObject{{"be", m.kep.erosGep},
                                 {"mag", hex(m.kep.erosMag)},
                                 {"mintak", m.kep.erosMintak},
                                 {"melyseg", m.kep.erosMelyseg}});
    o.insert("szamlalo", QJsonObject{{"leosztasok", rekordba(sz.leosztasok)},
                                     {"meccsben", sz.meccsben},
                                     {"leosztasban", sz.leosztasban},
                                     {"azonosito", hex(sz.azonosito)},
                                     {"husz", sz.husz},
                                     {"negyven", sz.negyven},
                                     {"tarolas", sz.tarolas},
                                     {"takaras", sz.takaras}});
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

std::optional<Mentes> meccsbol(const QByteArray& szoveg) {
    const std::optional<QJsonObject> o = sajat(szoveg, "meccs");
    if (!o) return std::nullopt;
    Olvaso r;
    Mentes m;
    GameState& st = m.kep.st;
    const QJsonObject a = r.objektum(*o, "allapot");
    const QJsonArray kezek = r.tomb(a, "kezek", 2);
    r.jo = r.jo && kezek.size() == 2;
    for (std::size_t s = 0; s < 2 && r.jo; ++s) r.par(kezek[static_cast<qsizetype>(s)], st.kezek[s], 0, 45);
    st.kiadottlapok = r.lista(a, "kiadottlapok", 20);
    st.talonszam = static_cast<std::int16_t>(r.egesz(a, "talonszam", 0, 20));
    st.adulap = static_cast<Kartya>(r.egesz(a, "adulap", 0, 45));
    st.adu = static_cast<std::int16_t>(r.egesz(a, "adu", 0, 4));
    st.tet = static_cast<Kartya>(r.egesz(a, "tet", 0, 45));
    st.asztal = r.lista(a, "asztal", 2);
    st.gepvittlapok = r.lista(a, "gepvittlapok", 20);
    st.jatekosvittlapok = r.lista(a, "jatekosvittlapok", 20);
    st.soron = static_cast<std::int16_t>(r.egesz(a, "soron", 0, 1));
    st.takart = r.logikai(a, "takart");
    r.par(a, "bemondas", st.bemondas, 0, 160);
    st.husz = r.logikai(a, "husz");
    st.negyven = r.logikai(a, "negyven");
    const QJsonArray tarolas = r.tomb(a, "tarolas", 2);
    r.jo = r.jo && tarolas.size() == 2 && tarolas[0].isBool() && tarolas[1].isBool();
    st.tarolas = {tarolas[0].toBool(), tarolas[1].toBool()};
    st.tarolashato = r.logikai(a, "tarolashato");
    r.par(a, "egyseg", st.egyseg, 0, 6);
    st.jatekosMutatta = r.lista(a, "jatekosMutatta");
    st.jatekosnakNincs = r.lista(a, "jatekosnakNincs");
    st.gepMutatta = r.lista(a, "gepMutatta");
    st.gepnekNincs = r.lista(a, "gepnekNincs");

    const QJsonObject k = r.objektum(*o, "kevero");
    m.kep.kevero = {r.hatvannegy(k, "allapot"), r.hatvannegy(k, "ujravetesek")};
    const QJsonObject e = r.objektum(*o, "eros");
    m.kep.erosGep = r.logikai(e, "be");
    m.kep.erosMag = r.hatvannegy(e, "mag");
    m.kep.erosMintak = r.egesz(e, "mintak", 1, 1000);
    m.kep.erosMelyseg = r.egesz(e, "melyseg", 0, 20);

    const QJsonObject sz = r.objektum(*o, "szamlalo");
    m.szamlalo.leosztasok = rekordbol(r, r.objektum(sz, "leosztasok"));
    m.szamlalo.meccsben = r.logikai(sz, "meccsben");
    m.szamlalo.leosztasban = r.logikai(sz, "leosztasban");
    m.szamlalo.azonosito = r.hatvannegy(sz, "azonosito");
    m.szamlalo.husz = r.egesz(sz, "husz", 0, 4);
    m.szamlalo.negyven = r.egesz(sz, "negyven", 0, 1);
    m.szamlalo.tarolas = r.logikai(sz, "tarolas");
    m.szamlalo.takaras = r.logikai(sz, "takaras");
    if (!r.jo || !ertelmes(m.kep)) return std::nullopt;
    return m;
}

QByteArray rekordSzoveg(const RekordFajl& r) {
    QJsonObject o = fej("rekord");
    o.insert("rekord", rekordba(r.rekord));
    QJsonArray b;
    for (const std::uint64_t x : r.beszamitott) b.append(hex(x));
    o.insert("beszamitott", b);
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

std::optional<RekordFajl> rekordbol(const QByteArray& szoveg) {
    const std::optional<QJsonObject> o = sajat(szoveg, "rekord");
    if (!o) return std::nullopt;
    Olvaso r;
    RekordFajl f;
    f.rekord = rekordbol(r, r.objektum(*o, "rekord"));
    for (const QJsonValue v : r.tomb(*o, "beszamitott", 64)) f.beszamitott.push_back(r.hatvannegy(v));
    if (!r.jo) return std::nullopt;
    return f;
}

}  // namespace tarolas

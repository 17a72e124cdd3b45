#include "store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace tarolas {

namespace {
constexpr const char* kMeccs = "match.json";
constexpr const char* kRekord = "record.json";
constexpr std::size_t kEmlekszik = 32;  // matches remembered as added, against a crash in between

// A copy killed while it saved leaves the half-written file beside the whole one; the caller holds
// the lock that the file is written under.
void maradekok(const QString& konyvtar, const char* nev) {
    QDir d(konyvtar);
    for (const QString& f : d.entryList({QLatin1String(nev) + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden))
        d.remove(f);
}
// The file's text, empty when it cannot be read; a megabyte at most, as no file of ours is larger.
QByteArray tartalom(const QString& nev) {
    QFile f(nev);
    return f.open(QIODevice::ReadOnly) ? f.read(1 << 20) : QByteArray();
}
// A path as the player knows it: the home folder as "~".
QString megjelenit(const QString& ut) {
    const QString haz = QDir::homePath();
    const QString t = ut.startsWith(haz + QLatin1Char('/')) ? QStringLiteral("~") + ut.mid(haz.size()) : ut;
    return QDir::toNativeSeparators(t);
}
}  // namespace

QString Tarolo::alapKonyvtar() {
    // The application's name is also the window's class ("Tarolás"), so the folder is named here
    // rather than by AppDataLocation, which would take that name.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tarolas");
}

Tarolo::Tarolo(const QString& konyvtar) : konyvtar_(konyvtar) {
    QDir().mkpath(konyvtar_);
    zar_file_ = std::make_unique<QLockFile>(utvonal("match.lock"));
    // Held as long as the game runs; only a copy that has died leaves a stale one.
    zar_file_->setStaleLockTime(0);
    if (zar_file_->tryLock(0)) zar_ = Zar::Sajat;
    else zar_ = zar_file_->error() == QLockFile::LockFailedError ? Zar::Masik : Zar::Nincs;
    sor_.setMaxThreadCount(1);
    if (zar_ == Zar::Nincs) mentesHibas_ = true;
    if (zar_ == Zar::Sajat) maradekok(konyvtar_, kMeccs);
}

Tarolo::~Tarolo() = default;

QString Tarolo::utvonal(const char* nev) const { return konyvtar_ + QLatin1Char('/') + QLatin1String(nev); }

QString Tarolo::mentesiHiba() {
    if (!mentesHibas_ || mentesHibaMondva_) return {};
    mentesHibaMondva_ = true;
    return tr("A játék nem menthető ide: %1")
        .arg(megjelenit(konyvtar_));
}

bool Tarolo::ir(const QString& nev, const QByteArray& szoveg) {
    QSaveFile f(nev);
    const bool jo = f.open(QIODevice::WriteOnly) && f.write(szoveg) == szoveg.size() && f.commit();
    if (!jo) mentesHibas_ = true;
    return jo;
}

QString Tarolo::felretesz(const QString& nev, const QString& mi) {
    QString hova = nev + QStringLiteral(".bad");
    for (int i = 2; QFileInfo::exists(hova); ++i) hova = nev + QStringLiteral(".%1.bad").arg(i);
    if (!QFile::rename(nev, hova)) {
        // Not moved: it stays where it is, and is not written over either.
        if (nev.endsWith(QLatin1String(kMeccs))) meccsIrhato_ = false;
        return tr("%1 nem olvasható (%2), és félre sem tehető; érintetlen marad.").arg(mi, megjelenit(nev));
    }
    return tr("%1 nem olvasható, félretéve: %2").arg(mi, megjelenit(hova));
}

std::optional<Mentes> Tarolo::meccs(QString& hiba) {
    const QString nev = utvonal(kMeccs);
    if (!QFile::exists(nev)) return std::nullopt;
    std::optional<Mentes> m = meccsbol(tartalom(nev));
    if (!m) hiba = felretesz(nev, tr("A félbehagyott játék"));
    return m;
}

bool Tarolo::meccsMentes(const Mentes& m) {
    if (!meccsEnyem()) return false;
    return ir(utvonal(kMeccs), meccsSzoveg(m));
}

void Tarolo::meccsMentesHatterben(const Mentes& m) {
    if (!meccsEnyem()) return;
    sor_.start([this, nev = utvonal(kMeccs), szoveg = meccsSzoveg(m)] { ir(nev, szoveg); });
}

void Tarolo::meccsTorlesHatterben() {
    if (!meccsEnyem()) return;
    sor_.start([nev = utvonal(kMeccs)] { QFile::remove(nev); });
}

std::optional<RekordFajl> Tarolo::rekordFajl(QString& hiba) {
    const QString nev = utvonal(kRekord);
    if (!QFile::exists(nev)) return RekordFajl{};
    std::optional<RekordFajl> r = rekordbol(tartalom(nev));
    if (!r) hiba = felretesz(nev, tr("A statisztika"));
    return r;
}

Rekord Tarolo::rekord(QString& hiba) {
    const std::optional<RekordFajl> r = rekordFajl(hiba);
    return r ? r->rekord : Rekord{};
}

bool Tarolo::zarol(QLockFile& zar) {
    if (zar.tryLock(2000)) return true;
    mentesHibas_ = true;
    return false;
}

bool Tarolo::hozzaad(const Lezart& m) {
    QLockFile zar(utvonal("record.lock"));
    if (!zarol(zar)) return false;
    maradekok(konyvtar_, kRekord);
    QString hiba;
    std::optional<RekordFajl> r = rekordFajl(hiba);
    // An unreadable record was moved aside: the match starts a new one beside it.
    if (!r) r = RekordFajl{};
    if (std::find(r->beszamitott.begin(), r->beszamitott.end(), m.azonosito) != r->beszamitott.end()) return true;
    tarolas::hozzaad(r->rekord, m);
    r->beszamitott.push_back(m.azonosito);
    if (r->beszamitott.size() > kEmlekszik) r->beszamitott.erase(r->beszamitott.begin());
    return ir(utvonal(kRekord), rekordSzoveg(*r));
}

bool Tarolo::nullazas() {
    QLockFile zar(utvonal("record.lock"));
    if (!zarol(zar)) return false;
    QString hiba;
    std::optional<RekordFajl> r = rekordFajl(hiba);
    RekordFajl uj;
    if (r) uj.beszamitott = r->beszamitott;
    return ir(utvonal(kRekord), rekordSzoveg(uj));
}

}  // namespace tarolas

#pragma once

// Where the game keeps its files (~/.local/share/tarolas): the unfinished match (match.json), the
// record (record.json) and the locks that keep two copies of the game from writing over each other.
// A file that cannot be read is moved aside as *.bad, never overwritten nor deleted.

#include <QCoreApplication>
#include <QLockFile>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <optional>

#include "store/files.h"

namespace tarolas {

class Tarolo {
    Q_DECLARE_TR_FUNCTIONS(Tarolo)
public:
    // The data folder under the user's XDG data home, and the options file's organisation and
    // name (~/.config/tarolas/tarolas.conf).
    static QString alapKonyvtar();
    static constexpr const char* kSzervezet = "tarolas";
    static constexpr const char* kNev = "tarolas";

    explicit Tarolo(const QString& konyvtar);
    ~Tarolo();

    enum class Zar {
        Sajat,  // ours: this copy resumes and saves the match
        Masik,  // another copy of the game holds it
        Nincs,  // the folder cannot be written
    };
    Zar zar() const { return zar_; }

    // The unfinished match, if there is one that makes sense. A file that does not is moved aside,
    // and `hiba` says so for the status bar.
    std::optional<Mentes> meccs(QString& hiba);
    // Written whole or not at all; false when it could not be (the old one stays).
    bool meccsMentes(const Mentes& m);
    // Saving and removing as the window does it: the text is made now, the disk is waited for on
    // a thread of their own, one after the other in the order asked. `bevar` waits for them all.
    void meccsMentesHatterben(const Mentes& m);
    void meccsTorlesHatterben();
    void bevar() { sor_.waitForDone(); }

    // The record as the file has it; an unreadable file is moved aside and `hiba` says so.
    Rekord rekord(QString& hiba);
    // Read, add, write under the record's lock, so two copies never lose each other's matches.
    // A match already added is not added again.
    bool hozzaad(const Lezart& m);
    bool nullazas();

    // The message for the status bar when something could not be saved, once; empty after.
    QString mentesiHiba();

private:
    QString utvonal(const char* nev) const;
    // This copy holds the match's lock and its file may be written over.
    bool meccsEnyem() const { return zar_ == Zar::Sajat && meccsIrhato_; }
    // `nev` unreadable: moved aside as nev.bad (or nev.2.bad ...); the message says where.
    QString felretesz(const QString& nev, const QString& mi);
    bool ir(const QString& nev, const QByteArray& szoveg);
    std::optional<RekordFajl> rekordFajl(QString& hiba);
    // The record's lock, taken before the record is read and written; not had in time, it counts
    // as a save that failed.
    bool zarol(QLockFile& zar);

    QString konyvtar_;
    std::unique_ptr<QLockFile> zar_file_;
    Zar zar_ = Zar::Nincs;
    bool meccsIrhato_ = true;  // false once a bad match file could not be moved aside
    std::atomic<bool> mentesHibas_ = false;
    bool mentesHibaMondva_ = false;
    QThreadPool sor_;  // last, so it has finished before anything it uses goes
};

}  // namespace tarolas

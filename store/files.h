#pragma once

// The two files the game keeps between runs, as text: the unfinished match and the record. Both are
// JSON objects naming this program, what they hold and their version; anything else is refused.

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/snapshot.h"
#include "store/record.h"

namespace tarolas {

inline constexpr int kValtozat = 1;  // the files' version; a newer one is not ours to read

// The match and its deals not yet in the record.
struct Mentes {
    Pillanatkep kep;
    Szamlalo szamlalo;
};
QByteArray meccsSzoveg(const Mentes& m);
// Nothing when the text is not a match of ours, of this version, that makes sense.
std::optional<Mentes> meccsbol(const QByteArray& szoveg);

// The record, and the matches lately added to it, so a crash between adding a match and removing
// its file never adds it twice.
struct RekordFajl {
    Rekord rekord;
    std::vector<std::uint64_t> beszamitott;
};
QByteArray rekordSzoveg(const RekordFajl& r);
std::optional<RekordFajl> rekordbol(const QByteArray& szoveg);

}  // namespace tarolas

#pragma once

// The language the game speaks: Hungarian, the source of every text, or English. It follows the
// desktop's languages in their order of preference.

#include <QString>
#include <QStringList>

namespace tarolas {

// "hu" or "en" for the user's languages, most preferred first (QLocale::uiLanguages()): the first
// of the two found; any other language gives English, the C or POSIX locale (or none) Hungarian.
QString nyelvValasztas(const QStringList& nyelvek);

// Loads the language's translations, the game's own (none for Hungarian) and Qt's, and installs
// them into the application once there is one; replaces those of an earlier call. Before the
// application exists it already serves the texts built without Qt (table/forditas.h). An empty
// `nyelv` only removes them: the source texts, Qt's own in English.
void nyelvBeallitas(const QString& nyelv);

}  // namespace tarolas

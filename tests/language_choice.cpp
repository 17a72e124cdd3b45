// Which language the game speaks under the locale variables ctest sets: the expected "hu" or "en"
// is the argument.

#include <QLocale>
#include <cstdio>

#include "table/language.h"

int main(int argc, char** argv) {
    const QString nyelv = tarolas::nyelvValasztas(QLocale::system().uiLanguages());
    std::printf("%s: %s\n", qPrintable(QLocale::system().uiLanguages().join(QLatin1Char(' '))), qPrintable(nyelv));
    return argc == 2 && nyelv == QLatin1String(argv[1]) ? 0 : 1;
}

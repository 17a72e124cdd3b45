#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <xcb/xcb.h>

#include "access/accessibility.h"
#include "store/memory.h"
#include "table/form1.h"
#include "table/forditas.h"
#include "table/language.h"

namespace {

constexpr const char* kHasznalat = TAROLAS_SZOVEG("main",
    "Használat: tarolas [KAPCSOLÓ]\n"
    "Tarolás: a hatvanhatos család kétszemélyes magyar kártyajátéka, a számítógép ellen.\n"
    "\n"
    "  -h, --help     ez a súgó, majd kilépés\n"
    "  -v, --version  a program változata, majd kilépés\n"
    "\n"
    "A Qt saját kapcsolóit (-platform, -display, -style és a többi) a Qt kapja meg.\n");

// Qt's options that take a value in the next argument, and those that stand alone.
constexpr std::string_view kQtErtekes[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                           "qwindowgeometry", "qwindowtitle", "qwindowicon", "display",
                                           "geometry", "style", "stylesheet", "session"};
constexpr std::string_view kQtMagaban[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

std::string_view env(const char* nev) {
    const char* v = std::getenv(nev);
    return v ? v : "";
}

// Whether one of the platforms Qt will try can show a window, so that a missing display is told
// in one line instead of Qt's abort. Platforms without a server (offscreen, vnc) always can.
bool vanKijelzo(std::string_view platform, std::string_view display) {
    if (platform.empty()) platform = env("WAYLAND_DISPLAY").empty() ? "xcb" : "wayland;xcb";
    while (!platform.empty()) {
        const std::size_t veg = platform.find(';');
        std::string_view nev = platform.substr(0, veg);
        platform = veg == std::string_view::npos ? std::string_view() : platform.substr(veg + 1);
        nev = nev.substr(0, nev.find(':'));
        if (nev == "xcb") {
            const std::string d(display.empty() ? env("DISPLAY") : display);
            if (d.empty()) continue;
            xcb_connection_t* c = xcb_connect(d.c_str(), nullptr);
            const bool jo = xcb_connection_has_error(c) == 0;
            xcb_disconnect(c);
            if (jo) return true;
        } else if (nev.starts_with("wayland")) {
            if (!env("WAYLAND_DISPLAY").empty() || !env("XDG_RUNTIME_DIR").empty()) return true;
        } else if (!nev.empty()) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // The desktop's language, for --help and the errors too.
    const QString nyelv = tarolas::nyelvValasztas(QLocale::system().uiLanguages());
    tarolas::nyelvBeallitas(nyelv);
    // The command line is read before Qt is started: --help and --version need no display.
    std::string_view platform = env("QT_QPA_PLATFORM"), display;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "-h" || a == "--help") {
            std::fputs(tarolas::forditott("main", kHasznalat).c_str(), stdout);
            return 0;
        }
        if (a == "-v" || a == "--version") {
            std::puts("tarolas " TAROLAS_VERSION);
            return 0;
        }
        std::string_view qt = a.starts_with("--") ? a.substr(2) : a.starts_with('-') ? a.substr(1) : std::string_view();
        const std::size_t egyenlo = qt.find('=');
        const std::string_view nev = qt.substr(0, egyenlo);
        bool ismert = false;
        for (const std::string_view o : kQtErtekes)
            if (nev == o && (egyenlo != std::string_view::npos || i + 1 < argc)) {
                const std::string_view ertek = egyenlo != std::string_view::npos ? qt.substr(egyenlo + 1) : argv[++i];
                if (nev == "platform") platform = ertek;
                if (nev == "display") display = ertek;
                ismert = true;
            }
        for (const std::string_view o : kQtMagaban) ismert = ismert || qt == o;
        if (!ismert) {
            const std::string hiba = tarolas::kitolt(
                tarolas::forditas("main", "tarolas: ismeretlen kapcsoló: '%1'\nA kapcsolók listája: tarolas --help\n"),
                {argv[i]});
            std::fputs(hiba.c_str(), stderr);
            return 2;
        }
    }
    if (!vanKijelzo(platform, display)) {
        const std::string_view d = display.empty() ? env("DISPLAY") : display;
        const std::string hiba =
            d.empty() ? tarolas::forditas(
                            "main", "tarolas: nincs kijelző az ablaknak (sem a DISPLAY, sem a WAYLAND_DISPLAY nincs beállítva)\n")
                      : tarolas::kitolt(tarolas::forditas("main", "tarolas: a(z) '%1' kijelző nem nyitható meg\n"),
                                        {std::string(d)});
        std::fputs(hiba.c_str(), stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarolás"));
    QApplication::setApplicationVersion(QStringLiteral(TAROLAS_VERSION));
    // Ties the window to its launcher: the desktop entry's name here, its StartupWMClass is the
    // window's X class, which Qt takes from the application name.
    QGuiApplication::setDesktopFileName(QStringLiteral("hu.tarolas.tarolas"));

    // Now into the application too: the windows' texts and Qt's own ("Igen", "Nem").
    tarolas::nyelvBeallitas(nyelv);

    Form1 ablak;
    akadalymentesseg(ablak);
    emlekezet(ablak);
    ablak.show();
    return app.exec();
}

#include "accessibility.h"

#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <memory>

#include "access/narration.h"
#include "access/narrator.h"
#include "access/table_accessible.h"
#include "table/form1.h"
#include "table/score_text.h"
#include "table/table_widget.h"

namespace {
// After the end-of-deal box the new deal is told before where the play stands: read with the focus
// as the box closes, "Te hívsz." would come first. The deal's sentences wait until the focus is back,
// or, when it came back before the deal, until the deal is out; where the play stands follows them.
// The table's description stays empty until the play goes on: a screen reader reads it with the
// focus only when it gets round to it, which may be after the deal is out.
struct DobozUtan {
    const Form1& ablak;
    AsztalLeiras* asztal;
    Narrator* narrator;
    bool fokuszJott = false;  // the focus came back after a deal's end, before the next deal

    // Lets the held sentences go, with where the play stands after them if `allapottal`; true
    // when some were held.
    bool elenged(bool allapottal) {
        const bool tartott = narrator->tart(false);
        if (tartott && allapottal) allapot();
        return tartott;
    }
    // The play goes on: the deal's sentences go, and the table's description may be read again.
    void tovabb() {
        elenged(false);
        asztal->ujOsztasElmondva();
    }
    void allapot() {
        const std::string a = tarolas::allapotSzoveg(ablak.st());
        if (!a.empty()) narrator->mond(QString::fromStdString(a), false);
    }
    // Told before the table's description, which still says whether the deal was over.
    void esemeny(const tarolas::Esemeny& e) {
        using tarolas::Tortent;
        if (e.mi == Tortent::JatszmaVege) {
            fokuszJott = false;
        } else if (e.mi == Tortent::Osztas && asztal->leosztasKozott()) {
            narrator->tart(true);
            if (fokuszJott) QTimer::singleShot(0, narrator, [this] { elenged(true); });
        } else if (e.mi != Tortent::MeccsVege) {
            // Should the focus not come back, the next move lets the deal's sentences go.
            tovabb();
        }
    }
};
}  // namespace

void akadalymentesseg(Form1& ablak) {
    AsztalLeiras* asztal = asztalAkadalymentes(ablak);
    auto* narrator = new Narrator(&ablak, tarolas::mondat);
    auto doboz = std::make_shared<DobozUtan>(DobozUtan{ablak, asztal, narrator});
    ablak.jatek().figyelotAd([asztal, narrator, doboz](const tarolas::Esemeny& e) {
        doboz->esemeny(e);
        asztal->esemeny(e);
        narrator->esemeny(e);
    });
    Form1::Gombok lathato{};
    for (std::size_t i = 0; i < lathato.size(); ++i) lathato[i] = !ablak.Command1[i]->isHidden();
    narrator->gombok(lathato);
    QObject::connect(&ablak, &Form1::gombokValtoztak, narrator, &Narrator::gombok);
    // A hint is asked for, like R and S: not part of the move R says again.
    QObject::connect(&ablak, &Form1::tippAdva, narrator, [narrator](const QString& s) { narrator->mond(s, false); });
    // A message the status bar shows for a while (a match taken up, a file that could not be read).
    QObject::connect(ablak.StatusBar1, &QStatusBar::messageChanged, narrator, [narrator](const QString& uzenet) {
        if (!uzenet.isEmpty()) narrator->mond(uzenet, false);
    });
    QObject::connect(&ablak, &Form1::ujraKerve, narrator, [narrator, doboz, &ablak] {
        doboz->tovabb();
        // Before anything was said, where things stand: how to start.
        if (!narrator->ujra()) narrator->mond(QString::fromStdString(tarolas::attekintes(ablak.st())), false);
    });
    QObject::connect(&ablak, &Form1::attekintesKerve, narrator, [narrator, doboz](const QString& s) {
        doboz->tovabb();
        narrator->mond(s, false);
    });
    QObject::connect(ablak.Picture3, &TableWidget::fokuszKapott, asztal, [asztal, narrator, doboz](bool vissza) {
        if (asztal->leosztasKozott()) doboz->fokuszJott = true;
        const bool ujOsztas = doboz->elenged(false);
        asztal->fokuszJelzes();
        // Where the play stands now, never the last thing that happened. With nothing selected the
        // table itself has the focus, and its description is read with it (but not after a new deal's box).
        if (ujOsztas) doboz->allapot();
        else if (vissza && asztal->kivalasztott() >= 0 && !asztal->allapot().isEmpty())
            narrator->mond(asztal->allapot(), false);
        // A later return of the focus reads the description again.
        if (!ujOsztas && !asztal->leosztasKozott()) asztal->ujOsztasElmondva();
    });
}

#include "accessibility.h"

#include <QPushButton>

#include "access/narration.h"
#include "access/narrator.h"
#include "access/table_accessible.h"
#include "table/form1.h"
#include "table/score_text.h"
#include "table/table_widget.h"

void akadalymentesseg(Form1& ablak) {
    AsztalLeiras* asztal = asztalAkadalymentes(ablak);
    auto* narrator = new Narrator(&ablak, tarolas::mondat);
    // A deal dealt as the end-of-deal box closes is told once the focus is back, before where the
    // play stands: read with the focus, that would come first. Should the focus not come back, the
    // next move lets it go.
    auto elenged = [asztal, narrator] {
        const bool tartott = narrator->tart(false);
        asztal->ujOsztasElmondva();
        return tartott;
    };
    ablak.jatek().setFigyelo([asztal, narrator, elenged, vege = false](const tarolas::Esemeny& e) mutable {
        using tarolas::Tortent;
        if (e.mi == Tortent::Osztas && vege) narrator->tart(true);
        else if (e.mi != Tortent::JatszmaVege && e.mi != Tortent::MeccsVege) elenged();
        if (e.mi == Tortent::JatszmaVege || e.mi == Tortent::Osztas) vege = e.mi == Tortent::JatszmaVege;
        asztal->esemeny(e);
        narrator->esemeny(e);
    });
    Form1::Gombok lathato{};
    for (std::size_t i = 0; i < lathato.size(); ++i) lathato[i] = !ablak.Command1[i]->isHidden();
    narrator->gombok(lathato);
    QObject::connect(&ablak, &Form1::gombokValtoztak, narrator, &Narrator::gombok);
    QObject::connect(&ablak, &Form1::tippAdva, narrator, [narrator](const QString& s) { narrator->mond(s); });
    QObject::connect(&ablak, &Form1::ujraKerve, narrator, [narrator, &ablak] {
        // Before anything was said, where things stand: how to start.
        if (!narrator->ujra()) narrator->mond(QString::fromStdString(tarolas::attekintes(ablak.st())), false);
    });
    QObject::connect(&ablak, &Form1::attekintesKerve, narrator, [narrator](const QString& s) { narrator->mond(s, false); });
    QObject::connect(ablak.Picture3, &TableWidget::fokuszKapott, asztal, [asztal, narrator, elenged](bool vissza) {
        const bool ujOsztas = elenged();
        asztal->fokuszJelzes();
        // Where the play stands now, never the last thing that happened. With nothing selected the
        // table itself has the focus, and its description is read with it (but not after a new deal's box).
        if (vissza && (ujOsztas || asztal->kivalasztott() >= 0) && !asztal->allapot().isEmpty())
            narrator->mond(asztal->allapot(), false);
    });
}

#include "accessibility.h"

#include <QPushButton>
#include <QStatusBar>

#include "access/narration.h"
#include "access/narrator.h"
#include "access/table_accessible.h"
#include "table/form1.h"
#include "table/table_widget.h"

void akadalymentesseg(Form1& ablak) {
    AsztalLeiras* asztal = asztalAkadalymentes(ablak);
    auto* narrator = new Narrator(&ablak, tarolas::mondat);
    ablak.jatek().figyelotAd([asztal, narrator](const tarolas::Esemeny& e) {
        asztal->esemeny(e);
        narrator->esemeny(e);
    });
    Form1::Gombok lathato{};
    for (std::size_t i = 0; i < lathato.size(); ++i) lathato[i] = !ablak.Command1[i]->isHidden();
    narrator->gombok(lathato);
    QObject::connect(&ablak, &Form1::gombokValtoztak, narrator, &Narrator::gombok);
    QObject::connect(&ablak, &Form1::tippAdva, narrator, &Narrator::mond);
    // A message the status bar shows for a while (a match taken up, a file that could not be read).
    QObject::connect(ablak.StatusBar1, &QStatusBar::messageChanged, narrator, [narrator](const QString& uzenet) {
        if (!uzenet.isEmpty()) narrator->mond(uzenet);
    });
    QObject::connect(ablak.Picture3, &TableWidget::fokuszKapott, asztal, [asztal, narrator](bool vissza) {
        asztal->fokuszJelzes();
        // Where the play stands now, never the last thing that happened. With nothing selected the
        // table itself has the focus, and its description is read with it.
        if (vissza && asztal->kivalasztott() >= 0 && !asztal->allapot().isEmpty())
            narrator->mond(asztal->allapot());
    });
}

#include "statistics_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using tarolas::Merleg;

struct Sor {
    const char* nev;
    QString (*ertek)(const Merleg&);
};

QString n(int x) { return QString::number(x); }

// clang-format off
const Sor kSorok[] = {
    {QT_TRANSLATE_NOOP("Statisztika", "Lejátszott játékok"), [](const Merleg& m) { return n(m.nyert + m.vesztett); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Megnyert játékok"), [](const Merleg& m) { return n(m.nyert); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Elvesztett játékok"), [](const Merleg& m) { return n(m.vesztett); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Félbehagyott játékok"), [](const Merleg& m) { return n(m.felbehagyott); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Megnyert játékok aránya"), [](const Merleg& m) {
        const int osszes = m.nyert + m.vesztett;
        return osszes == 0 ? QStringLiteral("–") : QStringLiteral("%1 %").arg(qRound(100.0 * m.nyert / osszes));
    }},
    {QT_TRANSLATE_NOOP("Statisztika", "Jelenlegi győzelmi sorozat"), [](const Merleg& m) { return n(m.sorozat); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Leghosszabb győzelmi sorozat"), [](const Merleg& m) { return n(m.leghosszabb); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Megnyert játszmák"), [](const Merleg& m) { return n(m.leosztasNyert); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Elvesztett játszmák"), [](const Merleg& m) { return n(m.leosztasVesztett); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Döntetlen játszmák"), [](const Merleg& m) { return n(m.leosztasDontetlen); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Megnyert játszmák 1 pontért"), [](const Merleg& m) { return n(m.nyertEgyseggel[0]); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Megnyert játszmák 2 pontért"), [](const Merleg& m) { return n(m.nyertEgyseggel[1]); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Megnyert játszmák 3 pontért"), [](const Merleg& m) { return n(m.nyertEgyseggel[2]); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Megnyert játszmák 6 pontért"), [](const Merleg& m) { return n(m.nyertEgyseggel[3]); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Elvesztett játszmák 1 pontért"), [](const Merleg& m) { return n(m.vesztettEgyseggel[0]); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Elvesztett játszmák 2 pontért"), [](const Merleg& m) { return n(m.vesztettEgyseggel[1]); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Elvesztett játszmák 3 pontért"), [](const Merleg& m) { return n(m.vesztettEgyseggel[2]); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Elvesztett játszmák 6 pontért"), [](const Merleg& m) { return n(m.vesztettEgyseggel[3]); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Bemondott húszak"), [](const Merleg& m) { return n(m.husz); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Húszak megnyert játszmában"), [](const Merleg& m) { return n(m.huszNyert); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Bemondott negyvenek"), [](const Merleg& m) { return n(m.negyven); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Negyvenek megnyert játszmában"), [](const Merleg& m) { return n(m.negyvenNyert); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Bemondott Tarolások"), [](const Merleg& m) { return n(m.tarolas); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Tarolások megnyert játszmában"), [](const Merleg& m) { return n(m.tarolasNyert); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Takarások"), [](const Merleg& m) { return n(m.takaras); }},
    {QT_TRANSLATE_NOOP("Statisztika", "Takarások megnyert játszmában"), [](const Merleg& m) { return n(m.takarasNyert); }},
};
// clang-format on

}  // namespace

Statisztika::Statisztika(QWidget* owner, const tarolas::Rekord& rekord, std::function<tarolas::Rekord()> nullaz)
    : QDialog(owner), nullaz_(std::move(nullaz)) {
    setObjectName(QStringLiteral("Statisztika"));
    setWindowTitle(tr("Statisztika"));

    // The count's name is a cell of its own, so a screen reader reading a row reads it too; each
    // number carries its column's name for the same reason.
    tablazat = new QTableWidget(static_cast<int>(std::size(kSorok)), 3, this);
    tablazat->setObjectName(QStringLiteral("tablazat"));
    tablazat->setAccessibleName(tr("Statisztika"));
    tablazat->setHorizontalHeaderLabels({tr("Eredmény"), tr("Számítógép"), tr("Erős ellenfél")});
    tablazat->verticalHeader()->hide();
    tablazat->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tablazat->setSelectionMode(QAbstractItemView::SingleSelection);
    tablazat->setTabKeyNavigation(false);
    tablazat->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tablazat->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    tablazat->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    tablazat->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    kitolt(rekord);
    tablazat->setCurrentCell(0, 1);

    nullazas = new QPushButton(tr("&Nullázás"), this);
    bezar = new QPushButton(tr("&Bezár"), this);
    bezar->setDefault(true);
    connect(nullazas, &QPushButton::clicked, this, &Statisztika::nullazasClick);
    connect(bezar, &QPushButton::clicked, this, &QDialog::accept);

    auto* gombok = new QHBoxLayout;
    gombok->addWidget(nullazas);
    gombok->addStretch(1);
    gombok->addWidget(bezar);
    auto* elrendezes = new QVBoxLayout(this);
    elrendezes->addWidget(tablazat);
    elrendezes->addLayout(gombok);

    // Every row in view at once, where the screen allows.
    const int magas = tablazat->horizontalHeader()->sizeHint().height() + tablazat->verticalHeader()->length() + 4;
    tablazat->setMinimumHeight(std::min(magas, 560));
    tablazat->setMaximumHeight(magas);
    resize(tablazat->horizontalHeader()->sectionSize(0) + 2 * 130 + 40, sizeHint().height());
    tablazat->setFocus();
}

void Statisztika::kitolt(const tarolas::Rekord& rekord) {
    for (int s = 0; s < tablazat->rowCount(); ++s) {
        tablazat->setItem(s, 0, new QTableWidgetItem(tr(kSorok[s].nev)));
        for (int o = 0; o < 2; ++o) {
            auto* cella = new QTableWidgetItem(kSorok[s].ertek(rekord[static_cast<std::size_t>(o)]));
            cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            cella->setData(Qt::AccessibleTextRole,
                           tablazat->horizontalHeaderItem(o + 1)->text() + QStringLiteral(": ") + cella->text());
            tablazat->setItem(s, o + 1, cella);
        }
    }
}

void Statisztika::nullazasClick() {
    QMessageBox kerdes(QMessageBox::Question, tr("Statisztika"),
                       tr("Biztosan nullázod a statisztikát? Minden eddigi eredmény törlődik."),
                       QMessageBox::Yes | QMessageBox::No, this);
    kerdes.setDefaultButton(QMessageBox::No);
    if (kerdes.exec() != QMessageBox::Yes) return;
    kitolt(nullaz_());
    tablazat->setFocus();
}

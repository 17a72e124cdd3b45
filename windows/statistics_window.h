#pragma once

// Statisztika: the player's record as a table, a column for each opponent, a row for each count,
// so a screen reader reads a count with its row and column. "Nullázás" empties it once confirmed.

#include <QDialog>
#include <functional>

#include "store/record.h"

class QTableWidget;
class QPushButton;

class Statisztika : public QDialog {
    Q_OBJECT
public:
    // `nullaz` empties the record and returns what it holds then.
    Statisztika(QWidget* owner, const tarolas::Rekord& rekord, std::function<tarolas::Rekord()> nullaz);

    QTableWidget* tablazat = nullptr;
    QPushButton* nullazas = nullptr;
    QPushButton* bezar = nullptr;

    void kitolt(const tarolas::Rekord& rekord);

private:
    void nullazasClick();

    std::function<tarolas::Rekord()> nullaz_;
};

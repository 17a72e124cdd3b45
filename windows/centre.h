#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a box of the given outer size goes so that it sits in the middle of its owner's outer
// frame: left = owner left + owner width / 2 - box width / 2, top likewise. Any unit will do, as
// long as both use the same one.
QPoint kozepre(const QRect& gazda, const QSize& doboz);

// Moves a dialog that is about to be shown to the middle of its owner window.
void gazdaKozepere(QWidget& doboz);

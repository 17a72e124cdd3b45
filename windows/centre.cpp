#include "centre.h"

#include <QWidget>
#include <cmath>

QPoint kozepre(const QRect& gazda, const QSize& doboz) {
    const float left = static_cast<float>(gazda.left()) + static_cast<float>(gazda.width()) / 2.0F -
                       static_cast<float>(doboz.width()) / 2.0F;
    const float top = static_cast<float>(gazda.top()) + static_cast<float>(gazda.height()) / 2.0F -
                      static_cast<float>(doboz.height()) / 2.0F;
    return {static_cast<int>(std::lrint(left)), static_cast<int>(std::lrint(top))};
}

void gazdaKozepere(QWidget& doboz) {
    const QWidget* gazda = doboz.parentWidget() ? doboz.parentWidget()->window() : nullptr;
    if (!gazda) return;
    // Until the box has been framed once its frame is unknown: it will get the owner's decoration.
    QSize kulso = doboz.frameGeometry().size();
    if (kulso == doboz.size()) kulso += gazda->frameGeometry().size() - gazda->size();
    doboz.move(kozepre(gazda->frameGeometry(), kulso));
}

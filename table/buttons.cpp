#include <QPushButton>

#include "form1.h"

void Form1::gombbeallito() {
    const auto lathato = tarolas::offeredButtons(st());
    for (int i = 0; i < 4; ++i) Command1[i]->setVisible(lathato[i]);
}

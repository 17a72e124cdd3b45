#include "about_box.h"

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) { setWindowTitle(QStringLiteral("Tarolás névjegye")); }

#include "rules_window.h"

Form2::Form2(QWidget* owner) : QDialog(owner) { setWindowTitle(QStringLiteral("Tarolás játékszabálya")); }

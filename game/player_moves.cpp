#include "jatek.h"

namespace tarolas {

bool Jatek::talonbanJatszik() const { return st.asztal.empty() && !st.takart && st.talonszam > 0; }

void Jatek::kijatszas(int) {}
void Jatek::adulapcsere() {}
void Jatek::talontakaras() {}

}  // namespace tarolas

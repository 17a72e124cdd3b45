#pragma once

// The card table's face towards screen readers: an accessible named "Kártyaasztal" whose children,
// after its buttons and label, are the things on the table as the last redraw painted them, the
// player's cards gathered in a list of their own, "Kezed".

class TableWidget;

// Makes Qt ask us for the table's accessible; once per program.
void asztalAkadalymentes();
// The selected card has become the focused child.
void asztalFokusz(TableWidget* asztal);
// The table's description, where the play stands, has changed. Screen readers read it when the
// focus comes back to the table; a client that caches it learns the new one.
void asztalAllapot(TableWidget* asztal);

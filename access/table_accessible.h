#pragma once

// The card table's face towards screen readers: an accessible named "Kártyaasztal" whose children,
// after its buttons and label, are the things on the table as the last redraw painted them.

class TableWidget;

// Makes Qt ask us for the table's accessible; once per program.
void asztalAkadalymentes();
// The selected card has become the focused child.
void asztalFokusz(TableWidget* asztal);
// The table's description now holds the latest announcement; screen readers hear the change.
void asztalBejelentes(TableWidget* asztal);

#pragma once

class QLabel;

// True when the label shows its text character for character, markup included, as a plain text
// label does: its natural width is at least that of the raw text.
bool MuestraTalCual(const QLabel* etiqueta);

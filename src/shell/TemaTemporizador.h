#pragma once

#include <QColor>
#include <QPalette>

// The development timer's two looks: coloured figures on dark grey, and red on black for the
// darkroom, which keeps a dark-adapted eye.

// The window: `base` with its colours replaced.
QPalette PaletaTemporizador(QPalette base, bool oscuro);
// The big digits; `destello`: the moments they flash after an alert.
QPalette PaletaDigitos(QPalette base, bool oscuro, bool destello);
// The warning beside the bath temperature, and the name of the running stage.
QColor ColorAvisoTemporizador(bool oscuro);
QColor ColorEtapaTemporizador(bool oscuro);

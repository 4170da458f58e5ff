#pragma once

#include "shell/Controles.h"

#include <QLabel>
#include <QString>

// Building the calculator windows from their documented geometry (twips).

// The font of the calculator windows' own controls: small, as their geometry was laid out for.
QFont FuenteVentanaCalc();

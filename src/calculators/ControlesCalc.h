#pragma once

#include "shell/Controles.h"

#include <QLabel>
#include <QString>

// Building the calculator windows from their documented geometry (twips).

// The font of the calculator windows' own controls: small, as their geometry was laid out for.
QFont FuenteVentanaCalc();

// A label; without a size it takes the size of its text.
QLabel* CrearEtiqueta(QWidget* padre, const char* nombre, const QString& texto, double izquierda,
                      double arriba, double ancho = 0, double alto = 0);

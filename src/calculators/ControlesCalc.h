#pragma once

#include "shell/Controles.h"

#include <QLabel>
#include <QString>

// Building the calculator windows from their documented geometry (twips).

template <class T>
T* CrearControl(QWidget* padre, const char* nombre, double izquierda, double arriba, double ancho,
                double alto) {
    auto* control = new T(padre);
    control->setObjectName(QString::fromLatin1(nombre));
    ColocarTwips(control, izquierda, arriba, ancho, alto);
    return control;
}

// The font of the calculator windows' own controls: small, as their geometry was laid out for.
QFont FuenteVentanaCalc();

// A label; without a size it takes the size of its text.
QLabel* CrearEtiqueta(QWidget* padre, const char* nombre, const QString& texto, double izquierda,
                      double arriba, double ancho = 0, double alto = 0);

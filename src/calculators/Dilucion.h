#pragma once

#include <QString>
#include <QStringView>

// Splitting a working solution into concentrate and water.

enum class ModoDilucion {
    PartesMasPartes, // 1+X: a parts of concentrate plus b parts of water
    Relacion,        // 1:X: a parts of concentrate in b parts in all
};

struct ResultadoDilucion {
    QString mensaje; // why nothing was computed; empty on success
    double concentrado = 0;
    double agua = 0;
    QString textoConcentrado; // "50.00 ml"
    QString textoAgua;
};

// The parts and the total as typed (comma or point); the unit is "ml", "cl" or "l".
ResultadoDilucion CalcularDilucion(QStringView parte1, QStringView parte2, QStringView total,
                                   const QString& unidad, ModoDilucion modo);

#pragma once

#include "timer/PlanRevelado.h"

#include <QString>
#include <vector>

// What the timer remembers between runs, in the per-user settings store: the last scheme, the
// compensation choices, the darkroom mode and the schemes the user named.

struct EleccionCompensacion {
    int formula = 0;
    int revelador = 1;
    int agitacion = 1;
};

EsquemaEtapas LeerEsquemaActual();
void GuardarEsquemaActual(const EsquemaEtapas& e);
// The darkroom mode, as the user last left it.
bool LeerModoOscuro();
void GuardarModoOscuro(bool si);
EleccionCompensacion LeerCompensacion();
void GuardarCompensacion(const EleccionCompensacion& c);

struct EsquemaNombrado {
    QString nombre;
    EsquemaEtapas esquema;
};
std::vector<EsquemaNombrado> LeerEsquemasNombrados();
// Replaces a scheme of the same name, or adds it.
void GuardarEsquemaNombrado(const QString& nombre, const EsquemaEtapas& e);

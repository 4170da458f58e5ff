#pragma once

#include "timer/PlanRevelado.h"

#include <QString>

// What the timer shows of a run, as text.

// Whole seconds still to go, as a countdown shows them: 0:00 only at the end.
int SegundosArriba(qint64 ms);
// The line under the stage: what comes next and in how long ("Agitar en 00:12"); empty when
// nothing is to come. `transcurrido` is the run's active time at the reading that gave `p`.
QString TextoProximo(const Posicion& p, qint64 transcurrido);

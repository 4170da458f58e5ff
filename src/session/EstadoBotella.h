#pragma once

#include "session/CifrasFabricante.h"
#include "session/Sesion.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// Where a bottle of developer stands after the sessions that drew from it: films developed against
// the maker's stated capacity, days of life left, and the time the next session needs when the
// sheet makes it grow with use. Only what a sheet states is counted; the rest stays unsaid.

struct EstadoBotella {
    double peliculas = 0;                    // reels developed, counted as the sheets count them
    bool hojasSinContar = false;             // sheets were developed that no sheet counts as reels
    std::optional<double> capacidadRestante; // reels left, when a capacity is stated
    std::optional<int> diasRestantes;        // days of life left (0 or less once past), when stated
    std::optional<QDate> caduca;             // first day it is no longer good, when stated
    bool agotada = false;                    // its stated capacity is used up
    bool caducada = false;                   // past its stated life
    double factorTiempo = 1.0;               // the next session's time multiplier
    std::optional<double> mlReponer;         // replenisher owed for the films developed
    QString frase;                           // one Spanish sentence that says so
};

// `sesiones` are those that drew from the bottle (others are ignored by idBotella when the bottle
// has an id), in any order; sessions dated after `hoy` count too. `cifras` may be null.
EstadoBotella CalcularEstadoBotella(const Botella& b, const std::vector<Sesion>& sesiones, const QDate& hoy,
                                    const CifrasRevelador* cifras);
// The same with the figures looked up by the bottle's developer and dilution.
EstadoBotella CalcularEstadoBotella(const Botella& b, const std::vector<Sesion>& sesiones, const QDate& hoy);

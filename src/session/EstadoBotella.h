#pragma once

#include "session/CifrasFabricante.h"
#include "session/Sesion.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// Where a bottle of developer stands after the sessions that drew from it: reels developed against
// the maker's stated capacity, days of life left, and the time the next session needs when the
// sheet makes it grow with use. Only what a sheet states is counted; the rest stays unsaid.
//
// A session at the bottle's own dilution reuses the solution (poured back); one at another
// dilution draws `mlConcentrado` from it and dilutes it once. A concentrate's capacity counts
// every session; another solution's capacity and time increase count the reusing ones. Once a
// session has drawn from it the bottle counts as partly full from that day.

struct EstadoBotella {
    double peliculas = 0;                    // reels developed from it, as the sheets count them
    bool hojasSinContar = false;             // sheets were developed that no sheet counts as reels
    std::optional<double> capacidad;         // reels the bottle develops in all, when stated
    std::optional<double> capacidadRestante; // reels left, when a capacity is stated
    std::optional<double> mlRestantes;       // solution left once sessions drew from it diluted
    std::optional<QDate> caduca;             // first day it is no longer good, when stated
    std::optional<int> diasRestantes;        // days until then (0 or less once past)
    bool agotada = false;                    // capacity used up or nothing left
    bool caducada = false;                   // past its stated life
    double factorTiempo = 1.0;               // the next session's time: standard × factor + extra
    int segundosExtra = 0;
    std::optional<double> mlReponer; // replenisher owed for the reels developed
    QString frase;                   // one Spanish sentence that says all of it
};

// `sesiones` drew from the bottle (when the bottle has an id, sessions with another idBotella are
// left out), in any order. `cifras` may be null: then only the reels are counted.
EstadoBotella CalcularEstadoBotella(const Botella& b, const std::vector<Sesion>& sesiones, const QDate& hoy,
                                    const CifrasRevelador* cifras);
// The same with the figures looked up by the bottle's developer and dilution.
EstadoBotella CalcularEstadoBotella(const Botella& b, const std::vector<Sesion>& sesiones, const QDate& hoy);
// The next session's developing time from the standard one.
int SegundosSiguienteSesion(const EstadoBotella& e, int segundosEstandar);

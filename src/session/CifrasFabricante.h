#pragma once

#include "session/Sesion.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What the makers' own sheets state about a developer at a dilution: the least concentrate a film
// or a tank needs, how many films a litre develops, how long the solution keeps, and how time or
// replenishment follows the films developed. Every figure carries the sheet line it comes from; a
// figure no sheet states is absent, and the program then says nothing rather than guess.

// Where a figure stands: the sheet's text (a file under datos/fuentes, as the maker's PDF reads
// when extracted to text), the line (from 1) and the words quoted from that line.
struct Cita {
    QString hoja;  // e.g. "ilford_ilfotec_ddx.txt"
    int linea = 0; // 1-based
    QString texto; // the words on that line, as they stand there
    bool operator==(const Cita&) const = default;
};

// The least concentrate, in ml, for one film or for a whole tank.
struct MinimoConcentrado {
    double ml = 0;
    QString por; // what the sheet counts it per, in Spanish, e.g. "por carrete (135-36 o 120)"
    Cita cita;
};

// Films of 80 square inches (one 135-36 or one 120 reel) a litre of the solution develops.
struct Capacidad {
    double peliculasPorLitro = 0;
    Cita cita;
};

enum class UnidadVida { Horas, Dias, Semanas, Meses };
struct Vida {
    int cantidad = 0;
    UnidadVida unidad = UnidadVida::Meses;
    Cita cita;
};
// When a solution kept from `desde` for that life is no longer good (the first day it is not).
QDate FinDeVida(const QDate& desde, const Vida& v);
// "6 meses", "24 horas".
QString TextoVida(const Vida& v);

// Reused solution: the time grows by `porcentaje` for every `cadaPeliculas` films developed after
// the first `sinAumento` films.
struct AumentoTiempo {
    double porcentaje = 0;
    int cadaPeliculas = 1;
    int sinAumento = 0;
    Cita cita;
};

// Replenished solution: `mlPorPelicula` of replenisher for each film, the time unchanged.
struct Reposicion {
    double mlPorPelicula = 0;
    QString reponedor; // what the sheet names as replenisher
    Cita cita;
};

// Sheets counted as reels: `hojas` sheets of the size named make one reel of 80 square inches.
struct EquivalenciaHojas {
    int hojas = 0;
    QString formato; // e.g. "4x5 pulgadas"
    Cita cita;
};

struct CifrasRevelador {
    QString revelador; // as datos/Reveladores.csv spells it, e.g. "Ilford Ilfotec HC"
    QString dilucion;  // as datos/Tiempos.csv spells it, e.g. "1+31", "stock"
    std::optional<MinimoConcentrado> minimoPorPelicula;
    std::optional<MinimoConcentrado> minimoPorTanque;
    std::optional<Capacidad> capacidad;
    std::optional<Vida> vidaLlena;   // stock in a full, closed bottle
    std::optional<Vida> vidaParcial; // stock in a partly full bottle
    std::optional<Vida> vidaTrabajo; // working solution once mixed
    std::optional<AumentoTiempo> aumento;
    std::optional<Reposicion> reposicion;
    std::optional<EquivalenciaHojas> hojas;
    std::optional<Cita> unSoloUso; // the sheet says to use it once and discard it
};

// Null when no sheet states anything of that developer at that dilution. Names compare without
// regard to case or surrounding blanks.
const CifrasRevelador* BuscarCifrasRevelador(const QString& revelador, const QString& dilucion);
// Every row of the table, for the data tests and for listing sources.
const std::vector<CifrasRevelador>& TablaCifrasRevelador();

// One figure of a row as its citation must show it: the number as written and where it stands.
struct CifraCitada {
    QString campo; // which figure, e.g. "minimoPorPelicula"
    QString valor; // the number as the sheet writes it, e.g. "10", "6"
    Cita cita;
};
// Every figure the row holds, each with its citation (an empty citation when it lacks one).
std::vector<CifraCitada> CifrasDe(const CifrasRevelador& c);

// Reels a load counts as: 35 mm (36 exp.) and 120 reels one each, sheets only where the figures
// state how many make a reel. `hojasSinContar` when sheets are loaded that no sheet counts.
struct PeliculasCarga {
    double peliculas = 0;
    bool hojasSinContar = false;
};
PeliculasCarga ContarPeliculas(const Carga& carga, const CifrasRevelador* c);

// The warnings a planned load earns from the figures: too little concentrate for the films or the
// tank, more films than the working solution develops. Empty when all is well or nothing stated.
// e.g. "Ilford Ilfotec HC 1+47: mínimo 10 ml de concentrado por carrete (135-36 o 120); la carga
// de 2 carretes pide 20 ml y la dilución da 12,8 ml."
QStringList AvisosConcentrado(const CifrasRevelador& c, const Carga& carga, double mlConcentrado,
                              int mlTrabajo);
// The figure in one sentence, for showing beside the plan without a fault, e.g.
// "Ilford Ilfotec HC 1+47: mínimo 10 ml de concentrado por carrete (135-36 o 120)."
QString TextoMinimo(const CifrasRevelador& c);

// The baths after developing for film, with the makers' times: stop, fixer, wash and wetting
// agent, each with `fuente` naming its sheet line.
std::vector<Bano> BanosPorDefecto();
// The citation of each default bath, in the same order, for the data tests.
std::vector<Cita> CitasBanosPorDefecto();
// "ilford_rapid_fixer.txt:123", what `Bano::fuente` holds.
QString TextoFuente(const Cita& c);

#pragma once

#include "session/Sesion.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What the makers' own sheets state about a developer at a dilution: the least concentrate a film
// or a tank needs, how many films the solution develops, how long it keeps, and how the time or the
// replenishment follows the films developed. Every figure carries the sheet line it comes from; a
// figure no sheet states is absent, and the program then says nothing rather than guess.

// The dilution a bottle of liquid concentrate is kept at (powder developers keep "stock").
inline const QString kDilucionConcentrado = QStringLiteral("concentrado");

// Where a figure stands: the maker's sheet as text (a file under datos/fuentes), the line (from 1)
// and the words quoted from that line.
struct Cita {
    QString hoja;  // e.g. "ilford_ilfotec_ddx.txt"
    int linea = 0; // 1-based
    QString texto; // words on that line, as they stand there (runs of blanks count as one)
    bool operator==(const Cita&) const = default;
};

// The least concentrate, in ml, for one film or for one mix (a whole tank).
struct MinimoConcentrado {
    double ml = 0;
    QString por; // what the sheet counts it per, in Spanish, e.g. "por carrete (135-36 o 120)"
    Cita cita;
};

// Films (135-36 or 120 reels) that `ml` of the row's solution develops: reused as it is for a
// working or stock solution, diluted once for a concentrate.
struct Capacidad {
    double peliculas = 0;
    double ml = 1000;
    QString por;      // the volume as the sheet names it, in Spanish, e.g. "por litro"
    Cita cita;        // where the films stand
    Cita citaVolumen; // where the volume stands, when another line states it; empty otherwise
};

enum class UnidadVida { Horas, Dias, Semanas, Meses, Anios };
struct Vida {
    int cantidad = 0;
    UnidadVida unidad = UnidadVida::Meses;
    Cita cita;
};
// The first day a solution kept from `desde` for that life is no longer good.
QDate FinDeVida(const QDate& desde, const Vida& v);
// "6 meses", "24 horas", "1 mes".
QString TextoVida(const Vida& v);

// Reused solution: once `sinAumento` films have been developed in `ml` of it, the time grows by
// `porcentaje` (of the time before, when `compuesto`; of the standard time otherwise) or by
// `segundos` for every further `cadaPeliculas` films. Counts scale with the volume kept.
struct AumentoTiempo {
    double porcentaje = 0;
    int segundos = 0;
    bool compuesto = false;
    int sinAumento = 0;
    int cadaPeliculas = 1;
    double ml = 1000;
    Cita cita;       // where the increase stands
    Cita citaTramos; // where the first film that takes it stands (number sinAumento + 1)
};

// Replenished solution: `mlPorPelicula` of replenisher for each film, the time unchanged.
struct Reposicion {
    double mlPorPelicula = 0;
    QString reponedor; // what the sheet names as replenisher
    Cita cita;
};

// Sheets counted as reels: `hojas` sheets of the size named make one reel (80 square inches).
struct EquivalenciaHojas {
    int hojas = 0;
    QString formato; // e.g. "4x5 pulgadas"
    Cita cita;
};

struct CifrasRevelador {
    QString revelador; // as datos/Reveladores.csv spells it, e.g. "Ilford Ilfotec DD-X"
    QString dilucion;  // as datos/Tiempos.csv spells it ("1+4", "stock"), or kDilucionConcentrado
    std::optional<MinimoConcentrado> minimoPorPelicula;
    std::optional<MinimoConcentrado> minimoPorTanque;
    std::optional<Capacidad> capacidad;            // of this solution
    std::optional<Capacidad> capacidadConcentrado; // of the concentrate diluted to this dilution
    std::optional<Vida> vidaLlena;                 // in a full, closed bottle
    std::optional<Vida> vidaParcial;               // in a partly full bottle
    std::optional<Vida> vidaTrabajo;               // once diluted for use
    std::optional<AumentoTiempo> aumento;
    std::optional<Reposicion> reposicion;
    std::optional<EquivalenciaHojas> hojas;
    std::optional<Cita> unSoloUso; // the sheet says to use it once and discard it
};

// Null when no sheet states anything of that developer at that dilution. Names compare without
// regard to case or surrounding blanks; "1:4" reads as "1+4".
const CifrasRevelador* BuscarCifrasRevelador(const QString& revelador, const QString& dilucion);
// Whether two dilutions are the same, compared as BuscarCifrasRevelador does.
bool MismaDilucion(const QString& a, const QString& b);
// Every row of the table, for the data tests and for listing sources.
const std::vector<CifrasRevelador>& TablaCifrasRevelador();

// One figure of a row and where it stands: the number, written as digits, that the quoted words
// must show (as digits or as an English word).
struct CifraCitada {
    QString campo; // which figure, e.g. "capacidad"
    QString valor; // e.g. "10", "6", "1+4"
    Cita cita;     // empty when the row lacks it: a fault the data tests catch
};
std::vector<CifraCitada> CifrasDe(const CifrasRevelador& c);

// Reels a load counts as: 35 mm (36 exp.) and 120 reels one each, sheets only where the figures
// state how many make a reel. `hojasSinContar` when sheets are loaded that no sheet counts.
struct PeliculasCarga {
    double peliculas = 0;
    bool hojasSinContar = false;
};
PeliculasCarga ContarPeliculas(const Carga& carga, const CifrasRevelador* c);

// The warnings a planned load earns from the figures: too little concentrate for the films or the
// mix, more films than the concentrate or the working solution develops. Empty when all is well or
// nothing is stated. e.g. "Kodak XTOL 1+1: mínimo 100 ml de revelador sin diluir por carrete
// (135-36 o 120, o 80 pulgadas cuadradas); para 2 carretes hacen falta 200 ml y la mezcla lleva 150
// ml."
QStringList AvisosConcentrado(const CifrasRevelador& c, const Carga& carga, double mlConcentrado,
                              int mlTrabajo);
// A figure as the messages print it: whole numbers bare, others with one decimal; and a count of
// reels with its noun ("1 carrete", "2,5 carretes").
QString TextoCifra(double v);
QString TextoCarretes(double n);

// The row's minimum in one sentence, to show beside the plan; empty when none is stated.
QString TextoMinimo(const CifrasRevelador& c);

// A default bath after developing for film, with the figures its time and dilution come from.
struct BanoCitado {
    Bano bano;
    Cita citaDilucion; // empty for water
    Cita citaTiempo;
};
// Stop, fixer, wash and wetting agent, with the makers' times; each `fuente` names its sheet.
const std::vector<BanoCitado>& BanosCitados();
std::vector<Bano> BanosPorDefecto();
// The sheet's publication and line, as `Bano::fuente` and the windows show it.
QString TextoFuente(const Cita& c);

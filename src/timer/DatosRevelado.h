#pragma once

#include "timer/PlanRevelado.h"

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

// What a timer run develops, as a grid row of the search window gives it, and its developing time
// corrected for the bath temperature through the program's compensation.

enum Formato { Formato35, Formato120, FormatoHoja };
inline constexpr int kNumFormatos = 3;
const QString& NombreFormato(int formato);

struct DatosRevelado {
    QString pelicula, revelador, dilucion, ei;
    std::array<std::optional<int>, kNumFormatos> segundos; // time of each format, when given
    int decimasBase = 200;                                 // base temperature, tenths of °C
};

// A planned session as the timer takes it: the row, the format and base time the plan develops
// (after any increase a bottle's use brings), the bath temperature and the stages after developing.
// The timer corrects the base time itself, through the same compensation, and logs the run with
// `nota`.
struct SesionPlanificada {
    DatosRevelado datos; // segundos: the plan's base time under its format only
    int formato = Formato35;
    int decimasBano = 200;
    EsquemaEtapas esquema;
    QString nota;
};

// A time as the tables write it: "9:30", "6:00-7:00" (the first), or minutes "9", "9,5"; at most
// three digits of minutes.
std::optional<int> SegundosTiempo(QStringView texto);

// A time the user types, whole: minutes:seconds "9:30" (seconds 00 to 59) or minutes "9", "9,5",
// from 0 to kSegundosMaximos; otherwise a short phrase that says why not.
struct TiempoTecleado {
    std::optional<int> segundos;
    QString error;
};
TiempoTecleado LeerTiempoTecleado(QStringView texto);
// Fills from the texts of a grid row: film, developer, dilution, ISO, the three times, temperature.
DatosRevelado DatosDeFila(const QString& pelicula, const QString& revelador, const QString& dilucion,
                          const QString& ei, const std::array<QString, kNumFormatos>& tiempos,
                          const QString& temperatura);
// The first format with a time; -1 when none has.
int PrimerFormato(const DatosRevelado& d);

struct Correccion {
    int segundos = 0;
    double factor = 0;
    QString lineaFactor;
    bool error = false;
};
Correccion CorregirTiempo(int segundosBase, int decimasBase, int decimasBano, int formula, int revelador,
                          int agitacion);

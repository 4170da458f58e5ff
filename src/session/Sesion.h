#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <vector>

// A development session at the sink: the tank and what it holds, the film × developer row it
// develops, the volumes mixed, every bath after developing, and the bottle of developer it drew
// from. Plain values shared by the planning, the store and the window.

// A spiral tank: the working volume one reel of each format takes. Presets have id 0 and are never
// stored; the user's own tanks are kept in the NotesDb.
struct Tanque {
    qint64 id = 0;
    QString nombre;
    int ml35 = 0;          // solution for one 35 mm reel
    int ml120 = 0;         // solution for one 120 reel
    int maxCarretes35 = 0; // reels of each format it holds; 0 when not stated
    int maxCarretes120 = 0;
    bool operator==(const Tanque&) const = default;
};

// What is loaded: reels of each format and sheets.
struct Carga {
    int carretes35 = 0;
    int carretes120 = 0;
    int hojas = 0;
    bool operator==(const Carga&) const = default;
};

// A bottle of developer the user mixed: the solution kept (usually the stock), when and how much.
struct Botella {
    qint64 id = 0;
    QString revelador; // as the reference data or the user's own developer names it
    QString dilucion;  // of the kept solution, e.g. "stock"
    QDate mezclada;
    int ml = 0;
    QString nota;
    bool operator==(const Botella&) const = default;
};

// One bath after developing, as the timer's stage of the same kind (stop, fix, wash, wetting).
struct Bano {
    int etapa = 0;    // EtapaId of timer/PlanRevelado.h: Paro, Fijado, Lavado or Humectante
    QString producto; // e.g. "Ilford Rapid Fixer"
    QString dilucion; // e.g. "1+4"; empty for water
    int segundos = 0;
    bool omitido = false;
    QString fuente; // the maker's sheet the time comes from (note code); empty when the user's
    bool operator==(const Bano&) const = default;
};

// A planned session; stored once planned or run.
struct Sesion {
    qint64 id = 0;
    QDateTime cuando;
    QString tanque; // its name, kept as it was: a preset or a later-deleted tank has no row to point at
    int mlTanque35 = 0, mlTanque120 = 0;
    Carga carga;
    QString pelicula, revelador, dilucion, ei;
    int decimasBano = 200;    // bath temperature, tenths of °C
    int segundosRevelado = 0; // the developing time planned, after any correction
    int mlTrabajo = 0;        // working solution mixed
    double mlConcentrado = 0;
    double mlAgua = 0;
    qint64 idBotella = 0; // the bottle drawn from; 0 when none
    std::vector<Bano> banos;
    QString nota;
    bool operator==(const Sesion&) const = default;
};

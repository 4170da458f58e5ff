#pragma once

#include "session/EstadoBotella.h"
#include "session/Sesion.h"
#include "timer/AjustesTemporizador.h"
#include "timer/DatosRevelado.h"
#include "timer/PlanRevelado.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The arithmetic of a development session: the working solution a load takes in a tank, the
// concentrate and water of the dilution, the developing time corrected for the bath (and grown by
// the bottle's use where a sheet says so), the makers' warnings, and the timer's stages.

// Spiral tanks of common sizes with typical volumes: no maker's sheet here states them, so the
// names say so and the user checks them against the tank.
const std::vector<Tanque>& TanquesTipicos();

// A dilution as parts of concentrate and of water: "1+31"; "1:31" as the makers' sheets write it
// (the same 1+31); "stock" is used as it is (no water). Nothing for a letter ("B") or three parts.
struct PartesDilucion {
    double concentrado = 1;
    double agua = 0;
    bool operator==(const PartesDilucion&) const = default;
};
std::optional<PartesDilucion> LeerPartesDilucion(const QString& dilucion);

// More than any tank holds: a typing slip.
inline constexpr int kMlMaximos = 100000;

// The working solution for a load; `mlTecleados` (typed by the user) replaces the tank's volumes.
struct Volumen {
    QString error; // why the load cannot be planned; empty when it can
    int mlTrabajo = 0;
    QString aviso; // a typed volume under the tank's
};
Volumen VolumenTrabajo(const Tanque& t, const Carga& c, std::optional<int> mlTecleados);

struct EntradaPlan {
    Tanque tanque;
    Carga carga;
    std::optional<int> mlTecleados;
    DatosRevelado fila; // the search grid's row: times per format and their temperature
    int decimasBano = 200;
    std::optional<Botella> botella;
    std::vector<Sesion> sesionesBotella; // the sessions that drew from it
    QDate hoy;
    EleccionCompensacion compensacion; // the timer's, so that it gives the same time
};

struct PlanSesion {
    QString error; // why nothing is planned; empty when planned
    int formato = Formato35;
    int mlTrabajo = 0;
    bool proporcionConocida = false;
    double mlConcentrado = 0;
    double mlAgua = 0;
    int segundosFila = 0;     // the row's time for the format
    int segundosEstandar = 0; // after the bottle's time increase
    int segundosRevelado = 0; // corrected for the bath temperature
    double factor = 1;
    QString lineaFactor;
    QString minimo;        // the sheet's minimum concentrate, when it states one
    QStringList avisos;    // what the user should look at before mixing
    QString estadoBotella; // the bottle's state in one sentence
    std::optional<EstadoBotella> botella;
};
PlanSesion Planificar(const EntradaPlan& e);

// The timer's stages: developing the plan's time, each bath kind the sum of its baths, a kind with
// no bath or all of them skipped left out. Agitation as in `base`.
EsquemaEtapas EsquemaDeSesion(int segundosRevelado, const std::vector<Bano>& banos,
                              const EsquemaEtapas& base);

// The session planned, to be stored.
Sesion SesionDePlan(const EntradaPlan& e, const PlanSesion& p, const std::vector<Bano>& banos,
                    const QString& nota, const QDateTime& cuando);
// One line for the development log: tank, load, volumes and bottle.
QString ResumenSesion(const Sesion& s, const QString& botella);
// "2 carretes de 120", "1 carrete de 35 mm y 3 hojas".
QString TextoCarga(const Carga& c);

#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

// The schedule of a development run: stages in order, agitation in the developing stage, and the
// run's position at any active time. Pure: the window feeds it a monotonic clock's readings.
// Times are milliseconds of active (not paused) run time unless named in seconds.

// The longest time the timer takes, for the base time, the corrected time and every stage: a day.
inline constexpr int kSegundosMaximos = 24 * 3600;

enum class Agitacion { Inicial30Cada30, Inicial10Cada60, Inicial60Cada60, Continua, Reposo };
inline constexpr int kNumAgitaciones = 5;

struct DefinicionAgitacion {
    const char16_t* nombre;
    const char16_t* regla;
    int inicial;  // seconds of agitation from the start
    int duracion; // seconds of each later agitation
    int periodo;  // seconds between the starts of later agitations; 0 when none
};
const DefinicionAgitacion& Definicion(Agitacion a);

// One agitation, [inicio, fin) in seconds from the start of the developing stage.
struct Intervalo {
    int inicio;
    int fin;
    bool operator==(const Intervalo&) const = default;
};
// The agitation of a developing stage of `segundos` in progress at `ms` from its start, or else the
// next one; none when no other comes. Computed, never listed: a day-long stand costs as little as a
// minute. The last one is cut at the stage's end. With Reposo, one agitation of 10 s at half time
// when `agitarMitad`.
std::optional<Intervalo> AgitacionDesde(Agitacion a, int segundos, bool agitarMitad, qint64 ms);
// Every agitation of such a stage, in order.
std::vector<Intervalo> Agitaciones(Agitacion a, int segundos, bool agitarMitad);

enum EtapaId { Revelado, Paro, Fijado, Lavado, Humectante };
inline constexpr int kNumEtapas = 5;
const QString& NombreEtapa(int etapa);

struct Etapa {
    int segundos = 0;
    bool omitida = false;
    bool operator==(const Etapa&) const = default;
};

// What a named scheme keeps: the stages after developing, the skips and the agitation.
struct EsquemaEtapas {
    std::array<Etapa, kNumEtapas> etapas{};
    Agitacion agitacion = Agitacion::Inicial10Cada60;
    bool agitarMitad = false;
    bool operator==(const EsquemaEtapas&) const = default;
};
// Durations a photographer expects for film; developing takes the corrected time.
EsquemaEtapas EsquemaPorDefecto();
// One line for the settings store; a malformed text reads as nothing.
QString TextoEsquema(const EsquemaEtapas& e);
std::optional<EsquemaEtapas> LeerEsquema(QStringView texto);

enum class TipoEvento { Agitar, FinAgitacion, FinEtapa };
struct Evento {
    TipoEvento tipo;
    int etapa;
    qint64 ms; // active run time
    bool operator==(const Evento&) const = default;
};

// Where the run stands.
struct Posicion {
    int etapa = -1;                // -1 once every stage has ended
    qint64 msEnEtapa = 0;          // elapsed in the stage
    qint64 msRestantes = 0;        // left in the stage
    bool agitando = false;         // inside an agitation of the developing stage
    std::optional<Evento> proximo; // the next agitation start or end, or the stage's end
};

// A run over a scheme: start, pause, resume, jump to the next stage. Stages skipped or of 0 s are
// passed over. Every operation takes the clock's reading in ms.
class Marcha {
public:
    explicit Marcha(const EsquemaEtapas& esquema);

    void Iniciar(qint64 ahora);
    void Pausar(qint64 ahora);
    void Reanudar(qint64 ahora);
    // Ends the current stage now; the next one starts.
    void SiguienteEtapa(qint64 ahora);

    bool Iniciada() const { return iniciada_; }
    bool Pausada() const { return iniciada_ && !corriendo_; }
    // Active time since the start, pauses left out.
    qint64 Transcurrido(qint64 ahora) const;
    Posicion En(qint64 ahora) const;
    bool Terminada(qint64 ahora) const { return iniciada_ && En(ahora).etapa < 0; }
    // The events in (desde, hasta] of active time, in order, found one after another.
    std::vector<Evento> EventosEntre(qint64 desde, qint64 hasta) const;
    // The first event after `t` of active time.
    std::optional<Evento> ProximoEvento(qint64 t) const;
    const EsquemaEtapas& Esquema() const { return esquema_; }

private:
    // Sets the start, in active ms, of every stage from `etapa` on, which starts at `inicio`.
    void Planificar(int etapa, qint64 inicio);
    bool Activa(int etapa) const;
    int SiguienteActiva(int etapa) const;
    qint64 Fin(int etapa) const { return inicios_[etapa] + qint64(esquema_.etapas[etapa].segundos) * 1000; }
    std::optional<Intervalo> AgitacionEn(qint64 t) const;

    EsquemaEtapas esquema_;
    std::array<qint64, kNumEtapas> inicios_{}; // -1 for a stage passed over or jumped
    bool iniciada_ = false;
    bool corriendo_ = false;
    qint64 acumulado_ = 0; // active ms before the current running spell
    qint64 desde_ = 0;     // clock reading at the start of the running spell
};

#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

// The schedule of a development run: stages in order, agitation in the developing stage, and the
// run's position at any active time. Pure: the window feeds it a monotonic clock's readings.
// Times are milliseconds of active (not paused) run time unless named in seconds.

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
// The agitations of a developing stage of `segundos`; the last one is cut at the stage's end.
// With Reposo, one agitation of 10 s at half time when `agitarMitad`.
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
    // The events in (desde, hasta] of active time, in order.
    std::vector<Evento> EventosEntre(qint64 desde, qint64 hasta) const;
    const EsquemaEtapas& Esquema() const { return esquema_; }

private:
    // Start, in active ms, of every stage from the last jump on; -1 for a stage passed over.
    std::array<qint64, kNumEtapas> Inicios() const;
    bool Activa(int etapa) const;
    int SiguienteActiva(int etapa) const;

    EsquemaEtapas esquema_;
    std::vector<Intervalo> agitaciones_;
    bool iniciada_ = false;
    bool corriendo_ = false;
    qint64 acumulado_ = 0; // active ms before the current running spell
    qint64 desde_ = 0;     // clock reading at the start of the running spell
    int etapaBase_ = 0;    // the stage that starts at inicioBase_
    qint64 inicioBase_ = 0;
};

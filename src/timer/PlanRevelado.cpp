#include "timer/PlanRevelado.h"

#include <QStringList>
#include <algorithm>

namespace {

const DefinicionAgitacion kAgitaciones[kNumAgitaciones] = {
    {u"Inicial 30 s, 5 s cada 30 s", u"Continua los primeros 30 s; luego 5 s cada 30 s", 30, 5, 30},
    {u"Inicial 10 s, 10 s cada minuto", u"10 s al empezar; luego 10 s (cuatro inversiones) cada minuto", 10,
     10, 60},
    {u"Inicial 60 s, 10 s cada minuto", u"Continua el primer minuto; luego 10 s cada minuto", 60, 10, 60},
    {u"Continua (rotativa)", u"Agitación continua durante todo el revelado", 0, 0, 0},
    {u"Sin agitación (reposo)", u"Reposo; opcionalmente una agitación de 10 s a mitad de tiempo", 0, 0, 0},
};
constexpr int kAgitacionMitad = 10;

} // namespace

const DefinicionAgitacion& Definicion(Agitacion a) {
    return kAgitaciones[std::clamp(int(a), 0, kNumAgitaciones - 1)];
}

std::optional<Intervalo> AgitacionDesde(Agitacion a, int segundos, bool agitarMitad, qint64 ms) {
    auto cortada = [&](qint64 inicio, qint64 fin) -> std::optional<Intervalo> {
        if (inicio >= segundos || fin <= inicio || std::min<qint64>(fin, segundos) * 1000 <= ms)
            return std::nullopt;
        return Intervalo{int(inicio), int(std::min<qint64>(fin, segundos))};
    };
    if (segundos <= 0)
        return std::nullopt;
    if (a == Agitacion::Continua)
        return cortada(0, segundos);
    if (a == Agitacion::Reposo)
        return agitarMitad ? cortada(segundos / 2, segundos / 2 + kAgitacionMitad) : std::nullopt;
    const DefinicionAgitacion& d = Definicion(a);
    if (const auto inicial = cortada(0, d.inicial))
        return inicial;
    // Later agitations fall on whole periods after the initial one has ended: the first whose end
    // is past `ms` is found by division.
    const qint64 primera = qint64(d.inicial / d.periodo + 1) * d.periodo;
    const qint64 finPrimera = (primera + d.duracion) * 1000;
    const qint64 k = ms < finPrimera ? 0 : (ms - finPrimera) / (qint64(d.periodo) * 1000) + 1;
    const qint64 t = primera + k * d.periodo;
    return cortada(t, t + d.duracion);
}

std::vector<Intervalo> Agitaciones(Agitacion a, int segundos, bool agitarMitad) {
    std::vector<Intervalo> r;
    for (auto i = AgitacionDesde(a, segundos, agitarMitad, -1); i;
         i = AgitacionDesde(a, segundos, agitarMitad, qint64(i->fin) * 1000))
        r.push_back(*i);
    return r;
}

const QString& NombreEtapa(int etapa) {
    static const QString nombres[kNumEtapas] = {QStringLiteral("Revelado"), QStringLiteral("Paro"),
                                                QStringLiteral("Fijado"), QStringLiteral("Lavado"),
                                                QStringLiteral("Humectante")};
    return nombres[std::clamp(etapa, 0, kNumEtapas - 1)];
}

EsquemaEtapas EsquemaPorDefecto() {
    EsquemaEtapas e;
    e.etapas = {Etapa{0, false}, Etapa{60, false}, Etapa{300, false}, Etapa{600, false}, Etapa{60, false}};
    return e;
}

QString TextoEsquema(const EsquemaEtapas& e) {
    QStringList campos{QString::number(int(e.agitacion)), QString::number(e.agitarMitad ? 1 : 0)};
    for (const Etapa& etapa : e.etapas)
        campos << QString::number(etapa.segundos) << QString::number(etapa.omitida ? 1 : 0);
    return campos.join(u';');
}

std::optional<EsquemaEtapas> LeerEsquema(QStringView texto) {
    const auto campos = texto.split(u';');
    if (campos.size() != 2 + 2 * kNumEtapas)
        return std::nullopt;
    std::vector<int> n;
    for (QStringView c : campos) {
        bool ok = false;
        n.push_back(c.toInt(&ok));
        if (!ok || n.back() < 0)
            return std::nullopt;
    }
    if (n[0] >= kNumAgitaciones || n[1] > 1)
        return std::nullopt;
    EsquemaEtapas e;
    e.agitacion = Agitacion(n[0]);
    e.agitarMitad = n[1] == 1;
    for (int i = 0; i < kNumEtapas; ++i) {
        if (n[3 + 2 * i] > 1 || n[2 + 2 * i] > kSegundosMaximos)
            return std::nullopt;
        e.etapas[i] = {n[2 + 2 * i], n[3 + 2 * i] == 1};
    }
    return e;
}

Marcha::Marcha(const EsquemaEtapas& esquema) : esquema_(esquema) {
    Planificar(SiguienteActiva(-1), 0);
}

void Marcha::Planificar(int etapa, qint64 inicio) {
    inicios_.fill(-1);
    for (int i = etapa; i >= 0; i = SiguienteActiva(i)) {
        inicios_[i] = inicio;
        inicio += qint64(esquema_.etapas[i].segundos) * 1000;
    }
}

bool Marcha::Activa(int etapa) const {
    return !esquema_.etapas[etapa].omitida && esquema_.etapas[etapa].segundos > 0;
}

int Marcha::SiguienteActiva(int etapa) const {
    for (int i = etapa + 1; i < kNumEtapas; ++i)
        if (Activa(i))
            return i;
    return -1;
}

void Marcha::Iniciar(qint64 ahora) {
    iniciada_ = corriendo_ = true;
    acumulado_ = 0;
    desde_ = ahora;
    Planificar(SiguienteActiva(-1), 0);
}

void Marcha::Pausar(qint64 ahora) {
    if (!corriendo_)
        return;
    acumulado_ = Transcurrido(ahora);
    corriendo_ = false;
}

void Marcha::Reanudar(qint64 ahora) {
    if (!iniciada_ || corriendo_)
        return;
    desde_ = ahora;
    corriendo_ = true;
}

qint64 Marcha::Transcurrido(qint64 ahora) const {
    if (!iniciada_)
        return 0;
    return acumulado_ + (corriendo_ ? std::max<qint64>(0, ahora - desde_) : 0);
}

void Marcha::SiguienteEtapa(qint64 ahora) {
    const Posicion p = En(ahora);
    if (p.etapa < 0)
        return;
    Planificar(SiguienteActiva(p.etapa), Transcurrido(ahora));
}

std::optional<Intervalo> Marcha::AgitacionEn(qint64 t) const {
    if (inicios_[Revelado] < 0)
        return std::nullopt;
    return AgitacionDesde(esquema_.agitacion, esquema_.etapas[Revelado].segundos, esquema_.agitarMitad,
                          t - inicios_[Revelado]);
}

std::optional<Evento> Marcha::ProximoEvento(qint64 t) const {
    for (int i = 0; i < kNumEtapas; ++i) {
        if (inicios_[i] < 0 || t >= Fin(i))
            continue;
        if (i == Revelado)
            if (const auto a = AgitacionEn(t)) {
                const qint64 inicio = inicios_[i] + qint64(a->inicio) * 1000;
                if (inicio > t)
                    return Evento{TipoEvento::Agitar, i, inicio};
                // An agitation that lasts to the stage's end ends with it: its own end adds nothing.
                if (a->fin < esquema_.etapas[i].segundos)
                    return Evento{TipoEvento::FinAgitacion, i, inicios_[i] + qint64(a->fin) * 1000};
            }
        return Evento{TipoEvento::FinEtapa, i, Fin(i)};
    }
    return std::nullopt;
}

std::vector<Evento> Marcha::EventosEntre(qint64 desde, qint64 hasta) const {
    std::vector<Evento> r;
    for (auto e = ProximoEvento(desde); e && e->ms <= hasta; e = ProximoEvento(e->ms))
        r.push_back(*e);
    return r;
}

Posicion Marcha::En(qint64 ahora) const {
    Posicion p;
    const qint64 t = Transcurrido(ahora);
    for (int i = 0; i < kNumEtapas; ++i) {
        if (inicios_[i] < 0 || t >= Fin(i))
            continue;
        p.etapa = i;
        p.msEnEtapa = t - inicios_[i];
        p.msRestantes = Fin(i) - t;
        p.proximo = ProximoEvento(t);
        if (i == Revelado)
            if (const auto a = AgitacionEn(t))
                p.agitando = inicios_[i] + qint64(a->inicio) * 1000 <= t;
        return p;
    }
    return p;
}

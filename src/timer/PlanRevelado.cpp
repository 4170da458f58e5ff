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

std::vector<Intervalo> Agitaciones(Agitacion a, int segundos, bool agitarMitad) {
    std::vector<Intervalo> r;
    if (segundos <= 0)
        return r;
    auto poner = [&](int inicio, int fin) {
        if (inicio < segundos && fin > inicio)
            r.push_back({inicio, std::min(fin, segundos)});
    };
    if (a == Agitacion::Continua) {
        poner(0, segundos);
    } else if (a == Agitacion::Reposo) {
        if (agitarMitad)
            poner(segundos / 2, segundos / 2 + kAgitacionMitad);
    } else {
        const DefinicionAgitacion& d = Definicion(a);
        poner(0, d.inicial);
        // Later agitations fall on whole periods after the initial one has ended.
        for (int t = (d.inicial / d.periodo + 1) * d.periodo; t < segundos; t += d.periodo)
            poner(t, t + d.duracion);
    }
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
        if (n[3 + 2 * i] > 1 || n[2 + 2 * i] > 24 * 3600)
            return std::nullopt;
        e.etapas[i] = {n[2 + 2 * i], n[3 + 2 * i] == 1};
    }
    return e;
}

Marcha::Marcha(const EsquemaEtapas& esquema)
    : esquema_(esquema),
      agitaciones_(Agitaciones(esquema.agitacion, esquema.etapas[Revelado].segundos, esquema.agitarMitad)) {
    etapaBase_ = SiguienteActiva(-1);
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
    etapaBase_ = SiguienteActiva(-1);
    inicioBase_ = 0;
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

std::array<qint64, kNumEtapas> Marcha::Inicios() const {
    std::array<qint64, kNumEtapas> inicios;
    inicios.fill(-1);
    qint64 t = inicioBase_;
    for (int i = etapaBase_; i >= 0; i = SiguienteActiva(i)) {
        inicios[i] = t;
        t += qint64(esquema_.etapas[i].segundos) * 1000;
    }
    return inicios;
}

void Marcha::SiguienteEtapa(qint64 ahora) {
    const Posicion p = En(ahora);
    if (p.etapa < 0)
        return;
    etapaBase_ = SiguienteActiva(p.etapa);
    inicioBase_ = Transcurrido(ahora);
}

std::vector<Evento> Marcha::EventosEntre(qint64 desde, qint64 hasta) const {
    std::vector<Evento> r;
    const auto inicios = Inicios();
    for (int i = 0; i < kNumEtapas; ++i) {
        if (inicios[i] < 0)
            continue;
        if (i == Revelado)
            for (const Intervalo& a : agitaciones_) {
                r.push_back({TipoEvento::Agitar, i, inicios[i] + qint64(a.inicio) * 1000});
                r.push_back({TipoEvento::FinAgitacion, i, inicios[i] + qint64(a.fin) * 1000});
            }
        r.push_back({TipoEvento::FinEtapa, i, inicios[i] + qint64(esquema_.etapas[i].segundos) * 1000});
    }
    // An agitation that lasts to the stage's end ends with it: its own end adds nothing.
    std::erase_if(r, [&](const Evento& e) {
        return e.ms <= desde || e.ms > hasta ||
               (e.tipo == TipoEvento::FinAgitacion &&
                e.ms == inicios[e.etapa] + qint64(esquema_.etapas[e.etapa].segundos) * 1000);
    });
    std::stable_sort(r.begin(), r.end(), [](const Evento& a, const Evento& b) { return a.ms < b.ms; });
    return r;
}

Posicion Marcha::En(qint64 ahora) const {
    Posicion p;
    const qint64 t = Transcurrido(ahora);
    const auto inicios = Inicios();
    for (int i = 0; i < kNumEtapas; ++i) {
        if (inicios[i] < 0)
            continue;
        const qint64 fin = inicios[i] + qint64(esquema_.etapas[i].segundos) * 1000;
        if (t >= fin)
            continue;
        p.etapa = i;
        p.msEnEtapa = t - inicios[i];
        p.msRestantes = fin - t;
        p.proximo = Evento{TipoEvento::FinEtapa, i, fin};
        if (i == Revelado)
            for (const Intervalo& a : agitaciones_) {
                const qint64 ini = inicios[i] + qint64(a.inicio) * 1000,
                             hasta = inicios[i] + qint64(a.fin) * 1000;
                if (t >= ini && t < hasta) {
                    p.agitando = true;
                    if (hasta < fin)
                        p.proximo = Evento{TipoEvento::FinAgitacion, i, hasta};
                    break;
                }
                if (t < ini) {
                    p.proximo = Evento{TipoEvento::Agitar, i, ini};
                    break;
                }
            }
        return p;
    }
    return p;
}

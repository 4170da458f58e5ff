#include "session/PlanSesion.h"

#include "calculators/CompensacionTemp.h"
#include "calculators/Dilucion.h"
#include "devtimes/TiemposPropios.h"
#include "session/CifrasFabricante.h"
#include "shell/Numeros.h"

#include <QRegularExpression>
#include <cmath>

namespace {

QString Ml(double ml) {
    return FormatoNumero(ml, u"0.00") + u" ml";
}

QString Carretes(int n, const QString& formato) {
    return QString::number(n) + (n == 1 ? u" carrete de " : u" carretes de ") + formato;
}

// "4 carretes de 35 mm o 2 de 120".
QString TextoCabida(const Tanque& t) {
    QStringList partes;
    if (t.maxCarretes35 > 0)
        partes << Carretes(t.maxCarretes35, NombreFormato(Formato35));
    if (t.maxCarretes120 > 0)
        partes << (partes.isEmpty()
                       ? Carretes(t.maxCarretes120, NombreFormato(Formato120))
                       : QString::number(t.maxCarretes120) + u" de " + NombreFormato(Formato120));
    return partes.join(u" o ");
}

// The format whose time the session takes: the first loaded one; every loaded one must have a time.
int FormatoDeCarga(const Carga& c, const DatosRevelado& fila, QString* error, QStringList* avisos) {
    const int cuantos[kNumFormatos] = {c.carretes35, c.carretes120, c.hojas};
    int elegido = -1;
    for (int f = 0; f < kNumFormatos; ++f) {
        if (cuantos[f] <= 0)
            continue;
        if (!fila.segundos[f]) {
            *error = u"La fila no da tiempo para " + NombreFormato(f) + u'.';
            return -1;
        }
        if (elegido < 0)
            elegido = f;
        else if (*fila.segundos[f] != *fila.segundos[elegido])
            *avisos << u"La carga mezcla formatos con tiempos distintos: se usa el de " +
                           NombreFormato(elegido) + u" (" + FormatoMinSeg(*fila.segundos[elegido]) +
                           u"), no el de " + NombreFormato(f) + u" (" + FormatoMinSeg(*fila.segundos[f]) +
                           u").";
    }
    return elegido;
}

} // namespace

const std::vector<Tanque>& TanquesTipicos() {
    static const std::vector<Tanque> tanques = {
        {0, QStringLiteral("Espiral de 1 carrete (volúmenes típicos)"), 300, 0, 1, 0},
        {0, QStringLiteral("Espiral de 2 carretes (volúmenes típicos)"), 250, 500, 2, 1},
        {0, QStringLiteral("Espiral de 4 carretes (volúmenes típicos)"), 250, 500, 4, 2},
        {0, QStringLiteral("Espiral de 8 carretes (volúmenes típicos)"), 250, 500, 8, 4},
    };
    return tanques;
}

std::optional<PartesDilucion> LeerPartesDilucion(const QString& dilucion) {
    static const QRegularExpression partes(
        QStringLiteral("^\\s*(\\d+(?:[.,]\\d+)?)\\s*[+:]\\s*(\\d+(?:[.,]\\d+)?)\\s*$"));
    const QString texto = dilucion.trimmed();
    if (texto.compare(u"stock", Qt::CaseInsensitive) == 0 ||
        texto.compare(kDilucionConcentrado, Qt::CaseInsensitive) == 0)
        return PartesDilucion{1, 0};
    const auto m = partes.match(texto);
    if (!m.hasMatch())
        return std::nullopt;
    const PartesDilucion p{LeerNumeroInicial(m.capturedView(1), true),
                           LeerNumeroInicial(m.capturedView(2), true)};
    if (!(p.concentrado > 0) || !(p.agua >= 0))
        return std::nullopt;
    return p;
}

Volumen VolumenTrabajo(const Tanque& t, const Carga& c, std::optional<int> mlTecleados) {
    Volumen v;
    if (c.carretes35 < 0 || c.carretes120 < 0 || c.hojas < 0) {
        v.error = QStringLiteral("La carga no puede ser negativa.");
        return v;
    }
    if (c.carretes35 + c.carretes120 + c.hojas == 0) {
        v.error = QStringLiteral("Indique qué se revela: carretes de 35 mm, de 120 u hojas.");
        return v;
    }
    // Each format takes its share of the tank's reel places.
    double ocupado = 0;
    if (t.maxCarretes35 > 0)
        ocupado += double(c.carretes35) / t.maxCarretes35;
    if (t.maxCarretes120 > 0)
        ocupado += double(c.carretes120) / t.maxCarretes120;
    if (ocupado > 1 + 1e-9) {
        v.error = u"La carga no cabe en el tanque «" + t.nombre + u"»: admite " + TextoCabida(t) + u'.';
        return v;
    }
    const qint64 delTanque = qint64(c.carretes35) * t.ml35 + qint64(c.carretes120) * t.ml120;
    if (mlTecleados) {
        if (*mlTecleados <= 0 || *mlTecleados > kMlMaximos) {
            v.error = u"El volumen de trabajo debe estar entre 1 y " + QString::number(kMlMaximos) + u" ml.";
            return v;
        }
        v.mlTrabajo = *mlTecleados;
        if (delTanque > v.mlTrabajo)
            v.aviso = u"El volumen escrito (" + QString::number(v.mlTrabajo) +
                      u" ml) es menor que el que pide el tanque (" + QString::number(delTanque) + u" ml).";
        return v;
    }
    if (c.carretes35 > 0 && t.ml35 <= 0) {
        v.error = u"El tanque «" + t.nombre + u"» no indica el volumen para un carrete de 35 mm: escríbalo.";
        return v;
    }
    if (c.carretes120 > 0 && t.ml120 <= 0) {
        v.error = u"El tanque «" + t.nombre + u"» no indica el volumen para un carrete de 120: escríbalo.";
        return v;
    }
    if (c.hojas > 0) {
        v.error = QStringLiteral("Con hojas, escriba el volumen de trabajo: el tanque no lo indica.");
        return v;
    }
    if (delTanque > kMlMaximos) {
        v.error = u"El volumen de trabajo pasa de " + QString::number(kMlMaximos) + u" ml: revise el tanque.";
        return v;
    }
    v.mlTrabajo = int(delTanque);
    return v;
}

PlanSesion Planificar(const EntradaPlan& e) {
    PlanSesion p;
    const Volumen v = VolumenTrabajo(e.tanque, e.carga, e.mlTecleados);
    if (!v.error.isEmpty()) {
        p.error = v.error;
        return p;
    }
    p.mlTrabajo = v.mlTrabajo;
    if (!v.aviso.isEmpty())
        p.avisos << v.aviso;
    p.formato = FormatoDeCarga(e.carga, e.fila, &p.error, &p.avisos);
    if (p.formato < 0)
        return p;
    p.segundosFila = *e.fila.segundos[p.formato];

    // A bottle at the session's own dilution is poured as it is; otherwise it gives the concentrate.
    const bool reutiliza = e.botella && MismaDilucion(e.botella->dilucion, e.fila.dilucion);
    const auto partes =
        reutiliza ? std::optional<PartesDilucion>(PartesDilucion{1, 0}) : LeerPartesDilucion(e.fila.dilucion);
    if (partes) {
        p.proporcionConocida = true;
        if (partes->agua == 0) {
            p.mlConcentrado = p.mlTrabajo;
        } else {
            const ResultadoDilucion r = CalcularDilucion(
                QString::number(partes->concentrado), QString::number(partes->agua),
                QString::number(p.mlTrabajo), QStringLiteral("ml"), ModoDilucion::PartesMasPartes);
            if (!r.mensaje.isEmpty()) {
                p.error = r.mensaje;
                return p;
            }
            p.mlConcentrado = r.concentrado;
            p.mlAgua = r.agua;
        }
    } else {
        p.avisos << u"No se conoce la proporción de la dilución «" + e.fila.dilucion +
                        u"»: mezcle según la hoja del fabricante.";
    }

    const CifrasRevelador* cifras = BuscarCifrasRevelador(e.fila.revelador, e.fila.dilucion);
    if (cifras) {
        p.minimo = TextoMinimo(*cifras);
        if (p.proporcionConocida && !reutiliza)
            p.avisos << AvisosConcentrado(*cifras, e.carga, p.mlConcentrado, p.mlTrabajo);
        if (cifras->unSoloUso)
            p.avisos << QStringLiteral("La hoja del fabricante lo da de un solo uso: deseche la solución.");
    }

    p.segundosEstandar = p.segundosFila;
    if (e.botella) {
        const Botella& b = *e.botella;
        if (PlegarNombre(b.revelador) != PlegarNombre(e.fila.revelador))
            p.avisos << u"La botella es de " + b.revelador + u", no de " + e.fila.revelador + u'.';
        const EstadoBotella estado = CalcularEstadoBotella(b, e.sesionesBotella, e.hoy);
        p.botella = estado;
        p.estadoBotella = estado.frase;
        if (estado.agotada)
            p.avisos << QStringLiteral(
                "La botella está agotada: ha llegado a la capacidad que da el fabricante.");
        if (estado.caducada)
            p.avisos << QStringLiteral("La botella ha caducado: pasó la duración que da el fabricante.");
        const double queda = estado.mlRestantes.value_or(b.ml);
        if (p.proporcionConocida && p.mlConcentrado > queda + 1e-9)
            p.avisos << u"La botella tiene " + Ml(queda) + u" y la sesión necesita " + Ml(p.mlConcentrado) +
                            u'.';
        // Only a reused solution slows with the films it developed; a fresh dilution does not.
        if (reutiliza)
            p.segundosEstandar = SegundosSiguienteSesion(estado, p.segundosFila);
        if (p.segundosEstandar != p.segundosFila)
            p.avisos << u"El uso de la botella alarga el tiempo de " + FormatoMinSeg(p.segundosFila) +
                            u" a " + FormatoMinSeg(p.segundosEstandar) + u", según la hoja del fabricante.";
    }

    const Correccion c =
        CorregirTiempo(p.segundosEstandar, e.fila.decimasBase, e.decimasBano, e.compensacion.formula,
                       e.compensacion.revelador, e.compensacion.agitacion);
    if (c.error) {
        p.error = QStringLiteral("No se pudo calcular la compensación de temperatura.");
        return p;
    }
    if (c.segundos > kSegundosMaximos) {
        p.error = u"El tiempo corregido pasa del máximo, " + FormatoMinSeg(kSegundosMaximos) + u'.';
        return p;
    }
    p.segundosRevelado = c.segundos;
    p.factor = c.factor;
    p.lineaFactor = c.lineaFactor;
    return p;
}

EsquemaEtapas EsquemaDeSesion(int segundosRevelado, const std::vector<Bano>& banos,
                              const EsquemaEtapas& base) {
    EsquemaEtapas e = base;
    for (int i = 0; i < kNumEtapas; ++i)
        e.etapas[i] = Etapa{0, i != Revelado};
    e.etapas[Revelado].segundos = segundosRevelado;
    for (const Bano& b : banos) {
        if (b.etapa <= Revelado || b.etapa >= kNumEtapas || b.omitido)
            continue;
        e.etapas[b.etapa].segundos = std::min(kSegundosMaximos, e.etapas[b.etapa].segundos + b.segundos);
        e.etapas[b.etapa].omitida = false;
    }
    return e;
}

Sesion SesionDePlan(const EntradaPlan& e, const PlanSesion& p, const std::vector<Bano>& banos,
                    const QString& nota, const QDateTime& cuando) {
    Sesion s;
    s.cuando = cuando;
    s.tanque = e.tanque.nombre;
    s.mlTanque35 = e.tanque.ml35;
    s.mlTanque120 = e.tanque.ml120;
    s.carga = e.carga;
    s.pelicula = e.fila.pelicula;
    s.revelador = e.fila.revelador;
    s.dilucion = e.fila.dilucion;
    s.ei = e.fila.ei;
    s.decimasBano = e.decimasBano;
    s.segundosRevelado = p.segundosRevelado;
    s.mlTrabajo = p.mlTrabajo;
    s.mlConcentrado = p.mlConcentrado;
    s.mlAgua = p.mlAgua;
    s.idBotella = e.botella ? e.botella->id : 0;
    s.banos = banos;
    s.nota = nota.trimmed();
    return s;
}

QString TextoCarga(const Carga& c) {
    QStringList partes;
    if (c.carretes35 > 0)
        partes << Carretes(c.carretes35, NombreFormato(Formato35));
    if (c.carretes120 > 0)
        partes << Carretes(c.carretes120, NombreFormato(Formato120));
    if (c.hojas > 0)
        partes << QString::number(c.hojas) + (c.hojas == 1 ? u" hoja" : u" hojas");
    if (partes.size() > 1) {
        const QString ultima = partes.takeLast();
        return partes.join(u", ") + u" y " + ultima;
    }
    return partes.value(0);
}

QString ResumenSesion(const Sesion& s, const QString& botella) {
    QString r = u"Sesión: " + TextoCarga(s.carga) + u" en " + s.tanque + u"; " +
                QString::number(s.mlTrabajo) + u" ml de trabajo";
    if (s.mlAgua > 0)
        r += u" (" + Ml(s.mlConcentrado) + u" de concentrado + " + Ml(s.mlAgua) + u" de agua)";
    if (!botella.isEmpty())
        r += u"; botella " + botella;
    return r;
}

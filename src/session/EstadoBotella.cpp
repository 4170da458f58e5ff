#include "session/EstadoBotella.h"

#include "shell/Numeros.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

// Counts below this are rounding noise of sheets counted in quarters.
constexpr double kEpsilon = 1e-6;

QString Fecha(const QDate& d) {
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

// What the sessions did to the bottle: reels developed (into `e`), reused or drawn.
struct Usos {
    bool concentrado = false;
    double reutilizadas = 0;
    QDate primerUso;
};

Usos ContarUsos(const Botella& b, const std::vector<Sesion>& sesiones, const CifrasRevelador* cifras,
                EstadoBotella& e) {
    Usos u;
    u.concentrado = MismaDilucion(b.dilucion, kDilucionConcentrado);
    double mlSacados = 0;
    bool sacada = false;
    for (const Sesion& s : sesiones) {
        if (b.id != 0 && s.idBotella != b.id)
            continue;
        const PeliculasCarga p = ContarPeliculas(s.carga, cifras);
        e.peliculas += p.peliculas;
        e.hojasSinContar = e.hojasSinContar || p.hojasSinContar;
        if (!u.concentrado && MismaDilucion(s.dilucion, b.dilucion)) {
            u.reutilizadas += p.peliculas;
        } else {
            sacada = true;
            mlSacados += std::max(0.0, s.mlConcentrado);
        }
        const QDate fecha = s.cuando.date();
        if (fecha.isValid() && (!u.primerUso.isValid() || fecha < u.primerUso))
            u.primerUso = fecha;
    }
    if (sacada && b.ml > 0)
        e.mlRestantes = b.ml - mlSacados;
    return u;
}

// "quedan 7 carretes", "queda 1 día".
QString Quedan(const QString& cantidad) {
    return (cantidad.startsWith(QStringLiteral("1 ")) ? QStringLiteral("queda ")
                                                      : QStringLiteral("quedan ")) +
           cantidad;
}

QString Dias(int n) {
    return n == 1 ? QStringLiteral("1 día") : QStringLiteral("%1 días").arg(n);
}

// The sentence: the bottle, its state, then what was counted.
EstadoBotella Terminar(EstadoBotella e, const Botella& b, const QStringList& partes) {
    QString cabecera = QStringLiteral("Botella de %1 %2").arg(b.revelador.trimmed(), b.dilucion.trimmed());
    if (b.ml > 0)
        cabecera += QStringLiteral(" (%1 ml").arg(b.ml) +
                    (b.mezclada.isValid() ? QStringLiteral(", mezclada el %1)").arg(Fecha(b.mezclada))
                                          : QStringLiteral(")"));
    if (e.agotada && e.caducada)
        cabecera += QStringLiteral(", agotada y caducada");
    else if (e.agotada)
        cabecera += QStringLiteral(", agotada");
    else if (e.caducada)
        cabecera += QStringLiteral(", caducada");
    e.frase = cabecera + QStringLiteral(": ") + partes.join(QStringLiteral("; ")) + u'.';
    return e;
}

// Steps of time increase the next session takes after `p` films per the rule's volume.
int Tramos(const AumentoTiempo& a, double p) {
    if (a.cadaPeliculas <= 0 || p + kEpsilon < a.sinAumento)
        return 0;
    return int(std::floor((p - a.sinAumento) / a.cadaPeliculas + kEpsilon)) + 1;
}

QString TextoAumento(const AumentoTiempo& a, int tramos) {
    if (a.segundos > 0)
        return QStringLiteral("%1 min").arg(TextoCifra(tramos * a.segundos / 60.0));
    const double pct =
        a.compuesto ? (std::pow(1 + a.porcentaje / 100, tramos) - 1) * 100 : tramos * a.porcentaje;
    return QStringLiteral("%1 %").arg(TextoCifra(pct));
}

// When the bottle stops being good: a working solution from its mixing; a kept one full until the
// first session drew from it and partly full from then on, whichever ends first.
std::optional<QDate> Caducidad(const Botella& b, const CifrasRevelador& c, const QDate& primerUso) {
    if (!b.mezclada.isValid())
        return std::nullopt;
    if (c.vidaTrabajo)
        return FinDeVida(b.mezclada, *c.vidaTrabajo);
    std::optional<QDate> fin;
    if (c.vidaLlena)
        fin = FinDeVida(b.mezclada, *c.vidaLlena);
    if (primerUso.isValid() && c.vidaParcial) {
        const QDate parcial = FinDeVida(std::max(primerUso, b.mezclada), *c.vidaParcial);
        fin = fin ? std::min(*fin, parcial) : parcial;
    }
    return fin;
}

} // namespace

EstadoBotella CalcularEstadoBotella(const Botella& b, const std::vector<Sesion>& sesiones, const QDate& hoy,
                                    const CifrasRevelador* cifras) {
    EstadoBotella e;
    const Usos u = ContarUsos(b, sesiones, cifras, e);
    // The solution still kept, which the sheets scale capacity and time increase by.
    const double mlGuardados = e.mlRestantes ? std::max(0.0, *e.mlRestantes) : double(std::max(0, b.ml));

    QStringList partes;
    QString cuenta =
        TextoCifra(e.peliculas) + (TextoCifra(e.peliculas) == u"1" ? QStringLiteral(" carrete revelado")
                                                                   : QStringLiteral(" carretes revelados"));
    if (cifras && cifras->capacidad && b.ml > 0 && cifras->capacidad->ml > 0) {
        const Capacidad& k = *cifras->capacidad;
        e.capacidad = k.peliculas * b.ml / k.ml;
        const double porVolumen = k.peliculas * mlGuardados / k.ml;
        e.capacidadRestante =
            u.concentrado ? std::min(*e.capacidad - e.peliculas, porVolumen) : porVolumen - u.reutilizadas;
        cuenta += QStringLiteral(" de los %1 que da el fabricante (%2 %3); %4")
                      .arg(TextoCifra(*e.capacidad), TextoCifra(k.peliculas), k.por,
                           Quedan(TextoCarretes(std::max(0.0, *e.capacidadRestante))));
    }
    partes << cuenta;
    if (e.hojasSinContar)
        partes << QStringLiteral(
            "las hojas no se cuentan (ninguna hoja del fabricante dice a cuántos carretes "
            "equivalen)");
    if (e.mlRestantes)
        partes << Quedan(TextoCifra(std::max(0.0, *e.mlRestantes)) + QStringLiteral(" ml en la botella"));
    e.agotada =
        (e.capacidadRestante && *e.capacidadRestante <= kEpsilon) || (e.mlRestantes && *e.mlRestantes <= 0);

    if (!cifras) {
        partes << QStringLiteral("ninguna hoja del fabricante da cifras de %1 %2")
                      .arg(b.revelador.trimmed(), b.dilucion.trimmed());
        return Terminar(e, b, partes);
    }
    e.caduca = Caducidad(b, *cifras, u.primerUso);
    if (e.caduca) {
        e.diasRestantes = int(hoy.daysTo(*e.caduca));
        e.caducada = *e.diasRestantes <= 0;
        partes << (e.caducada ? QStringLiteral("caducada desde el %1").arg(Fecha(*e.caduca))
                              : QStringLiteral("caduca el %1 (%2)")
                                    .arg(Fecha(*e.caduca), Quedan(Dias(*e.diasRestantes))));
    }
    // Past its capacity the sheets give no time for another film: none is made up.
    if (cifras->aumento && !u.concentrado && mlGuardados > 0 && !e.agotada) {
        const AumentoTiempo& a = *cifras->aumento;
        const int tramos = Tramos(a, u.reutilizadas * a.ml / mlGuardados);
        e.factorTiempo =
            a.compuesto ? std::pow(1 + a.porcentaje / 100, tramos) : 1 + tramos * a.porcentaje / 100;
        e.segundosExtra = tramos * a.segundos;
        partes << (tramos > 0
                       ? QStringLiteral("la próxima sesión lleva el tiempo estándar más %1, como pide el "
                                        "fabricante al reutilizarla")
                             .arg(TextoAumento(a, tramos))
                       : QStringLiteral("la próxima sesión lleva el tiempo estándar"));
    }
    if (cifras->reposicion && !u.concentrado && u.reutilizadas > 0) {
        const Reposicion& r = *cifras->reposicion;
        e.mlReponer = u.reutilizadas * r.mlPorPelicula;
        partes << QStringLiteral(
                      "el fabricante pide reponer %1 ml de %2 por carrete: %3 ml por los revelados")
                      .arg(TextoCifra(r.mlPorPelicula), r.reponedor, TextoCifra(*e.mlReponer));
    }
    if (!cifras->capacidad && !e.caduca && !cifras->aumento && !cifras->reposicion)
        partes << QStringLiteral("las hojas del fabricante no dan capacidad ni duración de esta solución");
    return Terminar(e, b, partes);
}

EstadoBotella CalcularEstadoBotella(const Botella& b, const std::vector<Sesion>& sesiones, const QDate& hoy) {
    return CalcularEstadoBotella(b, sesiones, hoy, BuscarCifrasRevelador(b.revelador, b.dilucion));
}

int SegundosSiguienteSesion(const EstadoBotella& e, int segundosEstandar) {
    return RedondearEntero(segundosEstandar * e.factorTiempo) + e.segundosExtra;
}

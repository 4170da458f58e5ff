#include "calculators/GraficaReciprocidad.h"
#include "shell/Tema.h"

#include "calculators/Reciprocidad.h"
#include "shell/Numeros.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Enough lines for any sane range; ends the loop when huge values stop adding up.
constexpr int kMaxLineasRejilla = 1000;

QList<double> Valores(double desde, double hasta, double paso) {
    QList<double> valores;
    for (double v = desde; v <= hasta && valores.size() < kMaxLineasRejilla; v += paso)
        valores.append(v);
    return valores;
}
} // namespace

QColor ColorCurvaRecip(int k) {
    return Tema::RecipCurvas[k % std::size(Tema::RecipCurvas)];
}

RangoTm CorregirRango(QStringView textoMin, QStringView textoMax) {
    RangoTm r{textoMin.toString(), textoMax.toString()};
    // Typed by the user: a comma counts as the decimal point, as in the other calculators.
    auto leer = [](const QString& texto) { return LeerNumeroInicial(texto, true); };
    if (leer(r.textoMin) <= 0)
        r.textoMin = QStringLiteral("1");
    if (!(leer(r.textoMin) < leer(r.textoMax)))
        r.textoMax = QStringLiteral("120");
    r.tmin = leer(r.textoMin);
    r.tmax = leer(r.textoMax);
    r.valido = std::isfinite(r.tmin) && std::isfinite(r.tmax) && 0 < r.tmin && r.tmin < r.tmax;
    return r;
}

double PasoRejilla(double span) {
    const double mag = std::pow(10.0, std::floor(std::log10(span)));
    const double r = span / mag;
    if (r < 1.5)
        return mag;
    if (r < 3.5)
        return 2 * mag;
    if (r < 7.5)
        return 5 * mag;
    return 10 * mag;
}

double TcMaximoMuestreado(const QList<double>& exponentes, double tmin, double tmax) {
    double tcMax = 0;
    for (double p : exponentes)
        for (int j = 0; j <= 50; ++j)
            tcMax = std::max(tcMax, TiempoCorregido(tmin + (tmax - tmin) * j / 50, p));
    return tcMax;
}

QString TextoRejilla(double valor, double paso) {
    int decimales = 0;
    if (paso > 0 && std::isfinite(paso))
        decimales = std::clamp(int(std::ceil(-std::log10(paso) - 1e-9)), 0, 6);
    return FormatoNumero(valor, decimales == 0 ? QStringLiteral("0") : u"0." + QString(decimales, u'0'));
}

QList<double> ValoresRejillaTm(double tmin, double tmax, double paso) {
    double primero = std::floor(tmin / paso) * paso;
    if (primero < tmin)
        primero += paso;
    return Valores(primero, tmax, paso);
}

QList<double> ValoresRejillaTc(double tcMax, double paso) {
    return Valores(0, tcMax, paso);
}

void GraficaRecip::FijarMarco(int ancho, int alto) {
    gx0 = RedondearEntero(ancho * 0.1);
    gx1 = RedondearEntero(ancho * 0.97);
    gy0 = RedondearEntero(alto * 0.05);
    gy1 = RedondearEntero(alto * 0.82);
}

int GraficaRecip::X(double tm) const {
    return RedondearEntero(gx0 + (tm - tmMinGraf) / (tmMaxGraf - tmMinGraf) * (gx1 - gx0));
}

int GraficaRecip::Y(double tc) const {
    return std::max(gy0, RedondearEntero(gy1 - tc / tcMaxGraf * (gy1 - gy0)));
}

LeyendaRecip GraficaRecip::DisponerLeyenda(const QStringList& textos, int ancho, int alto,
                                           const MedidaTexto& medir) {
    constexpr int kMargen = 30;
    constexpr int kMuestra = 340; // swatch and the gap before the text
    constexpr int kSeparacion = 120;
    constexpr double kPuntosRotulos = 8;
    LeyendaRecip l;
    const int altoRotulo = int(std::ceil(medir(QStringLiteral("0"), kPuntosRotulos).height()));
    // Under the last corrected-time label ("0", drawn 60 twips above the axis).
    l.tituloTm = QPoint(5, altoRotulo - 60 + 10);
    l.izquierda = gx0;
    const int anchoDisponible = std::max(1, ancho - kMargen - gx0);
    const int n = std::max(1, int(textos.size()));
    auto anchoEntrada = [&](double puntos) {
        double mayor = 0;
        for (const QString& t : textos)
            mayor = std::max(mayor, medir(t, puntos).width());
        return kMuestra + int(std::ceil(mayor)) + kSeparacion;
    };
    auto altoFila = [](double puntos) { return RedondearEntero(puntos * 25); };
    // Below the metered-time labels, which start 30 twips under the axis.
    const int bajoRotulos = kMargen + altoRotulo + kMargen;
    const int altoDisponible = alto - kMargen - (gy1 + bajoRotulos);
    for (double puntos : {8.0, 7.0, 6.0}) {
        const int tope = puntos == 8.0 ? 4 : n;
        const int filas = std::min({n, tope, altoDisponible / altoFila(puntos)});
        if (filas < 1)
            continue;
        const int columnas = (n + filas - 1) / filas;
        if (columnas * anchoEntrada(puntos) > anchoDisponible + kSeparacion)
            continue;
        l.puntos = puntos;
        l.filas = filas;
        l.altoFila = altoFila(puntos);
        l.anchoColumna = anchoDisponible / columnas;
        l.arriba = gy1 + bajoRotulos;
        l.tituloTm.ry() += gy1;
        return l;
    }
    // Too many for the room below the plot: the plot gives up as little height as it can.
    int altoLeyenda = std::numeric_limits<int>::max();
    for (double puntos : {7.0, 6.0}) {
        const int columnas = std::clamp((anchoDisponible + kSeparacion) / anchoEntrada(puntos), 1, n);
        const int filas = (n + columnas - 1) / columnas;
        if (filas * altoFila(puntos) >= altoLeyenda)
            continue;
        altoLeyenda = filas * altoFila(puntos);
        l.puntos = puntos;
        l.filas = filas;
        l.altoFila = altoFila(puntos);
        l.anchoColumna = anchoDisponible / columnas;
    }
    gy1 = std::max(gy0 + (gy1 - gy0) / 3, alto - kMargen - l.filas * l.altoFila - bajoRotulos);
    l.arriba = gy1 + bajoRotulos;
    l.tituloTm.ry() += gy1;
    return l;
}

int GraficaRecip::ToleranciaLectura() const {
    return std::max(40, RedondearEntero((gy1 - gy0) * 0.03));
}

bool GraficaRecip::LecturaPosible() const {
    return tcMaxGraf != 0 && tmMaxGraf != tmMinGraf && gx0 != gx1 && gy0 != gy1;
}

LecturaRecip GraficaRecip::Lectura(double x, double y, const QList<double>& exponentes,
                                   const QList<int>& largosTexto, int anchoPanel) const {
    LecturaRecip l;
    if (x < gx0 || x > gx1 || y < gy0 || y > gy1)
        return l;
    const double tm = (x - gx0) / (gx1 - gx0) * (tmMaxGraf - tmMinGraf) + tmMinGraf;
    const int tolerancia = ToleranciaLectura();
    for (int k = 0; k < exponentes.size(); ++k) {
        const int yc = RedondearEntero(gy1 - TiempoCorregido(tm, exponentes[k]) / tcMaxGraf * (gy1 - gy0));
        if (std::abs(y - yc) < tolerancia)
            l.k = k;
    }
    if (l.k < 0)
        return l;
    l.ancho = largosTexto.value(l.k) * 90 + 300;
    l.izquierda = RedondearEntero(x + 120);
    l.arriba = y - 300 < 10 ? RedondearEntero(y + 120) : RedondearEntero(y - 300);
    if (l.izquierda + l.ancho > anchoPanel)
        l.izquierda = RedondearEntero(x - l.ancho - 60);
    return l;
}

#include "calculators/GraficaReciprocidad.h"
#include "shell/Tema.h"

#include "calculators/Reciprocidad.h"
#include "shell/Numeros.h"

#include <algorithm>
#include <cmath>

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
    if (LeerNumeroInicial(r.textoMin) <= 0)
        r.textoMin = QStringLiteral("1");
    if (!(LeerNumeroInicial(r.textoMin) < LeerNumeroInicial(r.textoMax)))
        r.textoMax = QStringLiteral("120");
    r.tmin = LeerNumeroInicial(r.textoMin);
    r.tmax = LeerNumeroInicial(r.textoMax);
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

QPoint GraficaRecip::Leyenda(int seleccionadas, int k) const {
    const int columnas = std::clamp((seleccionadas + 3) / 4, 1, 4);
    const int anchoColumna = (gx1 - gx0) / columnas;
    return {gx0 + k / 4 * anchoColumna, gy1 + 240 + k % 4 * 200};
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

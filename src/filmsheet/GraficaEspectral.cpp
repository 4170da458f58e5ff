#include "filmsheet/GraficaEspectral.h"
#include "shell/Tema.h"

#include "shell/Lienzo.h"
#include "shell/Numeros.h"

#include <algorithm>
#include <cmath>

namespace {

// Mix of a full colour over a pale base, t of the full one.
QColor Mezcla(const QColor& lleno, const QColor& base, double t) {
    auto c = [t](int a, int b) { return std::min(255, RedondearEntero(a * t + b * (1 - t))); };
    return QColor(c(lleno.red(), base.red()), c(lleno.green(), base.green()), c(lleno.blue(), base.blue()));
}

QColor ColorRelleno(double lambda, double t) {
    if (lambda < 380)
        return Mezcla(Tema::EspectroUvLleno, Tema::EspectroUvBase, t);
    if (lambda > 700)
        return Mezcla(Tema::EspectroIrLleno, Tema::EspectroIrBase, t);
    return Mezcla(ColorLongitudOnda(lambda), Tema::EspectroVisibleBase, t);
}

} // namespace

void DibujarCurvaEstimada(Lienzo& lienzo, const ParametrosEspectrales& p) {
    lienzo.Limpiar(Tema::EspectroFondo);
    const EscalaEspectral e(lienzo.AnchoTwips(), lienzo.AltoTwips(), p.xMaximo);
    const int x0 = e.x0, yTop = e.yTop, yBot = e.yBot, xFin = e.x0 + e.plotW;

    lienzo.Rectangulo(x0, yTop, e.X(380), yBot, Tema::EspectroZonaUv, true);
    lienzo.Rectangulo(e.X(380), yTop, e.X(700), yBot, Tema::EspectroZonaVisible, true);
    lienzo.Rectangulo(e.X(700), yTop, xFin, yBot, Tema::EspectroZonaIr, true);

    lienzo.Texto(x0 + 20, yTop + 10, QStringLiteral("UV"), Tema::EspectroRotuloUv, 8);
    lienzo.Texto(e.X(380) + (e.X(700) - e.X(380)) / 2.0 - 150, yTop + 10, QStringLiteral("VISIBLE"),
                 Tema::EspectroRotuloVisible, 8);
    lienzo.Texto(e.X(700) + 20, yTop + 10, QStringLiteral("IR"), Tema::EspectroRotuloIr, 8);

    for (double f : {0.25, 0.5, 0.75}) {
        const int y = e.Y(f);
        lienzo.Linea(x0, y, xFin, y, Tema::EspectroRejilla, 1, Lienzo::Estilo::RayaPunto);
    }

    // The curve with the same floor and ceiling as its filled area.
    auto puntoCurva = [&](double lambda, double& s) {
        s = std::max(RespuestaEspectral(lambda, p), 0.001);
        return std::max(e.Y(s), yTop);
    };
    for (double lambda = 300; lambda <= p.xMaximo; lambda += 1) {
        double s;
        const int yc = puntoCurva(lambda, s);
        const double t = std::min(0.65 * std::log10(9 * s + 1) + 0.1, 1.0);
        lienzo.Linea(e.X(lambda), yc, e.X(lambda), yBot, ColorRelleno(lambda, t));
    }

    int xAnt = 0, yAnt = 0;
    for (double lambda = 380; lambda <= 720; lambda += 2) {
        const int x = e.X(lambda), y = e.Y(RespuestaOjo(lambda));
        if (lambda == 380)
            lienzo.Punto(x, y, Tema::EspectroVerdeOjo);
        else
            lienzo.Linea(xAnt, yAnt, x, y, Tema::EspectroVerdeOjo, 1, Lienzo::Estilo::Punteado);
        xAnt = x;
        yAnt = y;
    }

    for (double lambda = 300; lambda <= p.xMaximo; lambda += 1) {
        double s;
        const int x = e.X(lambda), y = puntoCurva(lambda, s);
        if (lambda > 300)
            lienzo.Linea(xAnt, yAnt, x, y, Tema::EspectroCurva, 2);
        xAnt = x;
        yAnt = y;
    }

    lienzo.Linea(x0, yBot, xFin, yBot, Tema::EspectroGris);

    for (int t = 300; t <= RedondearEntero(p.xMaximo); t += 100) {
        lienzo.Linea(e.X(t), yBot, e.X(t), yBot + 30, Tema::EspectroGris);
        lienzo.Texto(e.X(t) - 60, yBot + 35, QString::number(t), Tema::EspectroEje, 7);
    }

    const int xp = e.X(p.pico);
    lienzo.Linea(xp, yTop + 30, xp, yBot, Tema::EspectroRojoPico, 1, Lienzo::Estilo::Punteado);
    lienzo.Texto(xp + 20, yTop + 50, QString::number(RedondearEntero(p.pico)) + u" nm",
                 Tema::EspectroRojoPico, 15);

    const int lx = x0 + e.plotW - 1100, ly = yTop + 40;
    lienzo.Linea(lx, ly + 60, lx + 200, ly + 60, Tema::EspectroVerdeOjo, 1, Lienzo::Estilo::Punteado);
    lienzo.Texto(lx + 230, ly + 20, QStringLiteral("ojo"), Tema::EspectroVerdeOjo, 4.5);

    DibujarBarraEspectro(lienzo, x0, e.plotW, e.xMinimo, p.xMaximo, yBot + 230, 90);
}

void DibujarBarraEspectro(Lienzo& lienzo, double x0, double anchoPlot, double xMinimo, double xMaximo,
                          double arriba, double alto) {
    auto x = [&](double lambda) {
        return x0 + RedondearEntero((lambda - xMinimo) / (xMaximo - xMinimo) * anchoPlot);
    };
    for (int lambda = 380; lambda <= 700; ++lambda)
        lienzo.Linea(x(lambda), arriba, x(lambda), arriba + alto, ColorLongitudOnda(lambda));
    lienzo.Rectangulo(x(380), arriba, x(700), arriba + alto, Tema::EspectroGris, false);
}

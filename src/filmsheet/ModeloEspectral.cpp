#include "filmsheet/ModeloEspectral.h"

#include "shell/Numeros.h"

#include <algorithm>
#include <cmath>

namespace {
double Gauss(double x, double centro, double sigma) {
    const double z = (x - centro) / sigma;
    return std::exp(-0.5 * z * z);
}

bool Entre(double v, double a, double b) {
    return v >= a && v <= b;
}
} // namespace

bool LeerNumeroEstricto(const QString& texto, double& valor) {
    QString t = texto.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (ok && std::isfinite(v))
        valor = v;
    return ok;
}

ParametrosEspectrales DerivarParametros(const QString& rango, const QString& pico, const QString& corteRojo,
                                        const QString& corteIr, const QString& textoClase) {
    ParametrosEspectrales p;
    QString separador;
    for (const QString& s : {QStringLiteral("\u2013"), QStringLiteral("|"), QStringLiteral("-")})
        if (rango.contains(s)) {
            separador = s;
            break;
        }
    if (!separador.isEmpty()) {
        const QStringList partes = rango.split(separador);
        if (partes.size() >= 2) {
            LeerNumeroEstricto(partes[0], p.lo);
            LeerNumeroEstricto(partes[1], p.hi);
        }
    }
    if (!Entre(p.lo, 300, 500))
        p.lo = 380;
    if (!Entre(p.hi, 500, 1100))
        p.hi = 700;
    LeerNumeroEstricto(pico, p.pico);
    LeerNumeroEstricto(corteRojo, p.corteRojo);
    LeerNumeroEstricto(corteIr, p.corteIr);
    if (!Entre(p.pico, 300, 1000))
        p.pico = (p.lo + p.hi) / 2;
    if (p.corteRojo < 400)
        p.corteRojo = 0;
    if (p.corteIr < 700)
        p.corteIr = 0;

    const QString clase = textoClase.trimmed().toLower();
    if (clase.contains(u"ortho") || clase.contains(u"orto")) {
        p.clase = Ortocromatica;
        p.lambda2 = 0;
        p.a2 = 0;
        if (p.corteRojo == 0)
            p.corteRojo = 560;
    } else if (p.corteIr > 720 || clase.contains(u"infrar")) {
        p.clase = Infrarroja;
        p.hi = p.corteIr > 720 ? p.corteIr : 820;
    } else if (clase.contains(u"extend") || clase.contains(u"super") || p.hi > 700) {
        p.clase = RojoExtendido;
        if (p.hi < 700)
            p.hi = 750;
    }

    p.sigmaL = std::max((p.pico - p.lo) / 3.034, 15.0);
    p.sigmaR = std::max((p.hi - p.pico) / 3.034, 15.0);
    switch (p.clase) {
    case Infrarroja:
        p.xMaximo = p.hi > 750 ? p.hi + 80 : 950;
        break;
    case RojoExtendido:
        p.xMaximo = p.hi > 700 ? p.hi + 80 : 850;
        break;
    default:
        p.xMaximo = 780;
    }
    return p;
}

double RespuestaEspectral(double lambda, double pico, double sigmaL, double sigmaR, short clase,
                          double lambda2, double a2, double corteRojo) {
    double s = Gauss(lambda, pico, lambda <= pico ? sigmaL : sigmaR);
    if (lambda2 > 0 && a2 > 0)
        s = std::min(1.0, s + a2 * Gauss(lambda, lambda2, 30));
    switch (clase) {
    case Ortocromatica:
        if (lambda > 560)
            s *= Gauss(lambda, 560, 12);
        break;
    case RojoExtendido:
        s = std::min(1.0, s + 0.3 * Gauss(lambda, 650, 42));
        break;
    case Infrarroja:
        s = std::min(1.0, s + 0.55 * Gauss(lambda, 730, 65));
        break;
    default:
        break;
    }
    if (corteRojo > 400) {
        if (lambda >= corteRojo)
            s = 0;
        else if (lambda > corteRojo - 30)
            s *= 1 - (lambda - (corteRojo - 30)) / 30;
    }
    return std::max(s, 0.0);
}

double RespuestaEspectral(double lambda, const ParametrosEspectrales& p) {
    return RespuestaEspectral(lambda, p.pico, p.sigmaL, p.sigmaR, p.clase, p.lambda2, p.a2, p.corteRojo);
}

double RespuestaOjo(double lambda) {
    double e = Gauss(lambda, 555, 55);
    if (lambda < 490) {
        const double z = (lambda - 500) / 25;
        e *= std::exp(-0.5 * 0.4 * z * z);
    }
    return std::clamp(e, 0.0, 1.0);
}

QColor ColorLongitudOnda(double lambda) {
    double r = 0, g = 0, b = 0;
    if (lambda <= 440) {
        r = (440 - lambda) / 60;
        b = 1;
    } else if (lambda <= 490) {
        g = (lambda - 440) / 50;
        b = 1;
    } else if (lambda <= 510) {
        g = 1;
        b = (510 - lambda) / 20;
    } else if (lambda <= 580) {
        r = (lambda - 510) / 70;
        g = 1;
    } else if (lambda <= 645) {
        r = 1;
        g = (645 - lambda) / 65;
    } else {
        r = 1;
    }
    double f = 1;
    if (lambda < 420)
        f = 0.3 + 0.7 * (lambda - 380) / 40;
    else if (lambda > 640)
        f = 0.3 + 0.7 * (700 - lambda) / 60;
    auto componente = [f](double c) { return RedondearEntero(std::clamp(c * f, 0.0, 1.0) * 255); };
    return QColor(componente(r), componente(g), componente(b));
}

EscalaEspectral::EscalaEspectral(double ancho, double alto, double xMax)
    : plotW(RedondearEntero(ancho - 120)), plotH(RedondearEntero(alto - 540)), yBot(60 + plotH),
      xMaximo(xMax) {}

int EscalaEspectral::X(double lambda) const {
    return x0 + RedondearEntero((lambda - xMinimo) / (xMaximo - xMinimo) * plotW);
}

int EscalaEspectral::Y(double s) const {
    return yBot - RedondearEntero(std::log10(9 * s + 1) * plotH);
}

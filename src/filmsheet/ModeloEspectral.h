#pragma once

#include <QColor>
#include <QString>

// The estimated spectral sensitivity of a film, modelled from the few facts of its sheet.
enum ClaseEspectral : short { Pancromatica = 0, Ortocromatica = 1, RojoExtendido = 2, Infrarroja = 3 };

struct ParametrosEspectrales {
    double lo = 380, hi = 700;
    double pico = 0;
    double corteRojo = 0, corteIr = 0;
    short clase = Pancromatica;
    double sigmaL = 50, sigmaR = 80;
    double lambda2 = 430, a2 = 0.5; // blue secondary peak
    double xMaximo = 780;           // long end of the plot; it starts at 300 nm
};

// From the shown texts of range, peak, cut-offs and the sensitivity class. Numbers are read with
// either decimal separator; a text that is not a number leaves its parameter as it was.
ParametrosEspectrales DerivarParametros(const QString& rango, const QString& pico, const QString& corteRojo,
                                        const QString& corteIr, const QString& textoClase);

// Relative sensitivity 0..1 at lambda nm.
double RespuestaEspectral(double lambda, double pico, double sigmaL, double sigmaR, short clase,
                          double lambda2, double a2, double corteRojo);
double RespuestaEspectral(double lambda, const ParametrosEspectrales& p);

// The eye's response drawn for comparison, 0..1.
double RespuestaOjo(double lambda);

// Colour of visible light at lambda nm (380..700), dimmed towards both ends.
QColor ColorLongitudOnda(double lambda);

// Where the chart puts a wavelength and a sensitivity inside a W x H twips area.
struct EscalaEspectral {
    EscalaEspectral(double ancho, double alto, double xMaximo);
    int X(double lambda) const;
    // Sensitivity on a log axis: log10(9 s + 1) is 0 at s = 0 and 1 at s = 1.
    int Y(double s) const;

    int plotW, plotH;
    int x0 = 60, yTop = 60, yBot;
    double xMinimo = 300, xMaximo;
};

// The text of a number as the chart reads it: trimmed, ',' or '.' as decimal separator, nothing else.
bool LeerNumeroEstricto(const QString& texto, double& valor);

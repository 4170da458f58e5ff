#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringView>

// Geometry of the reciprocity graph, in twips of its panel: the plot frame, the scales, the grid,
// the legend and the pointer read-out.

// The metered-time range as typed, after the two resets that make it usable where they can.
struct RangoTm {
    QString textoMin;
    QString textoMax;
    double tmin = 0;
    double tmax = 0;
    bool valido = false; // 0 < tmin < tmax, both finite
};
RangoTm CorregirRango(QStringView textoMin, QStringView textoMax);

// Colour of the k-th selected film: eight entries used in turn.
QColor ColorCurvaRecip(int k);

// 1, 2, 5 or 10 times a power of ten, about a sixth of the span.
double PasoRejilla(double span);

// Highest corrected time over 51 samples of the range, for the given exponents; 0 for none.
double TcMaximoMuestreado(const QList<double>& exponentes, double tmin, double tmax);

// Grid values of the metered-time axis: multiples of the step from the first one not below tmin.
QList<double> ValoresRejillaTm(double tmin, double tmax, double paso);
// From 0 up to tcMax.
QList<double> ValoresRejillaTc(double tcMax, double paso);

struct LecturaRecip {
    int k = -1; // index among the selected films, -1 for none
    int izquierda = 0;
    int arriba = 0;
    int ancho = 0;
};

struct GraficaRecip {
    // Frame of the last drawing and ranges of the last drawing that drew curves.
    int gx0 = 0, gx1 = 0, gy0 = 0, gy1 = 0;
    double tmMinGraf = 0, tmMaxGraf = 0, tcMaxGraf = 0;

    void FijarMarco(int ancho, int alto);
    int X(double tm) const;
    // Not above the top of the frame.
    int Y(double tc) const;
    // Legend places: four films a column, columns left to right.
    QPoint Leyenda(int seleccionadas, int k) const;
    int ToleranciaLectura() const;
    // False until a drawing has drawn curves on a frame of some size.
    bool LecturaPosible() const;
    // The film (index among the selected ones) whose curve passes near the pointer; a later one wins.
    // The label goes beside the pointer, inside a panel of the given width where it fits.
    LecturaRecip Lectura(double x, double y, const QList<double>& exponentes, const QList<int>& largosTexto,
                         int anchoPanel) const;
};

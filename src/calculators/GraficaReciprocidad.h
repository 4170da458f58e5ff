#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>

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

// A grid value with as many decimals as the step needs, so that neighbouring labels differ.
QString TextoRejilla(double valor, double paso);

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

// Size in twips a text takes at a type size in points.
using MedidaTexto = std::function<QSizeF(const QString& texto, double puntos)>;

// Below the plot: the metered-time labels, the axis title "Tm (s)" at the left under the
// corrected-time labels, and the legend, which covers neither and stays inside the panel.
struct LeyendaRecip {
    double puntos = 8; // type size of the entries
    int filas = 4;     // entries a column, columns left to right
    int altoFila = 200;
    int anchoColumna = 0;
    int izquierda = 0;
    int arriba = 0;
    QPoint tituloTm; // top left of "Tm (s)"
    QPoint Lugar(int k) const {
        return {izquierda + k / filas * anchoColumna, arriba + k % filas * altoFila};
    }
};

struct GraficaRecip {
    // Frame of the last drawing and ranges of the last drawing that drew curves.
    int gx0 = 0, gx1 = 0, gy0 = 0, gy1 = 0;
    double tmMinGraf = 0, tmMaxGraf = 0, tcMaxGraf = 0;

    void FijarMarco(int ancho, int alto);
    int X(double tm) const;
    // Not above the top of the frame.
    int Y(double tc) const;
    // Legend of these texts in a panel of this size: four a column at 8 points where they fit
    // below the plot; otherwise smaller type and as many rows as fit; and when even 6 points do
    // not fit, the plot's bottom edge rises as little as 7 or 6 points allow.
    LeyendaRecip DisponerLeyenda(const QStringList& textos, int ancho, int alto, const MedidaTexto& medir);
    int ToleranciaLectura() const;
    // False until a drawing has drawn curves on a frame of some size.
    bool LecturaPosible() const;
    // The film (index among the selected ones) whose curve passes near the pointer; a later one wins.
    // The label goes beside the pointer, inside a panel of the given width where it fits.
    LecturaRecip Lectura(double x, double y, const QList<double>& exponentes, const QList<int>& largosTexto,
                         int anchoPanel) const;
};

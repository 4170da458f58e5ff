#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QTableView;
class QWidget;

// Small helpers every window uses to build its controls from documented values.

// Places a control at a rectangle given in twips (15 per pixel, ties-to-even rounding).
void ColocarTwips(QWidget* control, double izquierda, double arriba, double ancho, double alto);
// Gives a control its documented name (its objectName) and place in twips.
template <class T>
T* Situar(T* control, const char* nombre, double izquierda, double arriba, double ancho, double alto) {
    control->setObjectName(QString::fromLatin1(nombre));
    ColocarTwips(control, izquierda, arriba, ancho, alto);
    return control;
}
template <class T>
T* CrearControl(QWidget* padre, const char* nombre, double izquierda, double arriba, double ancho,
                double alto) {
    return Situar(new T(padre), nombre, izquierda, arriba, ancho, alto);
}
// Where a label's text sits in its box: the calculators and the timer put it at the top, the other
// windows centre it in the box's height.
inline constexpr Qt::Alignment kEtiquetaArriba = Qt::AlignLeft | Qt::AlignTop;
inline constexpr Qt::Alignment kEtiquetaCentrada = Qt::AlignLeft | Qt::AlignVCenter;
// A label of plain text (a stored value is never read as markup) at a rectangle in twips; without a
// width it takes the size of its text.
QLabel* CrearEtiqueta(QWidget* padre, const char* nombre, const QString& texto, double izquierda,
                      double arriba, double ancho = 0, double alto = 0,
                      Qt::Alignment alineacion = kEtiquetaArriba);
// Client size of a widget in twips.
QSize ClienteTwips(const QWidget* control);
// A font by face name and size in points; a face that is not installed falls back to a similar one.
QFont Fuente(const QString& familia, double puntos, bool negrita = false);
// Text colour (window text, button text and text roles) and a filled background colour.
void ColorTexto(QWidget* control, const QColor& color);
void ColorFondo(QWidget* control, const QColor& color);
// The font of the calculator and timer windows' own controls: small, as their geometry was laid
// out for.
QFont FuenteVentanaCalc();
// The look the data grids share: header in the title colour with white text, light grid lines,
// whole-row single selection, no editing, columns the user can resize, no row header.
void EstiloGrid(QTableView* grid);
// The text of a box character for character, lines ended by "\n": toPlainText() would turn the
// no-break spaces typed or pasted into plain blanks.
QString TextoEscrito(const QPlainTextEdit* caja);
// A plain text box whose lines wrap at its width, breaking a word longer than the width too, with
// no horizontal scroll bar and a vertical one always shown: a narrow box otherwise shows and hides
// a bar without end as the wrapping changes, and the program hangs.
void AjustarALineas(QPlainTextEdit* caja);

#pragma once

#include "shell/Tema.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

// A picture area with persistent drawing: everything is drawn into a back buffer the size of the
// widget and painted from it, so a covered drawing comes back. Coordinates and sizes are twips
// (15 per pixel) from the top left, y downwards.
//
// Exact pixels, with no antialiasing (text aside):
// - A place (x, y) in twips is the buffer pixel (px, py) = (x / 15, y / 15) rounded to the nearest
//   integer, ties to even (TwipsAPixeles): pixel 0 holds twips 0 to 7, pixel 1 twips 8 to 22, ...
// - The pen of width w (1 to 3) at pixel (px, py) covers the w x w square whose top-left pixel is
//   (px - (w - 1) / 2, py - (w - 1) / 2) in integer division: w 1 that pixel, w 2 it and the pixels
//   right and below, w 3 the 3 x 3 square around it.
// - A line from (x1, y1) to (x2, y2) is the Bresenham run of pixels from (px1, py1) to (px2, py2),
//   both ends included, each covered by the pen. Styles apply to width 1 only (wider lines are
//   solid): Punteado draws 3 pixels and skips 3, RayaPunto draws 9, skips 6, draws 3, skips 6,
//   counted along the run from its first pixel; a line that starts on the last pixel of the
//   previous line of the same style goes on with that line's pattern.
// - Drawing outside the buffer is clipped.
class Lienzo : public QWidget {
    Q_OBJECT
public:
    enum class Estilo { Solido, Punteado, RayaPunto };

    explicit Lienzo(QWidget* padre = nullptr);

    // Fills the whole buffer with the colour, which becomes the background. A buffer that grows
    // with the widget keeps its drawing and fills the new part with the background.
    void Limpiar(const QColor& fondo);
    void Limpiar() { Limpiar(fondo_); }
    const QColor& Fondo() const { return fondo_; }

    // Width in pixels, 1 to 3 (others are taken as the nearest of these).
    void Linea(double x1, double y1, double x2, double y2, const QColor& color, int ancho = 1,
               Estilo estilo = Estilo::Solido);
    // From corner (x1,y1) to corner (x2,y2), both included. Filled: every pixel of the pixel
    // rectangle between the corners. Outline: the four sides as solid lines of the width.
    void Rectangulo(double x1, double y1, double x2, double y2, const QColor& color, bool relleno,
                    int ancho = 1);
    // The pen square at the place.
    void Punto(double x, double y, const QColor& color, int ancho = 1);
    // Centre pixel (cx, cy) and radius r = radio / 15 rounded, in pixels. Outline: the pixels whose
    // distance d from the centre pixel has |d - r| < ancho / 2; filled: those with d < r + ancho / 2.
    void Circulo(double x, double y, double radio, const QColor& color, int ancho = 1, bool relleno = false);
    // Text whose top-left corner is (x, y), on a transparent background; size in points at 96 dpi.
    void Texto(double x, double y, const QString& texto, const QColor& color, double puntos,
               bool negrita = false, const QString& familia = Tema::FaceInterfaz);
    // Size in twips the text would take.
    QSizeF MedirTexto(const QString& texto, double puntos, bool negrita = false,
                      const QString& familia = Tema::FaceInterfaz) const;
    // The picture stretched into the pixel rectangle at (px, py) of ancho / 15 x alto / 15 pixels
    // (rounded, at least 1), with smooth (area-averaging) resampling.
    void DibujarEstirado(double x, double y, double ancho, double alto, const QImage& imagen);
    // The picture (its size in twips) enlarged or reduced to fit the whole canvas, proportions
    // kept, centred with integer division. False when the picture has no size.
    bool ImagenAjustada(const QImage& imagen);

    // Client size in twips.
    int AnchoTwips() const;
    int AltoTwips() const;

    const QImage& Buffer() const;
    // Colour of the buffer at a place given in twips (tests and pointer read-outs); invalid outside.
    QColor PixelEn(double x, double y) const;

Q_SIGNALS:
    void DobleClic();
    void Movido(double xTwips, double yTwips);
    void Pulsado(double xTwips, double yTwips);
    void Redimensionado();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

private:
    // The buffer follows the widget's size even before a hidden widget gets its resize event.
    void AjustarBuffer() const;
    void Pluma(int px, int py, int ancho, QRgb color);
    void Bloque(int x1, int y1, int x2, int y2, QRgb color);

    mutable QImage buffer_;
    QColor fondo_{Qt::white};
    // Where the last styled line ended and how far along its pattern it was.
    QPoint finEstilo_{-1, -1};
    Estilo estiloPrevio_ = Estilo::Solido;
    int fase_ = 0;
};

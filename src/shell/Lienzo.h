#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

// A picture area with persistent drawing: everything is drawn into a back buffer the size of the
// widget and painted from it, so a covered drawing comes back. Coordinates and sizes are twips
// (15 per pixel) from the top left, y downwards, converted to pixels with ties-to-even rounding.
// Lines and shapes are drawn without antialiasing, as pixels at computed places.
class Lienzo : public QWidget {
    Q_OBJECT
public:
    enum class Estilo { Solido, Punteado, RayaPunto };

    explicit Lienzo(QWidget* padre = nullptr);

    // Fills the whole buffer with the colour, which becomes the background.
    void Limpiar(const QColor& fondo);
    void Limpiar() { Limpiar(fondo_); }
    const QColor& Fondo() const { return fondo_; }

    // Width in pixels, 1 to 3.
    void Linea(double x1, double y1, double x2, double y2, const QColor& color, int ancho = 1,
               Estilo estilo = Estilo::Solido);
    // From corner (x1,y1) to corner (x2,y2), both included.
    void Rectangulo(double x1, double y1, double x2, double y2, const QColor& color, bool relleno, int ancho = 1);
    void Punto(double x, double y, const QColor& color, int ancho = 1);
    void Circulo(double x, double y, double radio, const QColor& color, int ancho = 1, bool relleno = false);
    // Text whose top-left corner is (x, y); size in points.
    void Texto(double x, double y, const QString& texto, const QColor& color, double puntos, bool negrita = false,
               const QString& familia = QStringLiteral("Segoe UI"));
    // Size in twips the text would take.
    QSizeF MedirTexto(const QString& texto, double puntos, bool negrita = false,
                      const QString& familia = QStringLiteral("Segoe UI")) const;
    // The picture stretched into the rectangle, with smooth (area-averaging) resampling.
    void Imagen(double x, double y, double ancho, double alto, const QImage& imagen);

    // Client size in twips.
    int AnchoTwips() const;
    int AltoTwips() const;

    const QImage& Buffer() const { return buffer_; }
    // Colour of the buffer at a place given in twips (tests and pointer read-outs).
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
    QImage buffer_;
    QColor fondo_{Qt::white};
};

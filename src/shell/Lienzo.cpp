#include "shell/Lienzo.h"
#include "shell/Tema.h"

#include "shell/Controles.h"
#include "shell/Imagenes.h"
#include "shell/Numeros.h"
#include "shell/TemaOscuro.h"
#include "shell/TemaOscuroPropio.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
// The face the windows are designed with, and its ascent in ems (the character cell above the baseline).
const QString& kFamiliaDisenada = Tema::FaceInterfaz;
constexpr double kAscensoDisenado = 2210.0 / 2048.0;
} // namespace

namespace {

// 96 dots per inch, so that points turn into the pixels the twips assume.
constexpr int kPuntosPorMetro = 3780;
// Above this many pixels a stretched picture is drawn straight by the painter, not resampled first.
constexpr qint64 kMaxRemuestreo = 16'000'000;

int Px(double twips) {
    return TwipsAPixeles(twips);
}

int AnchoPluma(int ancho) {
    return std::clamp(ancho, 1, 3);
}

bool Trazado(Lienzo::Estilo estilo, int i) {
    switch (estilo) {
    case Lienzo::Estilo::Punteado:
        return i % 6 < 3;
    case Lienzo::Estilo::RayaPunto: {
        const int j = i % 24;
        return j < 9 || (j >= 15 && j < 18);
    }
    case Lienzo::Estilo::Solido:
        break;
    }
    return true;
}

QImage BufferVacio(QSize tamano, const QColor& fondo) {
    QImage buffer(tamano, QImage::Format_RGB32);
    buffer.setDotsPerMeterX(kPuntosPorMetro);
    buffer.setDotsPerMeterY(kPuntosPorMetro);
    buffer.fill(fondo);
    return buffer;
}

} // namespace

Lienzo::Lienzo(QWidget* padre) : QWidget(padre) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    buffer_ = BufferVacio(size(), fondo_);
}

void Lienzo::AjustarBuffer() const {
    if (buffer_.size() == size())
        return;
    QImage nuevo = BufferVacio(size(), fondo_);
    if (!nuevo.isNull() && !buffer_.isNull()) {
        QPainter p(&nuevo);
        p.drawImage(0, 0, buffer_);
    }
    buffer_ = nuevo;
}

const QImage& Lienzo::Buffer() const {
    AjustarBuffer();
    return buffer_;
}

void Lienzo::Limpiar(const QColor& fondo) {
    fondo_ = fondo;
    buffer_ = BufferVacio(size(), fondo_);
    finEstilo_ = {-1, -1};
    update();
}

void Lienzo::Bloque(int x1, int y1, int x2, int y2, QRgb color) {
    AjustarBuffer();
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, buffer_.width() - 1);
    y2 = std::min(y2, buffer_.height() - 1);
    if (x1 > x2)
        return;
    for (int y = y1; y <= y2; ++y) {
        auto* fila = reinterpret_cast<QRgb*>(buffer_.scanLine(y));
        std::fill(fila + x1, fila + x2 + 1, color);
    }
}

void Lienzo::Pluma(int px, int py, int ancho, QRgb color) {
    const int inicio = (ancho - 1) / 2;
    Bloque(px - inicio, py - inicio, px - inicio + ancho - 1, py - inicio + ancho - 1, color);
}

void Lienzo::Linea(double x1, double y1, double x2, double y2, const QColor& color, int ancho,
                   Estilo estilo) {
    ancho = AnchoPluma(ancho);
    if (ancho > 1)
        estilo = Estilo::Solido;
    int x = Px(x1), y = Px(y1);
    const int xf = Px(x2), yf = Px(y2);
    const bool sigue = estilo != Estilo::Solido && estilo == estiloPrevio_ && QPoint(x, y) == finEstilo_;
    int i = sigue ? fase_ - 1 : 0;

    const QRgb rgb = color.rgb();
    const int dx = std::abs(xf - x), sx = x < xf ? 1 : -1;
    const int dy = -std::abs(yf - y), sy = y < yf ? 1 : -1;
    int error = dx + dy;
    for (;; ++i) {
        if (Trazado(estilo, i))
            Pluma(x, y, ancho, rgb);
        if (x == xf && y == yf)
            break;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
    estiloPrevio_ = estilo;
    finEstilo_ = {xf, yf};
    fase_ = i + 1;
    update();
}

void Lienzo::Rectangulo(double x1, double y1, double x2, double y2, const QColor& color, bool relleno,
                        int ancho) {
    if (relleno) {
        const int a = Px(x1), b = Px(y1), c = Px(x2), d = Px(y2);
        Bloque(std::min(a, c), std::min(b, d), std::max(a, c), std::max(b, d), color.rgb());
        update();
        return;
    }
    Linea(x1, y1, x2, y1, color, ancho);
    Linea(x2, y1, x2, y2, color, ancho);
    Linea(x2, y2, x1, y2, color, ancho);
    Linea(x1, y2, x1, y1, color, ancho);
}

void Lienzo::Punto(double x, double y, const QColor& color, int ancho) {
    Pluma(Px(x), Px(y), AnchoPluma(ancho), color.rgb());
    update();
}

void Lienzo::Circulo(double x, double y, double radio, const QColor& color, int ancho, bool relleno) {
    const int cx = Px(x), cy = Px(y);
    const int r = std::abs(Px(radio));
    const double mitad = AnchoPluma(ancho) / 2.0;
    const int alcance = r + AnchoPluma(ancho);
    const QRgb rgb = color.rgb();
    AjustarBuffer();
    for (int py = std::max(cy - alcance, 0); py <= std::min(cy + alcance, buffer_.height() - 1); ++py) {
        auto* fila = reinterpret_cast<QRgb*>(buffer_.scanLine(py));
        for (int px = std::max(cx - alcance, 0); px <= std::min(cx + alcance, buffer_.width() - 1); ++px) {
            const double d = std::hypot(px - cx, py - cy);
            if (relleno ? d < r + mitad : std::abs(d - r) < mitad)
                fila[px] = rgb;
        }
    }
    update();
}

void Lienzo::Texto(double x, double y, const QString& texto, const QColor& color, double puntos, bool negrita,
                   const QString& familia) {
    AjustarBuffer();
    if (buffer_.isNull() || texto.isEmpty())
        return;
    QPainter p(&buffer_);
    const QFont fuente = Fuente(familia, puntos > 0 ? puntos : 1, negrita);
    p.setFont(fuente);
    p.setPen(color);
    // y is the top of the character cell of the designed face. When another face stands in, its
    // baseline goes where the designed one would put it, so large text is not pushed out of view.
    double ajuste = 0;
    if (familia == kFamiliaDisenada && QFontInfo(fuente).family() != kFamiliaDisenada) {
        const QFontMetricsF medidas(fuente, &buffer_);
        ajuste = kAscensoDisenado * QFontInfo(fuente).pixelSize() - medidas.ascent();
    }
    p.drawText(QRectF(Px(x), Px(y) + ajuste, 1e6, 1e6), Qt::AlignLeft | Qt::AlignTop, texto);
    update();
}

QSizeF Lienzo::MedirTexto(const QString& texto, double puntos, bool negrita, const QString& familia) const {
    const QImage referencia = buffer_.isNull() ? BufferVacio({1, 1}, fondo_) : buffer_;
    const QFontMetricsF medidas(Fuente(familia, puntos > 0 ? puntos : 1, negrita), &referencia);
    const QRectF caja = medidas.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft | Qt::AlignTop, texto);
    return caja.size() * kTwipsPorPixel;
}

void Lienzo::DibujarEstirado(double x, double y, double ancho, double alto, const QImage& imagen) {
    AjustarBuffer();
    if (imagen.isNull() || buffer_.isNull())
        return;
    const QRect destino(Px(x), Px(y), std::max(1, Px(ancho)), std::max(1, Px(alto)));
    QPainter p(&buffer_);
    if (qint64(destino.width()) * destino.height() > kMaxRemuestreo) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(destino, imagen);
    } else {
        // Qt's smooth scaling averages the covered area when it reduces.
        p.drawImage(destino.topLeft(),
                    imagen.scaled(destino.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    update();
}

int Lienzo::AnchoTwips() const {
    return PixelesATwips(width());
}

int Lienzo::AltoTwips() const {
    return PixelesATwips(height());
}

QColor Lienzo::PixelEn(double x, double y) const {
    const QPoint p(Px(x), Px(y));
    AjustarBuffer();
    return buffer_.valid(p) ? buffer_.pixelColor(p) : QColor();
}

void Lienzo::paintEvent(QPaintEvent*) {
    AjustarBuffer();
    QPainter p(this);
    // In the dark mode a picture keeps its light and shade, in dim red.
    p.drawImage(0, 0, ModoOscuroActivo() ? EnRojoOscuro(buffer_, true) : buffer_);
}

void Lienzo::resizeEvent(QResizeEvent*) {
    AjustarBuffer();
    Q_EMIT Redimensionado();
}

void Lienzo::mouseDoubleClickEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton)
        Q_EMIT DobleClic();
}

void Lienzo::mouseMoveEvent(QMouseEvent* evento) {
    Q_EMIT Movido(evento->position().x() * kTwipsPorPixel, evento->position().y() * kTwipsPorPixel);
}

void Lienzo::mousePressEvent(QMouseEvent* evento) {
    Q_EMIT Pulsado(evento->position().x() * kTwipsPorPixel, evento->position().y() * kTwipsPorPixel);
}

bool Lienzo::ImagenAjustada(const QImage& imagen) {
    const QSize t = TamanoTwips(imagen);
    const auto caja = CajaAjustada(AnchoTwips(), AltoTwips(), t.width(), t.height());
    if (caja)
        DibujarEstirado(caja->x(), caja->y(), caja->width(), caja->height(), imagen);
    return caja.has_value();
}

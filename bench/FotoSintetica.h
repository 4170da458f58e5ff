#pragma once

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QString>
#include <algorithm>

// A 6000 x 4000 (24-megapixel) JPEG with photograph-like content (gradient, shapes, optional
// per-pixel grain), so the file carries real detail.
inline bool CrearFotoSintetica(const QString& ruta, bool grano) {
    QImage foto(6000, 4000, QImage::Format_RGB32);
    QPainter p(&foto);
    QLinearGradient degradado(0, 0, 6000, 4000);
    degradado.setColorAt(0, QColor(230, 190, 120));
    degradado.setColorAt(1, QColor(30, 50, 110));
    p.fillRect(foto.rect(), degradado);
    QRandomGenerator azar(1234);
    for (int i = 0; i < 400; ++i) {
        p.setBrush(QColor::fromRgb(azar.generate() | 0xff000000u));
        p.drawEllipse(QPoint(azar.bounded(6000), azar.bounded(4000)), azar.bounded(20, 300),
                      azar.bounded(20, 300));
    }
    p.end();
    for (int y = 0; grano && y < foto.height(); ++y) {
        auto* fila = reinterpret_cast<QRgb*>(foto.scanLine(y));
        for (int x = 0; x < foto.width(); ++x) {
            const int g = int(azar.bounded(17)) - 8;
            const QRgb c = fila[x];
            fila[x] = qRgb(std::clamp(qRed(c) + g, 0, 255), std::clamp(qGreen(c) + g, 0, 255),
                           std::clamp(qBlue(c) + g, 0, 255));
        }
    }
    return foto.save(ruta, "JPG", 90);
}

#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Pictures: a decoded QImage (null for no picture). Its size in HiMetric (0.01 mm at 96 dpi)
// and in twips (HiMetric x 0.5669, rounded) are what the windows lay out with.
QSize TamanoHiMetric(const QImage& imagen);
QSize TamanoTwips(const QImage& imagen);

// Program folder & "\imag\" & carpeta & "\" & nombre, with ".jpg" before ".webp"; "" when neither exists.
QString BuscarImagen(const QString& nombre, const QString& carpeta);
// Qt's readers first; then the ".webp" twin of the path through FreeImage. Null on any failure.
QImage CargarImagen(const QString& ruta);
// Decoded already reduced (or enlarged) to fit anchoMax x altoMax pixels, proportions kept, each
// side at least 1. Null on any failure.
QImage CargarImagenEscalada(const QString& ruta, int anchoMax, int altoMax);

// Pictures whose header announces more pixels than this are not decoded (no picture, no message).
inline constexpr qint64 kMaxPixelesImagen = 200'000'000;

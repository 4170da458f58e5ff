#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

// Pictures: a decoded QImage (null for no picture). Its size in HiMetric (0.01 mm at 96 dpi)
// and in twips (HiMetric x 0.5669, rounded) are what the windows lay out with.
QSize TamanoHiMetric(const QImage& imagen);
QSize TamanoTwips(const QImage& imagen);
// Where a picture of w x h twips goes, fitted and centred (integer division), in a box of W x H
// twips; a small picture is enlarged. Nothing when the picture or the box has no size.
std::optional<QRect> CajaAjustada(int W, int H, int w, int h);

// Program folder & "\imag\" & carpeta & "\" & nombre, with ".jpg" before ".webp" (in any letter case,
// the exact lower-case name first); "" when neither exists.
QString BuscarImagen(const QString& nombre, const QString& carpeta);
// Qt's readers first; then the ".webp" twin of the path through FreeImage. Null on any failure.
// JPEG pictures come upright as their EXIF orientation says, here and in CargarImagenEscalada.
QImage CargarImagen(const QString& ruta);
// Decoded already reduced (or enlarged) to fit anchoMax x altoMax pixels, proportions kept, each
// side at least 1. Null on any failure, and for a box under 1 x 1.
QImage CargarImagenEscalada(const QString& ruta, int anchoMax, int altoMax);

// The upright size a picture file's header announces, read without decoding a pixel: the guard
// both loaders apply. Nothing when the header is unreadable or announces more than kMaxPixelesImagen.
std::optional<QSize> TamanoCabecera(const QString& ruta);

// The path itself when it ends in ".webp" (any case), else everything up to its last "." followed
// by "webp"; "" when the path has no "." at all.
QString RutaGemelaWebP(const QString& ruta);

// Pictures whose header announces more pixels than this are not decoded (no picture, no message).
inline constexpr qint64 kMaxPixelesImagen = 200'000'000;

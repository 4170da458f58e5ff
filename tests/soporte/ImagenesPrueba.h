#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// Pictures for tests: a plain one, and the formats Qt here does not write, through FreeImage.
QImage ImagenLisa(int ancho, int alto, const QColor& color);
// Lossless, so colours read back exactly.
bool GuardarWebP(const QImage& imagen, const QString& ruta);
bool GuardarGif(const QImage& imagen, const QString& ruta);

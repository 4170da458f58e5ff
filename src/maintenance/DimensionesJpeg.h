#pragma once

#include <QSize>
#include <QString>
#include <optional>

class QIODevice;

// Width and height of a JPEG read from its markers, without decoding the picture: the frame
// header of the first start-of-frame marker. Nothing when the file is not a JPEG, is cut short,
// or holds no frame header.
std::optional<QSize> DimensionesJpeg(const QString& ruta);
// The same over an open, readable device (read from its start).
std::optional<QSize> DimensionesJpeg(QIODevice& origen);

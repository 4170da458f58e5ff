#pragma once

#include <QSize>
#include <optional>

class QIODevice;

// The area a GIF decoder allocates for its first picture, read from the blocks without decoding:
// the logical screen, widened to the first image descriptor's frame when that reaches beyond it.
// Nothing when the data is not a GIF, is cut short before the first frame, or holds none.
std::optional<QSize> DimensionesGif(QIODevice& origen);

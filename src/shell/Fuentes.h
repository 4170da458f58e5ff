#pragma once

#include <QString>

// Character set a font face gets: 2 for a symbol face, 0 for a text face, 1 when none is installed.
int CharsetFuente(const QString& nombreFuente);

#pragma once

#include <QSize>
#include <QString>
#include <optional>
#include <vector>

// The background pictures "tz_fnd_*.jpg" of the images folder, as the service window lists them.
struct Fondo {
    QString nombre; // file name inside imag\ , its bytes kept (RutaDeBytes)
    QString linea;  // the name as shown (stray bytes as U+FFFD) padded or cut to 30 characters, then "width x
                    // height" or "?"
};

inline constexpr int kAnchoNombreFondo = 30;

// Every background picture, by name; an empty list when there are none or no folder.
std::vector<Fondo> ListarFondos();
QString LineaFondo(const QString& nombre, const std::optional<QSize>& tamano);
// Path of a background picture inside imag\ .
QString RutaFondo(const QString& nombre);

#pragma once

#include <QColor>

// The program's fixed colours.
inline const QColor ColorTitulo{26, 58, 107};        // section titles, grid header background
inline const QColor ColorFilaAlterna{240, 244, 255}; // alternate data rows
inline const QColor ColorBlanco{255, 255, 255};      // other data rows, header text
inline const QColor ColorSeleccion{198, 217, 241};   // highlighted grid row
inline const QColor ColorPanel{236, 241, 250};       // panel background of the notes window

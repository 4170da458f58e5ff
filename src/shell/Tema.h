#pragma once

#include <QColor>
#include <QString>

// The program's look in one place: the faces by role and every fixed colour.
namespace Tema {

// Faces as the windows were designed; Fuentes::InstalarSustitutos maps them to installed faces
// with the same widths.
inline const QString FaceInterfaz = QStringLiteral("Segoe UI");
inline const QString FaceSinSerifa = QStringLiteral("Arial");
inline const QString FaceSerifa = QStringLiteral("Times New Roman");
inline const QString FaceFija = QStringLiteral("Courier New");

} // namespace Tema

inline const QColor ColorTitulo{26, 58, 107};        // section titles, grid header background
inline const QColor ColorFilaAlterna{240, 244, 255}; // alternate data rows
inline const QColor ColorBlanco{255, 255, 255};      // other data rows, header text
inline const QColor ColorSeleccion{198, 217, 241};   // highlighted grid row
inline const QColor ColorPanel{236, 241, 250};       // panel background of the notes window
inline const QColor ColorFilaTitulo{220, 230, 245};  // title rows inside a grid (formula parts)
inline const QColor ColorEscalado{166, 77, 0};       // quantities scaled to another volume

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

inline const QColor ColorBandaDocumentos{250, 240, 234}; // top band of the document list
inline const QColor ColorTextoConteo{96, 96, 96};        // count line of the document list
inline const QColor ColorFondoVista{32, 32, 32};         // preview of the image viewer
inline const QColor ColorFondoTira{16, 16, 16};          // thumbnail strip
inline const QColor ColorMarcoMiniatura{64, 64, 64};     // frame of a thumbnail
inline const QColor ColorMarcoElegida{255, 160, 64};     // frame of the selected thumbnail
inline const QColor ColorBordeMiniatura{180, 180, 180};  // edge where a picture leaves a gap

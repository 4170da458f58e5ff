#pragma once

#include <QColor>
#include <QString>

// The program's look in one place: the faces by role and every fixed colour, by window.
namespace Tema {

// Faces as the windows were designed; InstalarSustitutos (shell/Fuentes.h) maps each to an
// installed face with the same widths.
inline const QString FaceInterfaz = QStringLiteral("Segoe UI");
inline const QString FaceSinSerifa = QStringLiteral("Arial");
inline const QString FaceSerifa = QStringLiteral("Times New Roman");
inline const QString FaceFija = QStringLiteral("Courier New");

// Main window.
inline const QColor FondoAreaMDI{64, 64, 64};
// Shortcut panel and about window.
inline const QColor FondoBotonesDirectos{238, 223, 184};

// Data grids (EstiloGrid, shell/Controles.h).
inline const QColor LineasGrid{200, 210, 230};
inline const QColor BordeCabecera{15, 45, 90};

// Development-time search windows.
inline const QColor FondoChkInfoTecnica{224, 224, 224};
// Discontinued rows by status, on even and odd rows.
inline const QColor AmbosDiscontPar{245, 208, 208}, AmbosDiscontImpar{255, 232, 232};
inline const QColor PeliculaDiscontPar{192, 216, 245}, PeliculaDiscontImpar{208, 232, 255};
inline const QColor ReveladorDiscontPar{192, 240, 192}, ReveladorDiscontImpar{208, 255, 208};

// Technical sheet.
inline const QColor FondoCabeceraFicha{48, 48, 48};
inline const QColor FondoCaracteristicas{240, 240, 240};
inline const QColor FondoResolucion{248, 248, 248};
inline const QColor TextoGris{128, 128, 128};
inline const QColor TituloPanelFicha{96, 96, 96};
inline const QColor InsigniaInactiva{180, 180, 180};
inline const QColor InsigniaDescontinuada{192, 40, 40};
inline const QColor InsigniaActiva{0, 160, 0};
inline const QColor FuenteFabricante{26, 82, 118};
inline const QColor FuenteCurvaOficial{108, 52, 131};
inline const QColor FuentePaper{30, 132, 73};
inline const QColor FuenteEstimada{127, 140, 141};
inline const QColor ReciprocidadBaja{39, 174, 96};
inline const QColor ReciprocidadModerada{243, 156, 18};
inline const QColor ReciprocidadAlta{192, 57, 43};

// Estimated spectral chart.
inline const QColor EspectroFondo{252, 252, 255};
inline const QColor EspectroZonaUv{240, 232, 248}, EspectroZonaVisible{245, 248, 240},
    EspectroZonaIr{245, 232, 232};
inline const QColor EspectroRotuloUv{160, 110, 200}, EspectroRotuloVisible{90, 150, 80},
    EspectroRotuloIr{200, 100, 80};
inline const QColor EspectroRejilla{220, 220, 228};
inline const QColor EspectroCurva{40, 60, 130};
inline const QColor EspectroEje{90, 90, 90};
inline const QColor EspectroGris{160, 160, 160};
inline const QColor EspectroVerdeOjo{60, 160, 60};
inline const QColor EspectroRojoPico{180, 40, 40};
// Fill under the curve: full colour at the curve, fading to these bases.
inline const QColor EspectroUvLleno{160, 120, 220}, EspectroUvBase{240, 230, 248};
inline const QColor EspectroIrLleno{210, 90, 70}, EspectroIrBase{245, 230, 230};
inline const QColor EspectroVisibleBase{240, 240, 250};

// Formula window.
inline const QColor FilaTituloParte{220, 230, 245}; // a part's title row in the ingredients grid
inline const QColor CantidadEscalada{166, 77, 0};   // quantities scaled to the volume being prepared

// Full image window.
inline const QColor FondoImagen{32, 32, 32};

// Darkroom calculators (dark windows).
inline const QColor CalcFondo{26, 28, 32};
inline const QColor CalcPanel{12, 14, 16};
inline const QColor CalcTitulo{68, 170, 255};
inline const QColor CalcTexto{200, 205, 212};
inline const QColor CalcCaja{32, 40, 48};
inline const QColor CalcBoton{44, 48, 56};
inline const QColor CalcTextoBoton{220, 224, 230};
inline const QColor CalcFactor{119, 136, 153};
inline const QColor CalcResultado{68, 221, 0};
// Development timer. The dark mode is red on black, which keeps a dark-adapted eye.
inline const QColor TemporizadorAviso{220, 80, 80};
inline const QColor TemporizadorDestello{255, 190, 40};
inline const QColor OscuroFondo{0, 0, 0};
inline const QColor OscuroTexto{200, 0, 0};
inline const QColor OscuroTenue{120, 0, 0};
inline const QColor OscuroCaja{20, 0, 0};
inline const QColor OscuroBoton{36, 0, 0};
// Factor graph of the time/temperature calculator.
inline const QColor GraficaFondo{18, 15, 12};
inline const QColor GraficaLineaUnidad{80, 68, 55};
inline const QColor GraficaLineaSecundaria{40, 34, 28};
inline const QColor GraficaEjes{100, 85, 70};
inline const QColor GraficaRotulos{110, 95, 80};
inline const QColor GraficaVertical{45, 38, 30};
inline const QColor GraficaCurva{60, 130, 220};
inline const QColor GraficaMarca{220, 80, 80};
inline const QColor GraficaLineaActual{200, 60, 60};

// Reciprocity curves.
inline const QColor RecipRejilla{220, 220, 220};
inline const QColor RecipRotulos{80, 80, 80};
inline const QColor RecipAviso{180, 0, 0};
inline const QColor RecipTitulosEjes{60, 60, 60};
inline const QColor RecipLeyenda{30, 30, 30};
inline const QColor RecipCurvas[8] = {{0, 80, 180},  {180, 0, 0},   {0, 150, 50},   {180, 100, 0},
                                      {120, 0, 180}, {0, 160, 180}, {180, 60, 120}, {80, 80, 80}};

// Shared by several windows: grids, lists and the image viewer.
inline const QColor ColorTitulo{26, 58, 107};         // section titles, grid header background
inline const QColor ColorFilaAlterna{240, 244, 255};  // alternate data rows
inline const QColor ColorBlanco{255, 255, 255};       // other data rows, header text
inline const QColor ColorSeleccion{198, 217, 241};    // highlighted grid row
inline const QColor ColorFilaPropia{232, 245, 222};   // the user's own development times
inline const QColor ColorFilaEstimada{255, 240, 214}; // estimated development times, which are not data
inline const QColor ColorSinTiempos{150, 150, 150};   // list entries that have no development times
inline const QColor ColorPanel{236, 241, 250};        // panel background of the notes window
inline const QColor ColorEstiloActivo{255, 216, 192}; // a style button whose style the selection has

inline const QColor ColorBandaDocumentos{250, 240, 234}; // top band of the document list
inline const QColor ColorTextoConteo{96, 96, 96};        // count line of the document list
inline const QColor ColorFondoVista{32, 32, 32};         // preview of the image viewer
inline const QColor ColorFondoTira{16, 16, 16};          // thumbnail strip
inline const QColor ColorMarcoMiniatura{64, 64, 64};     // frame of a thumbnail
inline const QColor ColorMarcoElegida{255, 160, 64};     // frame of the selected thumbnail
inline const QColor ColorBordeMiniatura{180, 180, 180};  // edge where a picture leaves a gap

} // namespace Tema

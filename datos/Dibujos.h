#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

// The pictures the builder draws: every one is painted here, nothing is copied from elsewhere.

enum class TipoTarjeta { Pelicula, Revelador };

// A card for a film or developer: its name large, the maker above, a short line below; a
// discontinued product carries a band saying so.
QImage DibujarTarjeta(const QString& nombre, const QString& fabricante, const QString& detalle,
                      TipoTarjeta tipo, bool discontinuado);
// Background picture number 1..6 for the main window, in darkroom tones.
QImage DibujarFondo(int numero);
// Reference pictures for the other documents folder.
QImage DibujarEscalaGrises();
QImage DibujarEspectroVisible();

// The face every picture and document is lettered in (shipped with the build's fonts), in pixels.
QFont FuenteDibujo(int pixeles, bool negrita = false);

// The accent colour of a maker, the same on every card of that maker.
QColor ColorFabricante(const QString& fabricante);

// Saves by the extension: JPEG and PNG through Qt, WebP through FreeImage. Failure: ErrorBD.
void GuardarImagen(const QImage& imagen, const QString& ruta);

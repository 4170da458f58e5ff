#pragma once

#include <functional>

class QImage;
class QWidget;

// The darkroom mode (shell/TemaOscuro.h) for widgets whose own look would win over it.

// A picture in the mode's red, as EnRojoOscuro; tenue: at most the mode's dim red, for pictures
// that fill an area (a white canvas is no lamp).
QImage EnRojoOscuro(const QImage& imagen, bool tenue = false);

// For a widget with a look of its own (a style sheet, a picture): `aplicar` runs now with the
// current mode and again at every change while the widget lives.
void AlCambiarModo(QWidget* widget, std::function<void(bool oscuro)> aplicar);

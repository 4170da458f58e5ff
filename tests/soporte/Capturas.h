#pragma once

#include <QImage>
#include <QRect>

class QWidget;

// Pictures of real windows, for checks of their colours.

// The widget as drawn. GARVOLA_CAPTURAS names a folder to keep the pictures in, to look at them.
QImage Captura(QWidget* ventana, const char* nombre);
// The question box the program shows, pictured while it is up and answered "No".
QImage CajaDePregunta(const char* nombre);
// Share of the pixels (of `zona`, or all) that a darkroom would not bear: any with green or blue.
double Claros(const QImage& imagen, QRect zona = {});
// The reddest pixel of `zona`: how visible a line drawn there is on black.
int RojoMaximo(const QImage& imagen, QRect zona);

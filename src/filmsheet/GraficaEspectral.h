#pragma once

#include "filmsheet/ModeloEspectral.h"

class Lienzo;

// The estimated spectral sensitivity chart: bands, log sensitivity axis, the eye's response, the
// modelled curve, wavelength ticks, the peak marker and the visible-spectrum bar.
void DibujarCurvaEstimada(Lienzo& lienzo, const ParametrosEspectrales& p);

void DibujarBarraEspectro(Lienzo& lienzo, double x0, double anchoPlot, double xMinimo, double xMaximo,
                          double arriba, double alto);

#pragma once

#include <QByteArray>

// A short sine tone as a WAV file (16-bit mono PCM), with a soft start and end so it never clicks.
QByteArray TonoWav(double hercios, int milisegundos, int muestrasPorSegundo = 22050);

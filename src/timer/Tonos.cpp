#include "timer/Tonos.h"

#include "shell/Numeros.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
void Poner32(QByteArray& b, quint32 v) {
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}
void Poner16(QByteArray& b, quint16 v) {
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}
} // namespace

QByteArray TonoWav(double hercios, int milisegundos, int muestrasPorSegundo) {
    const int n = std::max(0, int(qint64(muestrasPorSegundo) * milisegundos / 1000));
    const int rampa = std::min(n / 4, muestrasPorSegundo / 100);
    QByteArray b;
    b.reserve(44 + 2 * n);
    b.append("RIFF", 4);
    Poner32(b, quint32(36 + 2 * n));
    b.append("WAVEfmt ", 8);
    Poner32(b, 16);
    Poner16(b, 1); // PCM
    Poner16(b, 1); // mono
    Poner32(b, quint32(muestrasPorSegundo));
    Poner32(b, quint32(muestrasPorSegundo * 2));
    Poner16(b, 2);
    Poner16(b, 16);
    b.append("data", 4);
    Poner32(b, quint32(2 * n));
    for (int i = 0; i < n; ++i) {
        double envolvente = 1.0;
        if (rampa > 0)
            envolvente = std::min({1.0, double(i) / rampa, double(n - 1 - i) / rampa});
        const double v = 0.6 * envolvente * std::sin(2 * std::numbers::pi * hercios * i / muestrasPorSegundo);
        Poner16(b, quint16(qint16(RedondearEntero(v * 32767))));
    }
    return b;
}

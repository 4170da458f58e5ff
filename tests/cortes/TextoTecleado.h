#pragma once

#include <QRandomGenerator>
#include <QString>
#include <time.h>

// What the draft helper types in a run: letters and spaces drawn from the seed, so that two runs
// type different texts and a mix of two is seen.
inline QString TextoTecleado(quint32 semilla) {
    QRandomGenerator azar(semilla);
    static const QString letras = QStringLiteral("abcdefghijklmnopqrstuvwxyz ñá");
    QString texto;
    for (int i = 0; i < 4000; ++i)
        texto += letras[azar.bounded(int(letras.size()))];
    return texto;
}

// The same clock in the helper and in the test that kills it.
inline qint64 RelojMonotonoMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

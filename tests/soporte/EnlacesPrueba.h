#pragma once

#include <QDir>
#include <QFile>
#include <QString>

// n sister folders h0, h1, ... in the folder, each holding links a0, a1, ... to every other sister.
inline bool CrearHermanasEnlazadas(const QString& carpeta, int n = 8) {
    for (int i = 0; i < n; ++i)
        if (!QDir().mkpath(carpeta + QStringLiteral("/h%1").arg(i)))
            return false;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            if (i != j && !QFile::link(carpeta + QStringLiteral("/h%1").arg(j),
                                       carpeta + QStringLiteral("/h%1/a%2").arg(i).arg(j)))
                return false;
        }
    }
    return true;
}

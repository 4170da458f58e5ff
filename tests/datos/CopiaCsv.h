#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The data set as shipped.
inline const QString kCsvEnvio = QStringLiteral(GARVOLA_DATOS_CSV);

// A copy of the shipped CSV files that a test may break.
class CopiaCsv {
public:
    CopiaCsv() {
        for (const QString& f :
             QDir(kCsvEnvio).entryList({QStringLiteral("*.csv"), QStringLiteral("EDICION")}, QDir::Files))
            QFile::copy(QDir(kCsvEnvio).filePath(f), dir_.filePath(f));
    }
    QString Ruta() const { return dir_.path(); }
    // Replaces line n (from 1) of a file.
    void CambiarLinea(const QString& archivo, int n, const QByteArray& linea) {
        QFile f(dir_.filePath(archivo));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        QList<QByteArray> lineas = f.readAll().split('\n');
        f.close();
        lineas[n - 1] = linea;
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(lineas.join('\n'));
    }

    // Line n (from 1) of a file.
    QByteArray Linea(const QString& archivo, int n) const {
        QFile f(dir_.filePath(archivo));
        return f.open(QIODevice::ReadOnly) ? f.readAll().split('\n').value(n - 1) : QByteArray();
    }
    // Writes a whole file.
    void Escribir(const QString& archivo, const QByteArray& contenido) {
        QFile f(dir_.filePath(archivo));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(contenido);
    }

private:
    QTemporaryDir dir_;
};

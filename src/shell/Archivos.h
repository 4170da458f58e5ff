#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <limits>

// The program's one way to read a whole file and to replace one.

// How reading or writing a file came out.
struct ResultadoArchivo {
    QFileDevice::FileError error = QFileDevice::NoError; // Qt's kind of failure
    QString motivo;                                      // the system's words for it
    bool excede = false;                                 // the file holds more than the limit

    explicit operator bool() const { return error == QFileDevice::NoError && !excede; }
};

inline constexpr qint64 kSinLimite = std::numeric_limits<qint64>::max();

// Reads a whole file of at most limite bytes into contenido (untouched on failure). A larger file is
// refused before it is read; one that grows meanwhile is read no further than one byte past the
// limit and refused too.
ResultadoArchivo LeerArchivo(const QString& ruta, QByteArray& contenido, qint64 limite = kSinLimite);
// Replaces a file through a temporary file in the same folder: a failed write leaves the old file as
// it was and nothing else behind.
ResultadoArchivo EscribirArchivoSeguro(const QString& ruta, const QByteArray& contenido);

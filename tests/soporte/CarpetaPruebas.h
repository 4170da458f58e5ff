#pragma once

#include <QString>
#include <QTemporaryDir>

// A temporary program folder for one test: both databases created from the schema (the
// ReferenceDb keyed), and the program and settings folders pointed at it. Closes the databases and
// points everything back when it goes.
class CarpetaPruebas {
public:
    // abrir: open both databases as the program does at start-up.
    explicit CarpetaPruebas(bool abrir = true);
    ~CarpetaPruebas();

    QString Ruta() const { return dir_.path(); }
    // A path inside the folder, with "\" or "/" as separators.
    QString Archivo(const QString& relativo) const;
    // Writes a file (folders created as needed).
    void Escribir(const QString& relativo, const QByteArray& contenido) const;

private:
    QTemporaryDir dir_;
    QString ajustesPrevios_;
};

#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Creates in a program folder whatever it lacks: the ReferenceDb (keyed) and the NotesDb with
// their tables and the data set of carpetaCsv, the picture folders with a picture per film and
// developer and the background pictures, and the document folders. An existing database or file
// is never touched. Returns what it created, one line each.
// Failure (a malformed CSV line among them): ErrorBD with the file, the line and the reason; no
// database is left half-built.
QStringList ConstruirCarpetaPrograma(const QString& destino,
                                     const QString& carpetaCsv = QStringLiteral(GARVOLA_DATOS_CSV));

// The same, and then a ReferenceDb of an older data edition is updated to the data set's edition
// (see ActualizarBaseReferencia): the reference tables replaced, the user's notes kept, both
// databases copied aside first. Returns what it did, one line each; "Creado: " before each
// created file. Failure: ErrorBD saying why; the databases are as they were.
QStringList ActualizarCarpetaPrograma(const QString& destino,
                                      const QString& carpetaCsv = QStringLiteral(GARVOLA_DATOS_CSV),
                                      const QDateTime& momento = QDateTime::currentDateTime());

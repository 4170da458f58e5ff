#pragma once

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

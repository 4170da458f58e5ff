#pragma once

#include <QString>
#include <QStringList>

// Creates in a program folder whatever it lacks: the ReferenceDb (keyed) and the NotesDb with
// their tables. An existing database is never touched. Returns what it created, one line each.
// Failure: ErrorBD, with nothing half-built left behind.
QStringList ConstruirCarpetaPrograma(const QString& destino);

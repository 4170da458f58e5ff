#pragma once

#include "shell/BaseDatos.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

// The two process-wide database handles. Ask for them at each use and never keep the pointer:
// the backup closes and reopens them while windows stay open. Null while closed.
BaseDatos* ReferenceDb();
BaseDatos* NotesDb();

inline const QString kClaveBDReferencia = QStringLiteral("k7m_q2x-4051#");
// File names of the two databases inside the program folder.
inline const QString kArchivoBDReferencia = QStringLiteral("tz.mdb");
inline const QString kArchivoBDNotas = QStringLiteral("notasp.mdb");

QString RutaBDReferencia();
QString RutaBDNotas();

// Opens whichever handle is closed, ReferenceDb first; an open handle stays untouched.
// A database that cannot be opened raises ErrorBD naming the file, then the engine's message:
// "No se pudo abrir la base de datos tz.mdb: ...". A ReferenceDb without the reference tables (an
// empty file, another database) is refused the same way, and no file is written to.
void AbrirBasesDatos();
// Names of the open databases the engine could only open for reading (the file or folder is read-only).
QStringList BasesSoloLectura();
// Closes NotesDb, then ReferenceDb; harmless when already closed.
void CerrarBasesDatos();

// Null (and an invalid value) read from the databases becomes "".
QString TextoSeguro(const QVariant& valor);

// Dates are stored as "YYYY-MM-DD HH:MM:SS", which sorts in time order.
QString FechaBD(const QDateTime& momento);
QDateTime LeerFechaBD(const QVariant& valor);

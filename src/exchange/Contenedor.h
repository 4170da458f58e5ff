#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>

// The files of an exchange package, by name: in a ZIP file or loose in a folder.
using ArchivosPaquete = std::map<QString, QByteArray>;

// Largest file a package may hold once inflated; more is refused rather than read.
inline constexpr qint64 kLimiteArchivoPaquete = 64LL * 1024 * 1024;

// True when the path names a ZIP package (by its extension) rather than a folder.
bool EsRutaZip(const QString& ruta);

// Writes the files into a new ZIP (replacing one of that name) or into the folder, created as needed.
// Failure raises ErrorBD with the reason.
void EscribirContenedor(const QString& ruta, const ArchivosPaquete& archivos);

// Reads the files named in nombres from a ZIP file or a folder; a name that is not there is left
// out. A member that inflates beyond limite, a damaged archive or a name found twice raises ErrorBD.
ArchivosPaquete LeerContenedor(const QString& ruta, const QStringList& nombres,
                               qint64 limite = kLimiteArchivoPaquete);
// The same from the bytes of a ZIP file.
ArchivosPaquete LeerZip(const QByteArray& zip, const QStringList& nombres,
                        qint64 limite = kLimiteArchivoPaquete);

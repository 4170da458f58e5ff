#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Windows-1252, the 8-bit code page of garvola.cfg and perfiles_temp.txt.
QString DesdeAnsi(const QByteArray& bytes);
// Characters the code page cannot hold become '?'.
QByteArray HaciaAnsi(const QString& texto);
// True when every character of the text has its place in the code page.
bool CabeEnAnsi(const QString& texto);

// Splits a file's text at CR LF (a lone LF or CR also ends a line); no empty last line for a final CR LF.
QList<QByteArray> PartirLineas(const QByteArray& contenido);

// Reads a whole file; false when it cannot be opened.
bool LeerArchivo(const QString& ruta, QByteArray& contenido);
// Replaces a file through a temporary file in the same folder, so a failed write leaves the old one.
bool EscribirArchivoSeguro(const QString& ruta, const QByteArray& contenido);

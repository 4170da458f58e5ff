#pragma once

#include <QByteArray>
#include <QString>

// garvola.cfg beside the program: "key=value" lines in Windows-1252 with CR LF.
// Value of the first line whose trimmed key equals clave exactly (trimmed), or "".
QString LeerCfg(const QString& clave);
// Drops every line of clave, keeps the others in order, appends "clave=valor" as the last line.
// Returns false when the file could not be written (the old file is then left as it was).
bool GuardarCfg(const QString& clave, const QString& valor);

// The same over the file's bytes.
QString ValorCfg(const QByteArray& contenido, const QString& clave);
// The file's bytes after GuardarCfg(clave, valor).
QByteArray CfgConEntrada(const QByteArray& contenido, const QString& clave, const QString& valor);

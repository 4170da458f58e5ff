#pragma once

#include <QString>

// garvola.cfg beside the program: "key=value" lines in Windows-1252 with CR LF.
// Value of the first line whose trimmed key equals clave exactly (trimmed), or "".
QString LeerCfg(const QString& clave);
// Drops every line of clave, keeps the others in order, appends "clave=valor" as the last line.
// Returns false when the file could not be written (the old file is then left as it was).
bool GuardarCfg(const QString& clave, const QString& valor);

#pragma once

#include <QString>

// Per-user settings store: a text value addressed by application ("Tintaluz", "Garvola"),
// section and key. One INI file per application name in the user's configuration folder.
QString LeerAjuste(const QString& aplicacion, const QString& seccion, const QString& clave,
                   const QString& porDefecto);
void GuardarAjuste(const QString& aplicacion, const QString& seccion, const QString& clave,
                   const QString& valor);
// Integer reading of a stored value: missing reads as the default, text that is not a number as 0.
int LeerAjusteEntero(const QString& aplicacion, const QString& seccion, const QString& clave, int porDefecto);

// Folder of the INI files; tests give each run a folder of its own.
QString CarpetaAjustes();
void FijarCarpetaAjustes(const QString& carpeta);

#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// Opens a file with the desktop's default application for its type. False when the desktop
// could not (no application, no desktop). Tests install their own opener.
bool AbrirConEscritorio(const QString& ruta);

// The file's URL for the desktop, naming its real bytes (RutaDeBytes).
QUrl UrlDeArchivo(const QString& ruta);

using AbridorEscritorio = std::function<bool(const QString& ruta)>;
// Installs an opener and returns the one it replaces; an empty one restores the desktop's.
AbridorEscritorio InstalarAbridorEscritorio(AbridorEscritorio abridor);

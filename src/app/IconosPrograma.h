#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

// A picture of the program's own (iconos\<nombre>.png, with its double-density twin
// <nombre>@2x.png when there is one) as an icon; empty when the file is missing.
QIcon IconoPrograma(const QString& nombre);
// The size of the icon's first picture in logical pixels; 0 x 0 for an empty icon.
QSize TamanoIcono(const QIcon& icono);

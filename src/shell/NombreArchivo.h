#pragma once

#include <QString>

// A picture's file name from a film or developer name: each of " / : * ? < > becomes "_"; every
// other character, the backslash included, stays.
QString NombreArchivoSeguro(const QString& nombre);

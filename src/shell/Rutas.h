#pragma once

#include <QString>
#include <QStringView>

// The program folder holds the executable and everything beside it; tests point it elsewhere.
QString CarpetaPrograma();
void FijarCarpetaPrograma(const QString& carpeta);

// Program folder & "\" & a documented relative name such as "imag\films", as a native path.
QString RutaPrograma(const QString& relativo);
// A documented name written with "\" as a native relative path.
QString RutaNativa(const QString& relativo);

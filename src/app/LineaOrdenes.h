#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// What the command line asks for. Without options the program opens its window.
enum class TipoOrden { Ventana, Ayuda, Version, Exportar, Importar, Error };

struct Orden {
    TipoOrden tipo = TipoOrden::Ventana;
    QString fichero;         // --exportar / --importar
    bool reemplazar = false; // --importar ... --reemplazar
    QString error;           // TipoOrden::Error: what was not understood
};

// Reads the arguments (without the program's name). Options of Qt's own window system (-platform,
// -style, -session...) are left to it.
Orden AnalizarLineaOrdenes(const QStringList& argumentos);
// The usage text of --help, in Spanish, and the line of --version.
QString TextoUso();
QString TextoVersion();
// Help, version and errors: writes their text and returns the exit code (0, or 2 for an error).
int ResponderSinEjecutar(const Orden& orden, QTextStream& salida, QTextStream& errores);

// Opens the program folder's databases as at start-up, runs an export or import, writes a summary
// to salida and any failure to errores. Returns the exit code: 0 done, 1 failed.
int EjecutarLineaOrdenes(const Orden& orden, QTextStream& salida, QTextStream& errores);

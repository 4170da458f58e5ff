#pragma once

#include <QStringList>

class QTextStream;

// The program run without a window: "--exportar FICHERO" or "--importar FICHERO [--reemplazar]".
// True when the arguments (without the program's name) ask for one of them.
bool EsLineaOrdenes(const QStringList& argumentos);
// Opens the program folder's databases as at start-up, runs the order, writes a summary to salida
// and any failure to errores. Returns the exit code: 0 done, 1 failed, 2 arguments not understood.
int EjecutarLineaOrdenes(const QStringList& argumentos, QTextStream& salida, QTextStream& errores);

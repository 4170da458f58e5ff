#pragma once

#include "exchange/PaqueteMisDatos.h"

#include <QString>
#include <QStringList>
#include <array>

// The export of the user's data of both open databases as a package.

struct ResumenExportacion {
    std::array<int, kClasesDatos> filas{};
    // Notes that could not be named (their film, developer or formula is gone from the data).
    QStringList omitidas;
};

// Writes the package into ruta: a ZIP when it ends in ".zip", else a folder. Closed databases or a
// write failure raise ErrorBD.
ResumenExportacion ExportarMisDatos(const QString& ruta);
// The package's files, as ExportarMisDatos writes them.
ArchivosPaquete ArchivosExportacion(ResumenExportacion& resumen);

// The text for the user, the same in the service window and on the command line.
QString TextoExportado(const ResumenExportacion& resumen, const QString& ruta);

#pragma once

#include "intercambio/Contenedor.h"
#include "shell/Csv.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// Export and import of what the user wrote (own times, own films and developers, the notes per
// film × developer, per formula, and the personal notes): one CSV per kind plus manifiesto.csv,
// which names the format and its version, in a ZIP file or a folder.
enum class ClaseDatos {
    TiemposPropios,
    PeliculasReveladoresPropios,
    NotasPeliculaRevelador,
    NotasFormulas,
    NotasPersonales
};
inline constexpr int kClasesDatos = 5;
// Version 2 marks the values a spreadsheet would take for a formula (see Desactivar in MisDatos.cpp).
inline constexpr int kVersionMisDatos = 2;
inline const QString kArchivoManifiesto = QStringLiteral("manifiesto.csv");

// The CSV file of a kind inside a package, and its name for the user.
QString ArchivoClase(ClaseDatos clase);
QString NombreClase(ClaseDatos clase);
// Every file name a package may hold, the manifest first.
QStringList ArchivosMisDatos();

struct ResumenExportacion {
    std::array<int, kClasesDatos> filas{};
    // Notes that could not be named (their film, developer or formula is gone from the data).
    QStringList omitidas;
};

// Writes the user's data of both open databases into ruta: a ZIP when it ends in ".zip", else a
// folder. Closed databases or a write failure raise ErrorBD.
ResumenExportacion ExportarMisDatos(const QString& ruta);
// The package's files, as ExportarMisDatos writes them.
ArchivosPaquete ArchivosExportacion(ResumenExportacion& resumen);

// A package read and checked whole: every kind's table, with its header.
struct PaqueteMisDatos {
    std::array<TablaCsv, kClasesDatos> tablas;
};

// Bounds of each CSV file of a package, checked as it is read.
inline constexpr LimitesCsv kLimitesMisDatos{250000, 64, 16LL * 1024 * 1024};

// Told the bytes read of the total as a package is checked; returning false stops the reading
// (ErrorBD "Importación cancelada.").
using ProgresoLectura = std::function<bool(qint64 hechos, qint64 total)>;

// Reads and checks a package (format, version, headers, fields, UTF-8, sizes) before anything is
// written. Anything wrong raises ErrorBD naming the file inside and the line. Touches no database,
// so it may run on a worker thread.
PaqueteMisDatos LeerMisDatos(const QString& ruta, const ProgresoLectura& progreso = {});
PaqueteMisDatos AnalizarMisDatos(const ArchivosPaquete& archivos, const ProgresoLectura& progreso = {});

struct ConteoClase {
    int nuevos = 0;
    int existentes = 0; // already in the databases (or earlier in the same file)
    int sinDestino = 0; // a note whose film, developer or formula the data set lacks
};

struct PlanImportacion {
    std::array<ConteoClase, kClasesDatos> conteos;
    QStringList sinDestino; // "archivo, línea N: motivo" of each row left out
    int Nuevos() const;
    int Existentes() const;
};

// What an import would do against the open databases; writes nothing.
PlanImportacion PlanificarImportacion(const PaqueteMisDatos& paquete);
// Adds the new rows, and overwrites the existing ones only when reemplazar; both files in one
// transaction (the NotesDb attached to the ReferenceDb's connection), so a failure, even at the
// commit, leaves both as they were. Returns what was done.
PlanImportacion ImportarMisDatos(const PaqueteMisDatos& paquete, bool reemplazar);

// Texts for the user, the same in the service window and on the command line.
QString TextoPlan(const PlanImportacion& plan);
QString TextoImportado(const PlanImportacion& hecho, bool reemplazar);
QString TextoExportado(const ResumenExportacion& resumen, const QString& ruta);

#pragma once

#include "exchange/Contenedor.h"
#include "shell/Csv.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class BaseDatos;
class QVariant;

// The package of what the user wrote (own times, own films and developers, the notes per
// film × developer, per formula, the personal notes, and the own tanks, bottles of developer and
// development sessions): one CSV per kind plus manifiesto.csv,
// which names the format and its version, in a ZIP file or a folder. Here its format and the checks
// a package passes before anything is imported; the export and the import have their own files.
enum class ClaseDatos {
    TiemposPropios,
    PeliculasReveladoresPropios,
    NotasPeliculaRevelador,
    NotasFormulas,
    NotasPersonales,
    TanquesPropios,
    BotellasRevelador,
    SesionesRevelado
};
inline constexpr int kClasesDatos = 8;
// In the order of the files in a package, and of the import: a session's bottle comes first.
inline constexpr std::array<ClaseDatos, kClasesDatos> kClasesMisDatos = {
    ClaseDatos::TiemposPropios,         ClaseDatos::PeliculasReveladoresPropios,
    ClaseDatos::NotasPeliculaRevelador, ClaseDatos::NotasFormulas,
    ClaseDatos::NotasPersonales,        ClaseDatos::TanquesPropios,
    ClaseDatos::BotellasRevelador,      ClaseDatos::SesionesRevelado};
// Version 2 marks the values a spreadsheet would take for a formula (see Desactivar). Version 3 adds
// the tanks, bottles and sessions: a program that reads up to 2 refuses the package rather than
// import it without them. A package of an earlier version has no such files and imports as it did.
// A session's IdBotella is the IdBotella of a row of the package's bottles, not of any database.
inline constexpr int kVersionMisDatos = 3;
inline const QString kArchivoManifiesto = QStringLiteral("manifiesto.csv");
inline const QString kFormatoMisDatos = QStringLiteral("Garvola mis datos");
// The film and developer columns, and the values of the columns Tipo and Vista.
inline const QString kPeliculaMisDatos = QStringLiteral("Pelicula");
inline const QString kReveladorMisDatos = QStringLiteral("Revelador");
// A bottle's id within the package, which a session's row names.
inline const QString kIdBotellaMisDatos = QStringLiteral("IdBotella");

// The CSV file of a kind inside a package, its name for the user and its columns in order.
QString ArchivoClase(ClaseDatos clase);
QString NombreClase(ClaseDatos clase);
QStringList ColumnasClase(ClaseDatos clase);
// Every file name a package may hold, the manifest first.
QStringList ArchivosMisDatos();

// The ReferenceDb's table of the notes on one side (Vista "Pelicula" or "Revelador").
const QString& TablaNotasMisDatos(const QString& vista);
// A stored value as a field of a package: Null stays Null.
ValorCsv ValorCsvDe(const QVariant& v);
// Spreadsheets take a value that begins with = + - @, a tab, a return or an apostrophe for a
// formula: the exported value gets an apostrophe in front, which the reading of a package of
// version 2 or later removes.
ValorCsv Desactivar(const ValorCsv& v);
// The database an export or import works on; a closed one raises ErrorBD.
BaseDatos& BaseAbierta(BaseDatos* bd);

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

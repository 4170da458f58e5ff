#pragma once

#include "shell/BaseDatos.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// The tables of both databases, in one place: the program folder creation, the data-set builder
// and the test fixtures all build from it.
// The tables' names, spelled here alone: every statement and check names a table through these.
// ReferenceDb:
inline const QString kTablaPeliculas = QStringLiteral("Peliculas");
inline const QString kTablaReveladores = QStringLiteral("Reveladores");
inline const QString kTablaTiempos = QStringLiteral("Tiempos");
inline const QString kTablaNotasPeliRev = QStringLiteral("NotasPeliRev");
inline const QString kTablaNotasMiasPelicula = QStringLiteral("NotasMiasPelicula");
inline const QString kTablaNotasMiasRevelador = QStringLiteral("NotasMiasRevelador");
inline const QString kTablaNotasPeliRevMias = QStringLiteral("NotasPeliRevMias");
inline const QString kTablaPeliculasDisc = QStringLiteral("PeliculasDisc");
inline const QString kTablaReveladoresDisc = QStringLiteral("ReveladoresDisc");
inline const QString kTablaPeliculasInfoTec = QStringLiteral("PeliculasInfoTec");
inline const QString kTablaFormulas = QStringLiteral("Formulas");
inline const QString kTablaIngredientes = QStringLiteral("Ingredientes");
inline const QString kTablaEdicionDatos = QStringLiteral("EdicionDatos");
// NotesDb:
inline const QString kTablaNotasPersonales = QStringLiteral("NotasPersonales");
inline const QString kTablaCuadernoRevelado = QStringLiteral("CuadernoRevelado");
inline const QString kTablaPeliculasPropias = QStringLiteral("PeliculasPropias");
inline const QString kTablaReveladoresPropios = QStringLiteral("ReveladoresPropios");
inline const QString kTablaTiemposPropios = QStringLiteral("TiemposPropios");
inline const QString kTablaTanquesPropios = QStringLiteral("TanquesPropios");
inline const QString kTablaBotellasRevelador = QStringLiteral("BotellasRevelador");
inline const QString kTablaSesionesRevelado = QStringLiteral("SesionesRevelado");

struct ColumnaEsquema {
    QString nombre;
    QString tipo; // as the engine takes it, e.g. "TEXT COLLATE NOCASE"
};

struct TablaEsquema {
    QString nombre;
    std::vector<ColumnaEsquema> columnas;
    std::vector<QStringList> indices; // columns of each index

    QStringList NombresColumnas() const;
    QString Crear() const;
};

// The schema's edition, kept in PRAGMA user_version (0, in a file made before it was recorded,
// counts as 1) and in the table EdicionDatos of the ReferenceDb beside the data edition.
inline constexpr int kEdicionEsquema = 2;
// The NotesDb's edition, in its PRAGMA user_version: 2 added the own films, developers and times; 3
// gives no personal note an id that another note ever had; 4 added the own tanks, the bottles of
// developer and the development sessions.
inline constexpr int kEdicionEsquemaNotas = 4;

const std::vector<TablaEsquema>& EsquemaReferencia();
const std::vector<TablaEsquema>& EsquemaNotas();
const TablaEsquema* BuscarTabla(const std::vector<TablaEsquema>& esquema, const QString& nombre);

// The user's notes on the reference notes, in the ReferenceDb but outside EsquemaReferencia: a new
// edition of the data never rebuilds it, and the program adds it to any ReferenceDb at start-up.
const TablaEsquema& TablaNotasPeliRevMias();
// Creates NotasPeliRevMias in the open ReferenceDb; any failure (it usually exists) is ignored.
void CrearTablaNotasMias();

// Creates the tables and indexes in one transaction; nothing is left on failure.
void CrearEsquema(BaseDatos& bd, const std::vector<TablaEsquema>& esquema);
// One table and its indexes, inside the caller's transaction.
void CrearTabla(BaseDatos& bd, const TablaEsquema& tabla);
void CrearIndices(BaseDatos& bd, const TablaEsquema& tabla);
// Creates the tables of the schema that a database made by an older version lacks.
void CompletarEsquema(BaseDatos& bd, const std::vector<TablaEsquema>& esquema);
// Brings a NotesDb of an older edition up to this one in one transaction, keeping every row and id:
// the missing tables are created, and the personal notes' table is rebuilt so that ids are never
// given again. Nothing changes on failure (ErrorBD).
void ActualizarEsquemaNotas(BaseDatos& bd);
// The same for the open NotesDb at start-up; a failure is left to the operations that need the table.
void CompletarNotesDb();
// PRAGMA user_version of a database; 0 when never recorded.
int EdicionEsquema(BaseDatos& bd);
// Records kEdicionEsquemaNotas in a NotesDb that has every table of it; a newer edition stays.
void MarcarEdicionNotas(BaseDatos& bd);

// New database files with the whole schema (the ReferenceDb keyed with its password). A file that
// already exists is never touched: ErrorBD.
std::unique_ptr<BaseDatos> CrearBaseReferencia(const QString& ruta);
std::unique_ptr<BaseDatos> CrearBaseNotas(const QString& ruta);

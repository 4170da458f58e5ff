#pragma once

#include "shell/BaseDatos.h"
#include "shell/Csv.h"
#include "shell/Esquema.h"

#include <QString>
#include <map>

// The data set: one parsed CSV per table, keyed by table name.
using ConjuntoDatos = std::map<QString, TablaCsv>;

// The ids and names of films, developers and formulas as the previous edition shipped them
// (columns Tabla, Id, Nombre). The user's notes point at these ids, so no edition may give an id
// another name or drop it.
inline const QString kArchivoIdsAnteriores = QStringLiteral("ids_edicion_anterior.csv");
// The data edition: one whole number in this file of the data folder; a folder without it is 1.
inline const QString kArchivoEdicion = QStringLiteral("EDICION");

// Reads every *.csv of a folder and checks the rules of the data set: references between tables,
// every note code described, no key twice, times written m:ss or as a printed range (m:ss-m:ss),
// and the ids of kArchivoIdsAnteriores unchanged. A file that names no table of either database,
// a malformed line or a broken rule raises ErrorBD with the file, the line and the reason.
ConjuntoDatos LeerConjuntoDatos(const QString& carpeta);
int LeerEdicionConjunto(const QString& carpeta);

// Writes kArchivoIdsAnteriores into the folder from its own data set: run when an edition is
// published, so the next one is checked against it.
void RegistrarIds(const QString& carpeta);

// Inserts the tables of the schema that the data set holds, in one transaction, through bound
// parameters; checks values against the column types and the references between tables.
// Failure: ErrorBD with the file, the line and the reason; nothing is written.
void CargarDatos(BaseDatos& bd, const std::vector<TablaEsquema>& esquema, const ConjuntoDatos& datos);
// The same inside the caller's transaction.
void CargarTablas(BaseDatos& bd, const std::vector<TablaEsquema>& esquema, const ConjuntoDatos& datos);

// The codes written in brackets in a notes text, in order.
QStringList CodigosNotas(const QString& notas);

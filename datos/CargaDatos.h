#pragma once

#include "datos/LectorCsv.h"
#include "shell/BaseDatos.h"
#include "shell/Esquema.h"

#include <QString>
#include <map>

// The data set: one parsed CSV per table, keyed by table name.
using ConjuntoDatos = std::map<QString, TablaCsv>;

// Reads every *.csv of a folder. A file that names no table of either database, or any malformed
// line, raises ErrorBD with the file, the line and the reason.
ConjuntoDatos LeerConjuntoDatos(const QString& carpeta);

// Inserts the tables of the schema that the data set holds, in one transaction, through bound
// parameters; checks values against the column types and the references between tables.
// Failure: ErrorBD with the file, the line and the reason; nothing is written.
void CargarDatos(BaseDatos& bd, const std::vector<TablaEsquema>& esquema, const ConjuntoDatos& datos);

// The codes written in brackets in a notes text, in order.
QStringList CodigosNotas(const QString& notas);

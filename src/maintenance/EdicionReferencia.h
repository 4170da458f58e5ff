#pragma once

#include "shell/BaseDatos.h"
#include "shell/Esquema.h"

#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

// Which edition of the schema and of the shipped data a ReferenceDb holds, and the update that
// brings a newer data edition into it without touching what the user wrote. The data builder
// brings it from the CSV files, the program from the ReferenceDb of an installed package.

struct EdicionBase {
    int esquema = 1;
    int datos = 1;
};

// A file made before editions were recorded counts as schema 1, data 1.
EdicionBase LeerEdicionBase(BaseDatos& bd);
// Records the program's schema edition and this data edition; inside the caller's transaction
// when there is one.
void RegistrarEdicion(BaseDatos& bd, int edicionDatos, const QDateTime& momento);

// The new edition's reference data: the ids of its formulas, and what fills the reference tables
// (made empty from the schema) inside the caller's transaction. Failure: ErrorBD saying why.
struct DatosNuevos {
    QSet<QString> formulas;
    std::function<void(BaseDatos&, const std::vector<TablaEsquema>&)> cargar;
};

// In one transaction: drops and rebuilds every reference table from the new data, keeps the
// user's tables (NotasMiasPelicula, NotasMiasRevelador, NotasPeliRevMias) untouched and every
// MisNotasFormulas value of Formulas, and records the edition. Failure: ErrorBD saying why; the
// file is as it was.
void ReemplazarDatosReferencia(BaseDatos& bd, const DatosNuevos& datos, int edicionDatos,
                               const QDateTime& momento);

// The update of the ReferenceDb of a program folder. A newer data edition is applied only after
// both databases were copied aside into a dated backup folder (respaldo_de_datos), as the backup
// command does; the same or an older edition changes nothing. Returns what it did, one line each.
// Uses the process's database handles for the copy: call it with them closed.
// Failure: ErrorBD saying why; the database is as it was.
QStringList ActualizarBaseReferencia(const QString& destino, const DatosNuevos& datos, int edicionDatos,
                                     const QDateTime& momento);

// The reference data of another ReferenceDb (an installed one, opened for reading), copied row by
// row, column by column of what both schemas hold.
DatosNuevos DatosDeOtraBase(BaseDatos& origen);

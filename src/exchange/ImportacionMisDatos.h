#pragma once

#include "exchange/PaqueteMisDatos.h"

#include <QString>
#include <QStringList>
#include <array>

// The import of a package read and checked (LeerMisDatos) into both open databases.

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

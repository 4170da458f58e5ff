#pragma once

#include "datos/CargaDatos.h"
#include "maintenance/EdicionReferencia.h"

// The update of a ReferenceDb (maintenance/EdicionReferencia) fed from the CSV data set.

// The data set's formulas and a load of its tables through CargarTablas (checked as at build).
DatosNuevos DatosDelConjunto(const ConjuntoDatos& datos);

inline void ReemplazarDatosReferencia(BaseDatos& bd, const ConjuntoDatos& datos, int edicionDatos,
                                      const QDateTime& momento) {
    ReemplazarDatosReferencia(bd, DatosDelConjunto(datos), edicionDatos, momento);
}
inline QStringList ActualizarBaseReferencia(const QString& destino, const ConjuntoDatos& datos,
                                            int edicionDatos, const QDateTime& momento) {
    return ActualizarBaseReferencia(destino, DatosDelConjunto(datos), edicionDatos, momento);
}

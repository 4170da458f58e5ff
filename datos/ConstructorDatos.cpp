#include "datos/ConstructorDatos.h"

#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"

#include <QDir>
#include <QFileInfo>

QStringList ConstruirCarpetaPrograma(const QString& destino) {
    QStringList creado;
    if (!QDir().mkpath(destino))
        throw ErrorBD(u"No se puede crear la carpeta " + destino);
    const QString referencia = destino + QStringLiteral("/tz.mdb");
    if (!QFileInfo::exists(referencia)) {
        CrearBaseReferencia(referencia);
        creado << referencia;
    }
    const QString notas = destino + QStringLiteral("/notasp.mdb");
    if (!QFileInfo::exists(notas)) {
        CrearBaseNotas(notas);
        creado << notas;
    }
    return creado;
}

#include "maintenance/DatosInstalados.h"

#include "maintenance/EdicionReferencia.h"
#include "shell/AlmacenDatos.h"
#include "shell/Rutas.h"

#include <QDir>
#include <QFileInfo>

namespace {
int EdicionDe(BaseDatos& bd) {
    return LeerEdicionBase(bd).datos;
}
} // namespace

PuestaAlDia PonerAlDiaDesdeInstalada(const QString& usuario, const QString& instalada,
                                     const QStringList& excluir, const QDateTime& momento) {
    const QString nueva = QDir(instalada).filePath(kArchivoBDReferencia);
    const QString propia = QDir(usuario).filePath(kArchivoBDReferencia);
    if (!QFileInfo::exists(nueva) || !QFileInfo::exists(propia))
        return {};
    int desde = 0, hasta = 0;
    QStringList hecho;
    try {
        BaseDatos::Opciones lectura;
        lectura.clave = kClaveBDReferencia;
        lectura.soloLectura = true;
        auto origen = BaseDatos::Abrir(nueva, lectura);
        hasta = EdicionDe(*origen);
        desde = EdicionDe(*BaseDatos::Abrir(propia, kClaveBDReferencia));
        if (hasta <= desde)
            return {};
        hecho = ActualizarBaseReferencia(usuario, DatosDeOtraBase(*origen), hasta, momento);
    } catch (const ErrorBD& e) {
        return {PuestaAlDia::Estado::Rechazada,
                QStringLiteral("Los datos de referencia no se han puesto al día con los instalados (edición "
                               "%1); no se ha cambiado nada: ")
                        .arg(hasta) +
                    e.Descripcion()};
    }
    // A user's schema newer than this program's: told, and nothing changed.
    if (!hecho.value(0).startsWith(QStringLiteral("Copia aparte: ")))
        return {PuestaAlDia::Estado::Rechazada, hecho.join(u' ')};
    const QStringList nuevos = SembrarCarpeta(instalada, usuario, excluir);
    const QString copia = hecho.value(0).section(QStringLiteral(": "), 1);
    return {PuestaAlDia::Estado::Hecha,
            QStringLiteral("Datos de referencia puestos al día de la edición %1 a la %2, con todas sus notas "
                           "y tiempos propios; %3 archivos nuevos; copia aparte de las bases en %4")
                .arg(desde)
                .arg(hasta)
                .arg(nuevos.size())
                .arg(QDir::toNativeSeparators(copia))};
}

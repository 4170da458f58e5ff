#include "shell/Archivos.h"

#include <QFile>
#include <QSaveFile>

namespace {

ResultadoArchivo Fallo(const QFileDevice& f) {
    return {f.error() == QFileDevice::NoError ? QFileDevice::UnspecifiedError : f.error(), f.errorString(),
            false};
}

ResultadoArchivo Excede() {
    ResultadoArchivo r;
    r.excede = true;
    return r;
}

} // namespace

ResultadoArchivo LeerArchivo(const QString& ruta, QByteArray& contenido, qint64 limite) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return Fallo(f);
    if (f.size() > limite)
        return Excede();
    QByteArray datos = limite == kSinLimite ? f.readAll() : f.read(limite + 1);
    if (f.error() != QFileDevice::NoError)
        return Fallo(f);
    if (datos.size() > limite)
        return Excede();
    contenido = std::move(datos);
    return {};
}

ResultadoArchivo EscribirArchivoSeguro(const QString& ruta, const QByteArray& contenido) {
    QSaveFile f(ruta);
    if (f.open(QIODevice::WriteOnly) && f.write(contenido) == contenido.size() && f.commit())
        return {};
    const ResultadoArchivo r = Fallo(f);
    f.cancelWriting();
    return r;
}

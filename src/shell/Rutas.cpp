#include "shell/Rutas.h"

#include "shell/AlmacenDatos.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& CarpetaFijada() {
    static QString carpeta;
    return carpeta;
}
} // namespace

QString CarpetaPrograma() {
    const QString& fijada = CarpetaFijada();
    if (!fijada.isEmpty())
        return fijada;
    return QCoreApplication::applicationDirPath();
}

void FijarCarpetaPrograma(const QString& carpeta) {
    CarpetaFijada() = carpeta;
}

QString RutaNativa(const QString& relativo) {
    QString r = relativo;
    r.replace(u'\\', u'/');
    return r;
}

QString RutaPrograma(const QString& relativo) {
    return CarpetaPrograma() + u'/' + RutaNativa(relativo);
}

QString ElegirCarpetaPrograma(const QString& ejecutable, const QString& instalada, const QString& usuario) {
    // Run as root, /usr/bin is writable too; the installed data beside it is what tells them apart.
    if (!instalada.isEmpty() && QFileInfo(instalada).isDir())
        return usuario;
    return QFileInfo(ejecutable).isWritable() ? ejecutable : usuario;
}

QStringList SembrarCarpeta(const QString& origen, const QString& destino, const QStringList& excluir) {
    QStringList copiados;
    const QDir base(origen);
    QDirIterator it(origen, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString archivo = it.next();
        const QString relativo = base.relativeFilePath(archivo);
        const QString objetivo = destino + u'/' + relativo;
        if (excluir.contains(relativo) || QFileInfo::exists(objetivo))
            continue;
        if (!QDir().mkpath(QFileInfo(objetivo).absolutePath()) || !QFile::copy(archivo, objetivo))
            continue;
        // Installed files are read-only; the user's copies must not be.
        QFile::setPermissions(objetivo, QFile::permissions(objetivo) | QFileDevice::WriteOwner);
        copiados << relativo;
    }
    return copiados;
}

namespace {
QString CarpetaInstalada() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" GARVOLA_DATOS_INSTALADOS));
}
QString CarpetaUsuario() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/garvola");
}
} // namespace

QString CarpetaDeArranque() {
    return ElegirCarpetaPrograma(QCoreApplication::applicationDirPath(), CarpetaInstalada(),
                                 CarpetaUsuario());
}

QString OrigenCarpetaUsuario() {
    if (CarpetaDeArranque() != CarpetaUsuario())
        return {};
    return QFileInfo(CarpetaInstalada()).isDir() ? CarpetaInstalada()
                                                 : QCoreApplication::applicationDirPath();
}

QString NombreEjecutable() {
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

void PrepararCarpetaPrograma() {
    const QString carpeta = CarpetaDeArranque();
    const QString origen = OrigenCarpetaUsuario();
    if (!origen.isEmpty() && !QFileInfo::exists(carpeta + QStringLiteral("/") + kArchivoBDReferencia)) {
        QDir().mkpath(carpeta);
        SembrarCarpeta(origen, carpeta, {NombreEjecutable()});
    }
    FijarCarpetaPrograma(carpeta);
}

#include "shell/Rutas.h"

#include <QCoreApplication>

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

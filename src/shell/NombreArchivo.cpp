#include "shell/NombreArchivo.h"

QString NombreArchivoSeguro(const QString& nombre) {
    QString r = nombre;
    for (QChar& c : r)
        if (QStringView(u"\"/:*?<>").contains(c))
            c = u'_';
    return r;
}

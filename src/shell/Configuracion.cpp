#include "shell/Configuracion.h"

#include "shell/Archivos.h"
#include "shell/Rutas.h"
#include "shell/TextoAnsi.h"

#include <QFileInfo>

namespace {
QString RutaCfg() {
    return RutaPrograma(QStringLiteral("garvola.cfg"));
}

// Trimmed key of an entry line; a null string for a line without "=".
QString ClaveDeLinea(const QString& linea, qsizetype* posIgual = nullptr) {
    const qsizetype p = linea.indexOf(u'=');
    if (posIgual)
        *posIgual = p;
    if (p < 0)
        return {};
    return linea.left(p).trimmed();
}
} // namespace

QString ValorCfg(const QByteArray& contenido, const QString& clave) {
    const QString buscada = clave.trimmed();
    for (const QByteArray& bytes : PartirLineas(contenido)) {
        const QString linea = DesdeAnsi(bytes);
        qsizetype p;
        const QString k = ClaveDeLinea(linea, &p);
        if (p >= 0 && k == buscada)
            return linea.mid(p + 1).trimmed();
    }
    return {};
}

QByteArray CfgConEntrada(const QByteArray& contenido, const QString& clave, const QString& valor) {
    QByteArray salida;
    const QString buscada = clave.trimmed();
    for (const QByteArray& bytes : PartirLineas(contenido)) {
        qsizetype p;
        const QString k = ClaveDeLinea(DesdeAnsi(bytes), &p);
        if (p >= 0 && k == buscada)
            continue;
        salida += bytes + "\r\n";
    }
    return salida + HaciaAnsi(clave + u'=' + valor) + "\r\n";
}

QString LeerCfg(const QString& clave) {
    QByteArray contenido;
    if (!LeerArchivo(RutaCfg(), contenido))
        return {};
    return ValorCfg(contenido, clave);
}

bool GuardarCfg(const QString& clave, const QString& valor) {
    QByteArray contenido;
    // A file that is there but cannot be read is not replaced by one holding this entry alone.
    if (QFileInfo::exists(RutaCfg()) && !LeerArchivo(RutaCfg(), contenido))
        return false;
    return bool(EscribirArchivoSeguro(RutaCfg(), CfgConEntrada(contenido, clave, valor)));
}

#include "documents/Documentos.h"

#include "shell/Numeros.h"
#include "shell/OrdenAlfabetico.h"
#include "shell/Rutas.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

ClaseDocumento ClaseDeTipo(const QString& tipo) {
    if (tipo == u"PDF")
        return ClaseDocumento::Pdf;
    static const QStringList imagenes{QStringLiteral("JPG"),  QStringLiteral("JPEG"), QStringLiteral("PNG"),
                                      QStringLiteral("BMP"),  QStringLiteral("WEBP"), QStringLiteral("TIF"),
                                      QStringLiteral("TIFF"), QStringLiteral("GIF")};
    return imagenes.contains(tipo) ? ClaseDocumento::Imagen : ClaseDocumento::Ninguna;
}

QString FormatoTamano(qint64 bytes) {
    if (bytes < 1024)
        return QString::number(bytes) + u" B";
    if (bytes < 1048576)
        return FormatoNumero(double(bytes) / 1024, u"0") + u" KB";
    return FormatoNumero(double(bytes) / 1048576, u"0.0") + u" MB";
}

ListadoDocumentos ListarDocumentos(const QString& carpetaDocs, const QString& filtro) {
    ListadoDocumentos listado;
    const QString buscado = filtro.trimmed().toLower();
    const QDir carpeta(RutaPrograma(carpetaDocs));
    if (!QFileInfo(carpeta.path()).isDir()) {
        listado.conteo = u"Carpeta '" + carpetaDocs + u"' no encontrada";
        return listado;
    }
    QFileInfoList archivos = carpeta.entryInfoList(QDir::Files);
    std::sort(archivos.begin(), archivos.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return AntesAlfabetico(a.fileName(), b.fileName());
    });
    for (const QFileInfo& archivo : archivos) {
        const QString nombre = archivo.fileName();
        if (!buscado.isEmpty() && !nombre.toLower().contains(buscado))
            continue;
        const qsizetype punto = nombre.lastIndexOf(u'.');
        const QString tipo = punto < 0 ? QString() : nombre.mid(punto + 1).toUpper();
        if (ClaseDeTipo(tipo) == ClaseDocumento::Ninguna)
            continue;
        listado.documentos.push_back({nombre, tipo, FormatoTamano(archivo.size()), archivo.filePath()});
    }
    listado.conteo = QString::number(listado.documentos.size()) + u" documentos";
    return listado;
}

#include "documents/Documentos.h"

#include "shell/EntradasCarpeta.h"
#include "shell/Numeros.h"
#include "shell/Rutas.h"

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
    const QString carpeta = RutaPrograma(carpetaDocs);
    if (!QFileInfo(carpeta).isDir()) {
        listado.conteo = u"Carpeta '" + carpetaDocs + u"' no encontrada";
        return listado;
    }
    std::vector<EntradaCarpeta> archivos = ListarCarpeta(carpeta);
    std::erase_if(archivos, [](const EntradaCarpeta& e) { return !e.archivo || e.nombre.startsWith(u'.'); });
    std::sort(archivos.begin(), archivos.end(), [](const EntradaCarpeta& a, const EntradaCarpeta& b) {
        return NombreAntes(a.nombre, b.nombre);
    });
    for (const EntradaCarpeta& archivo : archivos) {
        const QString nombre = NombreVisible(archivo.nombre);
        if (!buscado.isEmpty() && !nombre.toLower().contains(buscado))
            continue;
        const qsizetype punto = nombre.lastIndexOf(u'.');
        const QString tipo = punto < 0 ? QString() : nombre.mid(punto + 1).toUpper();
        if (ClaseDeTipo(tipo) == ClaseDocumento::Ninguna)
            continue;
        listado.documentos.push_back(
            {nombre, tipo, FormatoTamano(archivo.tamano), UnirRuta(carpeta, archivo.nombre)});
    }
    listado.conteo = QString::number(listado.documentos.size()) + u" documentos";
    return listado;
}

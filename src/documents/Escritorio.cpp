#include "documents/Escritorio.h"

#include "shell/EntradasCarpeta.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
AbridorEscritorio& Abridor() {
    static AbridorEscritorio abridor;
    return abridor;
}
} // namespace

bool AbrirConEscritorio(const QString& ruta) {
    if (Abridor())
        return Abridor()(ruta);
    return QDesktopServices::openUrl(UrlDeArchivo(ruta));
}

QUrl UrlDeArchivo(const QString& ruta) {
    if (!RutaConBytesSueltos(ruta))
        return QUrl::fromLocalFile(ruta);
    // Percent-encoded bytes that are not UTF-8 stay as they are in the URL.
    return QUrl::fromEncoded("file://" + BytesDeRuta(ruta).toPercentEncoding("/"));
}

AbridorEscritorio InstalarAbridorEscritorio(AbridorEscritorio abridor) {
    return std::exchange(Abridor(), std::move(abridor));
}

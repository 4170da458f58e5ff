#include "documents/Escritorio.h"

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
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ruta));
}

AbridorEscritorio InstalarAbridorEscritorio(AbridorEscritorio abridor) {
    return std::exchange(Abridor(), std::move(abridor));
}

#include "maintenance/Fondos.h"

#include "maintenance/DimensionesJpeg.h"
#include "shell/EntradasCarpeta.h"
#include "shell/Rutas.h"

#include <QFile>
#include <algorithm>

std::vector<Fondo> ListarFondos() {
    const QString carpeta = RutaPrograma(QStringLiteral("imag"));
    std::vector<EntradaCarpeta> archivos = ListarCarpeta(carpeta);
    // The pattern "tz_fnd_*.jpg" ignores case.
    std::erase_if(archivos, [](const EntradaCarpeta& e) {
        return !e.archivo || !e.nombre.startsWith(u"tz_fnd_", Qt::CaseInsensitive) ||
               !e.nombre.endsWith(u".jpg", Qt::CaseInsensitive);
    });
    // Sorted by name, as users know the list from other systems.
    std::sort(archivos.begin(), archivos.end(), [](const EntradaCarpeta& a, const EntradaCarpeta& b) {
        return NombreAntes(a.nombre, b.nombre);
    });
    std::vector<Fondo> fondos;
    for (const EntradaCarpeta& e : archivos) {
        QFile archivo;
        const std::optional<QSize> tamano =
            AbrirParaLeer(archivo, UnirRuta(carpeta, e.nombre)) ? DimensionesJpeg(archivo) : std::nullopt;
        fondos.push_back({e.nombre, LineaFondo(NombreVisible(e.nombre), tamano)});
    }
    return fondos;
}

QString LineaFondo(const QString& nombre, const std::optional<QSize>& tamano) {
    const QString columna = nombre.leftJustified(kAnchoNombreFondo, u' ', true);
    if (!tamano)
        return columna + u'?';
    return columna + QString::number(tamano->width()) + QStringLiteral(" x ") +
           QString::number(tamano->height());
}

QString RutaFondo(const QString& nombre) {
    return RutaPrograma(u"imag\\" + nombre);
}

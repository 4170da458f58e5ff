#include "maintenance/Fondos.h"

#include "maintenance/DimensionesJpeg.h"
#include "shell/OrdenAlfabetico.h"
#include "shell/Rutas.h"

#include <QDir>
#include <algorithm>

std::vector<Fondo> ListarFondos() {
    // Sorted by name, as users know the list from other systems; the pattern ignores case.
    const QDir carpeta(RutaPrograma(QStringLiteral("imag")));
    std::vector<Fondo> fondos;
    QStringList nombres = carpeta.entryList({QStringLiteral("tz_fnd_*.jpg")}, QDir::Files);
    std::sort(nombres.begin(), nombres.end(), AntesAlfabetico);
    for (const QString& nombre : nombres)
        fondos.push_back({nombre, LineaFondo(nombre, DimensionesJpeg(carpeta.filePath(nombre)))});
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

#include "viewer/Tira.h"

#include "shell/EntradasCarpeta.h"
#include "shell/Imagenes.h"
#include "shell/Numeros.h"

#include <QDir>
#include <algorithm>
#include <array>

QStringList ListarImagenes(const QString& carpeta) {
    static const std::array<QString, 5> tipos{QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                              QStringLiteral("png"), QStringLiteral("bmp"),
                                              QStringLiteral("webp")};
    // One pass over the folder, sorted into the types.
    std::array<QStringList, 5> porTipo;
    for (const EntradaCarpeta& e : ListarCarpeta(carpeta)) {
        if (!e.archivo)
            continue;
        const qsizetype punto = e.nombre.lastIndexOf(u'.');
        if (punto < 0)
            continue;
        const QStringView extension = QStringView(e.nombre).mid(punto + 1);
        for (size_t t = 0; t < tipos.size(); ++t)
            if (extension.compare(tipos[t], Qt::CaseInsensitive) == 0)
                porTipo[t] << e.nombre;
    }
    QStringList rutas;
    const QString base = carpeta.endsWith(QDir::separator()) ? carpeta : carpeta + QDir::separator();
    for (QStringList& nombres : porTipo) {
        std::sort(nombres.begin(), nombres.end(), NombreAntes);
        for (const QString& n : nombres) {
            if (rutas.size() == kMaxImagenes)
                return rutas;
            rutas << base + n;
        }
    }
    return rutas;
}

int CalcularVisibles(int anchoInterior, int anchoExterior) {
    const int w = anchoInterior >= 1 ? anchoInterior : anchoExterior;
    if (w < 1)
        return 5;
    return std::max(1, w / kPasoRanura);
}

QRect CajaRanura(int ranura, int altoTira) {
    return {ranura * kPasoRanura + 60, (altoTira - kAltoCaja) / 2, kAnchoCaja, kAltoCaja};
}

int IndiceBajo(double x, int primero) {
    return std::max(0, RedondearEntero(x) / kPasoRanura + primero);
}

QRect SituarEnCaja(const QRect& caja, int anchoImagen, int altoImagen) {
    const auto dentro = CajaAjustada(caja.width(), caja.height(), anchoImagen, altoImagen);
    return dentro ? dentro->translated(caja.topLeft()) : QRect();
}

std::vector<QLine> BordesHueco(const QRect& caja, const QRect& imagen) {
    // QRect's right() and bottom() are one short of x + w and y + h; the lines lie on x + w.
    const int x = imagen.x(), y = imagen.y(), w = imagen.width(), h = imagen.height();
    const int cx = caja.x(), cy = caja.y();
    std::vector<QLine> lineas;
    if (w < caja.width()) {
        if (x > cx)
            lineas.emplace_back(x, y, x, y + h);
        if (x + w < cx + caja.width())
            lineas.emplace_back(x + w, y, x + w, y + h);
    }
    if (h < caja.height()) {
        if (y > cy)
            lineas.emplace_back(x, y, x + w, y);
        if (y + h < cy + caja.height())
            lineas.emplace_back(x, y + h, x + w, y + h);
    }
    return lineas;
}

ReglaClics::Accion ReglaClics::Clic(int indice, qint64 ahoraMs) {
    const qint64 transcurrido = ahoraMs - momento_;
    const bool doble = indice == ultimo_ && transcurrido >= 0 && transcurrido < 500;
    ultimo_ = indice;
    momento_ = ahoraMs;
    return doble ? Accion::Abrir : Accion::Seleccionar;
}

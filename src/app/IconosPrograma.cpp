#include "app/IconosPrograma.h"

#include "shell/Imagenes.h"
#include "shell/Rutas.h"

#include <QPixmap>

QIcon IconoPrograma(const QString& nombre) {
    QIcon icono;
    for (const auto& [sufijo, densidad] :
         {std::pair{QStringLiteral(".png"), 1.0}, {QStringLiteral("@2x.png"), 2.0}}) {
        QImage img = CargarImagen(RutaPrograma(u"iconos\\" + nombre + sufijo));
        if (img.isNull())
            continue;
        img.setDevicePixelRatio(densidad);
        icono.addPixmap(QPixmap::fromImage(img));
    }
    return icono;
}

QSize TamanoIcono(const QIcon& icono) {
    QSize menor;
    for (const QSize& t : icono.availableSizes())
        if (!menor.isValid() || t.width() < menor.width())
            menor = t;
    return menor.isValid() ? menor : QSize(0, 0);
}

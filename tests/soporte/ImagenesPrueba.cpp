#include "soporte/ImagenesPrueba.h"

#include <FreeImage.h>
#include <QFile>

namespace {
bool GuardarConFreeImage(const QImage& imagen, const QString& ruta, FREE_IMAGE_FORMAT fif) {
    QImage bgr = imagen.convertToFormat(QImage::Format_BGR888);
    FIBITMAP* mapa =
        FreeImage_ConvertFromRawBits(bgr.bits(), bgr.width(), bgr.height(), int(bgr.bytesPerLine()), 24,
                                     FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK, TRUE);
    if (fif == FIF_GIF) {
        FIBITMAP* paleta = FreeImage_ColorQuantize(mapa, FIQ_WUQUANT);
        FreeImage_Unload(mapa);
        mapa = paleta;
    }
    const bool ok = mapa && FreeImage_Save(fif, mapa, QFile::encodeName(ruta).constData(),
                                           fif == FIF_WEBP ? WEBP_LOSSLESS : 0);
    FreeImage_Unload(mapa);
    return ok;
}
} // namespace

QImage ImagenLisa(int ancho, int alto, const QColor& color) {
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    imagen.fill(color);
    return imagen;
}

bool GuardarWebP(const QImage& imagen, const QString& ruta) {
    return GuardarConFreeImage(imagen, ruta, FIF_WEBP);
}

bool GuardarGif(const QImage& imagen, const QString& ruta) {
    return GuardarConFreeImage(imagen, ruta, FIF_GIF);
}

#include "shell/Imagenes.h"

#include "shell/DimensionesGif.h"
#include "shell/EntradasCarpeta.h"
#include "shell/Numeros.h"
#include "shell/Rutas.h"

#include <FreeImage.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <algorithm>
#include <memory>
#include <optional>

namespace {

struct Liberar {
    void operator()(FIBITMAP* mapa) const { FreeImage_Unload(mapa); }
};
using Mapa = std::unique_ptr<FIBITMAP, Liberar>;

// What a file's header says, read without decoding pixels.
struct Cabecera {
    int ancho = 0;
    int alto = 0;
    bool girada = false; // EXIF orientation 5 to 8: upright width and height swap
};

bool TamanoAdmisible(qint64 ancho, qint64 alto) {
    return ancho > 0 && alto > 0 && ancho * alto <= kMaxPixelesImagen;
}

// Qt's reader refuses the same pictures, counted at 4 bytes a pixel. Set once: the loaders also
// run on worker threads, and the limit is one process-wide value.
void LimitarLectorQt() {
    static const bool fijado = [] {
        constexpr qint64 mb = 1024 * 1024;
        QImageReader::setAllocationLimit(int((kMaxPixelesImagen * 4 + mb - 1) / mb));
        return true;
    }();
    Q_UNUSED(fijado);
}

// The size Qt's reader announces, invalid when it cannot tell. A GIF's is read from its blocks, as
// Qt's reader decodes the whole first frame to answer: the guard would allocate what it guards
// against. That reader takes any file named .gif, whatever it holds, and any data that begins as a
// GIF, whatever its name; nothing when such a file holds no frame it could measure.
std::optional<QSize> TamanoAnunciadoQt(QImageReader& lector, const QString& ruta) {
    QFile archivo;
    const bool abierto = AbrirParaLeer(archivo, ruta);
    if (ruta.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive) || (abierto && archivo.peek(3) == "GIF"))
        return abierto ? DimensionesGif(archivo) : std::nullopt;
    return lector.size();
}

// The library's own lookup by file name splits its extension lists with strtok(), whose hidden
// state the viewer's decoder threads would share. The same answer comes from a table built once:
// the first enabled format whose name or one of whose extensions matches, without letter case.
FREE_IMAGE_FORMAT FormatoPorNombre(const QByteArray& nombre) {
    static const QHash<QByteArray, FREE_IMAGE_FORMAT> porExtension = [] {
        QHash<QByteArray, FREE_IMAGE_FORMAT> tabla;
        for (int i = 0; i < FreeImage_GetFIFCount(); ++i) {
            const auto fif = static_cast<FREE_IMAGE_FORMAT>(i);
            if (FreeImage_IsPluginEnabled(fif) != 1)
                continue;
            QByteArrayList claves{QByteArray(FreeImage_GetFormatFromFIF(fif))};
            claves += QByteArray(FreeImage_GetFIFExtensionList(fif)).split(',');
            for (const QByteArray& clave : std::as_const(claves))
                if (!clave.isEmpty() && !tabla.contains(clave.toLower()))
                    tabla.insert(clave.toLower(), fif);
        }
        return tabla;
    }();
    const qsizetype punto = nombre.lastIndexOf('.');
    const QByteArray extension = (punto < 0 ? nombre : nombre.mid(punto + 1)).toLower();
    const FREE_IMAGE_FORMAT fif = porExtension.value(extension, FIF_UNKNOWN);
    return fif != FIF_UNKNOWN && FreeImage_FIFSupportsReading(fif) ? fif : FIF_UNKNOWN;
}

int Orientacion(FIBITMAP* mapa) {
    FITAG* etiqueta = nullptr;
    if (!FreeImage_GetMetadata(FIMD_EXIF_MAIN, mapa, "Orientation", &etiqueta) || !etiqueta ||
        FreeImage_GetTagType(etiqueta) != FIDT_SHORT || FreeImage_GetTagCount(etiqueta) < 1)
        return 1;
    return *static_cast<const WORD*>(FreeImage_GetTagValue(etiqueta));
}

std::optional<Cabecera> LeerCabecera(FREE_IMAGE_FORMAT fif, const QString& ruta, const QByteArray& nombre) {
    Cabecera c;
    if (FreeImage_FIFSupportsNoPixels(fif)) {
        Mapa mapa(FreeImage_Load(fif, nombre.constData(), FIF_LOAD_NOPIXELS));
        if (!mapa)
            return std::nullopt;
        c.ancho = int(FreeImage_GetWidth(mapa.get()));
        c.alto = int(FreeImage_GetHeight(mapa.get()));
        c.girada = fif == FIF_JPEG && Orientacion(mapa.get()) >= 5 && Orientacion(mapa.get()) <= 8;
    } else {
        // GIF: FreeImage cannot read its header alone.
        LimitarLectorQt();
        QImageReader lector(ruta);
        const std::optional<QSize> s = TamanoAnunciadoQt(lector, ruta);
        if (!s)
            return std::nullopt;
        c.ancho = s->width();
        c.alto = s->height();
    }
    if (!TamanoAdmisible(c.ancho, c.alto))
        return std::nullopt;
    return c;
}

int OpcionesCarga(FREE_IMAGE_FORMAT fif) {
    return fif == FIF_JPEG ? JPEG_EXIFROTATE : 0;
}

// FreeImage keeps 24-bit rows bottom-up in B, G, R order.
QImage AQImage(FIBITMAP* mapa24) {
    const int ancho = int(FreeImage_GetWidth(mapa24));
    const int alto = int(FreeImage_GetHeight(mapa24));
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    if (imagen.isNull())
        return {};
    for (int y = 0; y < alto; ++y) {
        const BYTE* origen = FreeImage_GetScanLine(mapa24, alto - 1 - y);
        auto* destino = reinterpret_cast<QRgb*>(imagen.scanLine(y));
        for (int x = 0; x < ancho; ++x, origen += 3)
            destino[x] = qRgb(origen[FI_RGBA_RED], origen[FI_RGBA_GREEN], origen[FI_RGBA_BLUE]);
    }
    return imagen;
}

QImage A24Bits(Mapa mapa) {
    if (!mapa)
        return {};
    if (FreeImage_GetBPP(mapa.get()) != 24 || FreeImage_GetImageType(mapa.get()) != FIT_BITMAP)
        mapa.reset(FreeImage_ConvertTo24Bits(mapa.get()));
    return mapa ? AQImage(mapa.get()) : QImage();
}

// Whole picture through FreeImage, format from the file name.
QImage DecodificarFreeImage(const QString& ruta) {
    const QByteArray nombre = QFile::encodeName(ruta);
    const FREE_IMAGE_FORMAT fif = FormatoPorNombre(nombre);
    if (fif == FIF_UNKNOWN || !LeerCabecera(fif, ruta, nombre))
        return {};
    return A24Bits(Mapa(FreeImage_Load(fif, nombre.constData(), OpcionesCarga(fif))));
}

// The box's size for a picture of ancho x alto: the side that limits takes the box's size.
QSize TamanoEncajado(int ancho, int alto, int anchoMax, int altoMax) {
    int nuevoAncho, nuevoAlto;
    if (double(anchoMax) / altoMax < double(ancho) / alto) {
        nuevoAncho = anchoMax;
        nuevoAlto = RedondearEntero(double(anchoMax) * alto / ancho);
    } else {
        nuevoAlto = altoMax;
        nuevoAncho = RedondearEntero(double(altoMax) * ancho / alto);
    }
    return {std::max(1, nuevoAncho), std::max(1, nuevoAlto)};
}

} // namespace

QSize TamanoHiMetric(const QImage& imagen) {
    if (imagen.isNull())
        return {0, 0};
    return {RedondearEntero(imagen.width() * 2540.0 / 96), RedondearEntero(imagen.height() * 2540.0 / 96)};
}

QSize TamanoTwips(const QImage& imagen) {
    const QSize hm = TamanoHiMetric(imagen);
    return {RedondearEntero(hm.width() * 0.5669), RedondearEntero(hm.height() * 0.5669)};
}

std::optional<QRect> CajaAjustada(int W, int H, int w, int h) {
    if (w < 1 || h < 1 || W < 1 || H < 1)
        return std::nullopt;
    const double escala = double(W) / H >= double(w) / h ? double(H) / h : double(W) / w;
    const int dw = RedondearEntero(w * escala), dh = RedondearEntero(h * escala);
    return QRect((W - dw) / 2, (H - dh) / 2, dw, dh);
}

QString BuscarImagen(const QString& nombre, const QString& carpeta) {
    const QString base = RutaPrograma(u"imag\\" + carpeta + u'\\' + nombre);
    // Files copied from a camera or from Windows may carry ".JPG" or ".Webp".
    const QFileInfo info(base);
    QStringList entradas;
    bool leidas = false;
    for (const QLatin1String extension : {QLatin1String(".jpg"), QLatin1String(".webp")}) {
        const QString ruta = base + extension;
        if (QFileInfo(ruta).isFile())
            return ruta;
        if (!leidas) {
            entradas = info.dir().entryList(QDir::Files | QDir::Hidden);
            leidas = true;
        }
        const QString buscado = info.fileName() + extension;
        for (const QString& entrada : std::as_const(entradas))
            if (entrada.compare(buscado, Qt::CaseInsensitive) == 0 && entrada.startsWith(info.fileName()))
                return info.dir().filePath(entrada);
    }
    return {};
}

QString RutaGemelaWebP(const QString& ruta) {
    if (ruta.endsWith(QLatin1String(".webp"), Qt::CaseInsensitive))
        return ruta;
    const qsizetype punto = ruta.lastIndexOf(u'.');
    return punto < 0 ? QString() : ruta.left(punto + 1) + u"webp";
}

QImage CargarImagen(const QString& ruta) {
    if (ruta.isEmpty())
        return {};
    LimitarLectorQt();
    // A name that is not UTF-8 is opened by its bytes; the reader then tells the format by content.
    QFile archivo;
    QImageReader lector;
    if (RutaConBytesSueltos(ruta)) {
        if (!AbrirParaLeer(archivo, ruta))
            return {};
        lector.setDevice(&archivo);
    } else {
        lector.setFileName(ruta);
    }
    lector.setAutoTransform(true);
    const std::optional<QSize> anunciado = TamanoAnunciadoQt(lector, ruta);
    if (anunciado && anunciado->isValid() && !TamanoAdmisible(anunciado->width(), anunciado->height()))
        return {};
    const QImage imagen = anunciado ? lector.read() : QImage();
    if (!imagen.isNull())
        return imagen;
    const QString webp = RutaGemelaWebP(ruta);
    if (webp.isEmpty() || !QFileInfo(webp).isFile())
        return {};
    return DecodificarFreeImage(webp);
}

std::optional<QSize> TamanoCabecera(const QString& ruta) {
    const QByteArray nombre = QFile::encodeName(ruta);
    const FREE_IMAGE_FORMAT fif = FormatoPorNombre(nombre);
    if (fif == FIF_UNKNOWN) {
        LimitarLectorQt();
        QImageReader lector(ruta);
        const std::optional<QSize> s = TamanoAnunciadoQt(lector, ruta);
        if (!s || !s->isValid() || !TamanoAdmisible(s->width(), s->height()))
            return std::nullopt;
        return s;
    }
    const std::optional<Cabecera> c = LeerCabecera(fif, ruta, nombre);
    if (!c)
        return std::nullopt;
    return c->girada ? QSize(c->alto, c->ancho) : QSize(c->ancho, c->alto);
}

QImage CargarImagenEscalada(const QString& ruta, int anchoMax, int altoMax) {
    if (ruta.isEmpty() || anchoMax < 1 || altoMax < 1 || !QFileInfo(ruta).isFile())
        return {};
    const QByteArray nombre = QFile::encodeName(ruta);
    const FREE_IMAGE_FORMAT fif = FormatoPorNombre(nombre);
    if (fif == FIF_UNKNOWN)
        return {};
    const std::optional<Cabecera> cabecera = LeerCabecera(fif, ruta, nombre);
    if (!cabecera)
        return {};
    const int ancho = cabecera->girada ? cabecera->alto : cabecera->ancho;
    const int alto = cabecera->girada ? cabecera->ancho : cabecera->alto;
    const QSize destino = TamanoEncajado(ancho, alto, anchoMax, altoMax);

    // A JPEG goes through Qt's reader, whose SIMD decoder skips the detail the box cannot show
    // (DCT scaling) and is several times faster than any full decode.
    if (fif == FIF_JPEG) {
        LimitarLectorQt();
        QImageReader lector(ruta);
        lector.setAutoTransform(true);
        // The size applies before the EXIF rotation.
        lector.setScaledSize(cabecera->girada ? destino.transposed() : destino);
        const QImage imagen = lector.read();
        if (imagen.size() == destino)
            return imagen.convertToFormat(QImage::Format_RGB32);
    }
    Mapa mapa(FreeImage_Load(fif, nombre.constData(), OpcionesCarga(fif)));
    if (!mapa || !FreeImage_HasPixels(mapa.get()))
        return {};
    Mapa escalado(FreeImage_Rescale(mapa.get(), destino.width(), destino.height(), FILTER_BILINEAR));
    mapa.reset();
    return A24Bits(std::move(escalado));
}

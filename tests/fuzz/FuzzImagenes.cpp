// The picture loaders' size guard: any header, under any of the picture extensions, ends in a
// size within the limit or in no picture; no pixel is decoded.
#include "shell/Imagenes.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <unistd.h>

// Faces and image plugins want an application; its arguments are not libFuzzer's.
extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int n = 1;
    static char* argumentos[] = {(*argv)[0], nullptr};
    static QGuiApplication app(n, argumentos);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    static const QString carpeta = [] {
        const QString base =
            QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        const QString c = base + QStringLiteral("/garvola-fuzz-%1").arg(getpid());
        QDir().mkpath(c);
        return c;
    }();
    static const std::array<const char*, 6> extensiones{"jpg", "png", "gif", "webp", "bmp", "tif"};
    if (largo == 0)
        return 0;
    // The last byte picks the extension, so each reader sees every header.
    const QString ruta = carpeta + u"/p." + QLatin1String(extensiones[datos[largo - 1] % extensiones.size()]);
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    archivo.write(reinterpret_cast<const char*>(datos), qint64(largo - 1));
    archivo.close();
    if (const auto tamano = TamanoCabecera(ruta))
        if (tamano->width() < 1 || tamano->height() < 1 ||
            qint64(tamano->width()) * tamano->height() > kMaxPixelesImagen)
            __builtin_trap();
    return 0;
}

#pragma once

#include "shell/EntradasCarpeta.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdio>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

// Files and folders named by raw bytes (not always UTF-8), made the way another program would.
inline bool CrearArchivoCrudo(const QByteArray& ruta, const QByteArray& contenido = {}) {
    const int fd = ::open(ruta.constData(), O_CREAT | O_WRONLY | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool bien = ::write(fd, contenido.constData(), size_t(contenido.size())) == contenido.size();
    return ::close(fd) == 0 && bien;
}

inline bool CrearCarpetaCruda(const QByteArray& ruta) {
    return ::mkdir(ruta.constData(), 0755) == 0;
}

inline bool GuardarImagenCruda(const QImage& imagen, const QByteArray& ruta, const char* formato) {
    QByteArray datos;
    QBuffer buffer(&datos);
    buffer.open(QIODevice::WriteOnly);
    return imagen.save(&buffer, formato) && CrearArchivoCrudo(ruta, datos);
}

// Removes, when it goes, what under the folder has a name that is not UTF-8: a temporary folder
// cannot, as Qt does not list it.
class BorradoCrudo {
public:
    explicit BorradoCrudo(const QString& carpeta) : carpeta_(carpeta.toUtf8()) {}
    ~BorradoCrudo() {
        ::nftw(
            carpeta_.constData(),
            [](const char* ruta, const struct stat*, int, FTW*) {
                return RutaConBytesSueltos(RutaDeBytes(ruta)) ? ::remove(ruta) : 0;
            },
            16, FTW_DEPTH | FTW_PHYS);
    }
    BorradoCrudo(const BorradoCrudo&) = delete;
    BorradoCrudo& operator=(const BorradoCrudo&) = delete;

private:
    QByteArray carpeta_;
};

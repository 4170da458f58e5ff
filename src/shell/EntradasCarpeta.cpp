#include "shell/EntradasCarpeta.h"

#include "shell/OrdenAlfabetico.h"

#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char16_t kPrimerSuelto = 0xDC80;

// Length of the valid UTF-8 sequence at p (0 when the byte there does not start one): no
// overlong forms, no surrogates, nothing past U+10FFFF.
int LargoUtf8(const unsigned char* p, qsizetype quedan) {
    const unsigned char b = p[0];
    if (b < 0x80)
        return 1;
    int largo = 0;
    unsigned char min = 0x80, max = 0xBF;
    if (b >= 0xC2 && b <= 0xDF)
        largo = 2;
    else if (b >= 0xE0 && b <= 0xEF) {
        largo = 3;
        if (b == 0xE0)
            min = 0xA0;
        if (b == 0xED)
            max = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        largo = 4;
        if (b == 0xF0)
            min = 0x90;
        if (b == 0xF4)
            max = 0x8F;
    } else
        return 0;
    if (quedan < largo || p[1] < min || p[1] > max)
        return 0;
    for (int i = 2; i < largo; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    return largo;
}

bool EsSuelto(QChar c) {
    return c.unicode() >= kPrimerSuelto && c.unicode() <= 0xDCFF;
}

} // namespace

QString RutaDeBytes(const QByteArray& bytes) {
    QString ruta;
    ruta.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    qsizetype i = 0, tramo = 0;
    while (i < bytes.size()) {
        const int largo = LargoUtf8(p + i, bytes.size() - i);
        if (largo > 0) {
            i += largo;
            continue;
        }
        ruta += QString::fromUtf8(bytes.constData() + tramo, i - tramo);
        ruta += QChar(char16_t(kPrimerSuelto + (p[i] - 0x80)));
        tramo = ++i;
    }
    ruta += QString::fromUtf8(bytes.constData() + tramo, i - tramo);
    return ruta;
}

QByteArray BytesDeRuta(const QString& ruta) {
    QByteArray bytes;
    qsizetype tramo = 0;
    for (qsizetype i = 0; i < ruta.size(); ++i) {
        if (!EsSuelto(ruta[i]))
            continue;
        bytes += QStringView(ruta).mid(tramo, i - tramo).toUtf8();
        bytes += char(ruta[i].unicode() - kPrimerSuelto + 0x80);
        tramo = i + 1;
    }
    bytes += QStringView(ruta).mid(tramo).toUtf8();
    return bytes;
}

bool RutaConBytesSueltos(const QString& ruta) {
    return std::any_of(ruta.begin(), ruta.end(), EsSuelto);
}

QString NombreVisible(const QString& nombre) {
    QString visible = nombre;
    for (QChar& c : visible)
        if (EsSuelto(c))
            c = QChar::ReplacementCharacter;
    return visible;
}

bool AbrirParaLeer(QFile& archivo, const QString& ruta) {
    const int fd = ::open(BytesDeRuta(ruta).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (archivo.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}

std::vector<EntradaCarpeta> ListarCarpeta(const QString& carpeta) {
    std::vector<EntradaCarpeta> entradas;
    DIR* dir = ::opendir(BytesDeRuta(carpeta).constData());
    if (!dir)
        return entradas;
    const int fd = ::dirfd(dir);
    while (const dirent* d = ::readdir(dir)) {
        const QByteArray nombre(d->d_name);
        if (nombre == "." || nombre == "..")
            continue;
        EntradaCarpeta e;
        e.nombre = RutaDeBytes(nombre);
        struct stat propio {};
        if (::fstatat(fd, d->d_name, &propio, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        e.enlace = S_ISLNK(propio.st_mode);
        struct stat real = propio;
        if (e.enlace && ::fstatat(fd, d->d_name, &real, 0) != 0)
            real = {}; // broken: neither file nor folder
        e.carpeta = S_ISDIR(real.st_mode);
        e.archivo = S_ISREG(real.st_mode);
        e.tamano = e.archivo ? qint64(real.st_size) : 0;
        e.dispositivo = quint64(real.st_dev);
        e.nodo = quint64(real.st_ino);
        entradas.push_back(std::move(e));
    }
    ::closedir(dir);
    return entradas;
}

bool TieneSubcarpetas(const QString& carpeta) {
    DIR* dir = ::opendir(BytesDeRuta(carpeta).constData());
    if (!dir)
        return false;
    bool hay = false;
    while (const dirent* d = ::readdir(dir)) {
        if (d->d_name[0] == '.' && (d->d_name[1] == 0 || (d->d_name[1] == '.' && d->d_name[2] == 0)))
            continue;
        if (d->d_type == DT_DIR) {
            hay = true;
            break;
        }
        struct stat st {};
        if ((d->d_type == DT_LNK || d->d_type == DT_UNKNOWN) &&
            ::fstatat(::dirfd(dir), d->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode)) {
            hay = true;
            break;
        }
    }
    ::closedir(dir);
    return hay;
}

bool NombreAntes(const QString& a, const QString& b) {
    return AntesAlfabetico(a, b);
}

QString UnirRuta(const QString& carpeta, const QString& nombre) {
    return carpeta.endsWith(u'/') ? QString(carpeta + nombre) : QString(carpeta + u'/' + nombre);
}

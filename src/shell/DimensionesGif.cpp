#include "shell/DimensionesGif.h"

#include <QByteArray>
#include <QIODevice>
#include <algorithm>

namespace {

// Extensions and colour tables are skipped, not read: a comment of any length costs no memory.
constexpr qint64 kMaxBytesRecorridos = 64 * 1024 * 1024;

int Entero16(const char* p) {
    return int(static_cast<unsigned char>(p[0])) | int(static_cast<unsigned char>(p[1])) << 8;
}

bool Saltar(QIODevice& origen, qint64 bytes) {
    return origen.skip(bytes) == bytes;
}

int TamanoTablaColor(char empaquetado) {
    return (empaquetado & 0x80) ? 3 * (2 << (empaquetado & 0x07)) : 0;
}

} // namespace

std::optional<QSize> DimensionesGif(QIODevice& origen) {
    if (!origen.isReadable() || !origen.seek(0))
        return std::nullopt;
    char cabecera[13];
    if (origen.read(cabecera, 13) != 13)
        return std::nullopt;
    // Decoders look at "GIF" alone, and so does this: a version they would decode is measured.
    if (QByteArray(cabecera, 3) != "GIF")
        return std::nullopt;
    const int anchoPantalla = Entero16(cabecera + 6);
    const int altoPantalla = Entero16(cabecera + 8);
    if (!Saltar(origen, TamanoTablaColor(cabecera[10])))
        return std::nullopt;

    while (origen.pos() < kMaxBytesRecorridos) {
        char marca;
        if (!origen.getChar(&marca))
            return std::nullopt;
        if (marca == 0x2C) {
            char descriptor[8];
            if (origen.read(descriptor, 8) != 8)
                return std::nullopt;
            const int ancho = std::max(anchoPantalla, Entero16(descriptor) + Entero16(descriptor + 4));
            const int alto = std::max(altoPantalla, Entero16(descriptor + 2) + Entero16(descriptor + 6));
            if (ancho < 1 || alto < 1)
                return std::nullopt;
            return QSize(ancho, alto);
        }
        if (marca != 0x21)
            return std::nullopt; // the trailer, or bytes that are no block
        // Extension: its label, then data sub-blocks until one of size zero.
        if (!origen.getChar(&marca))
            return std::nullopt;
        for (;;) {
            char largo;
            if (!origen.getChar(&largo))
                return std::nullopt;
            if (largo == 0)
                break;
            if (origen.pos() >= kMaxBytesRecorridos)
                return std::nullopt;
            if (!Saltar(origen, static_cast<unsigned char>(largo)))
                return std::nullopt;
        }
    }
    return std::nullopt;
}

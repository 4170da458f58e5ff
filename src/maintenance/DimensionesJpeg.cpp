#include "maintenance/DimensionesJpeg.h"

#include <QFile>
#include <QIODevice>
#include <array>

namespace {

// Reads a device through a small fixed buffer, so a large segment is skipped with a seek and
// never read byte by byte or held in memory.
class Lector {
public:
    explicit Lector(QIODevice& origen) : origen_(origen), total_(origen.size()) {}

    qint64 Posicion() const { return base_ + actual_; }
    qint64 Total() const { return total_; }
    bool AlFinal() const { return Posicion() >= total_; }

    bool Byte(quint8& valor) {
        if (actual_ == lleno_ && !Llenar())
            return false;
        valor = buffer_[size_t(actual_++)];
        return true;
    }
    bool Palabra(quint16& valor) {
        quint8 alto, bajo;
        if (!Byte(alto) || !Byte(bajo))
            return false;
        valor = quint16((alto << 8) | bajo);
        return true;
    }
    bool IrA(qint64 posicion) {
        if (posicion >= base_ && posicion <= base_ + lleno_) {
            actual_ = posicion - base_;
            return true;
        }
        if (!origen_.seek(posicion))
            return false;
        base_ = posicion;
        actual_ = lleno_ = 0;
        return true;
    }

private:
    bool Llenar() {
        base_ += lleno_;
        actual_ = lleno_ = 0;
        const qint64 leidos = origen_.read(buffer_.data(), qint64(buffer_.size()));
        if (leidos <= 0)
            return false;
        lleno_ = leidos;
        return true;
    }

    QIODevice& origen_;
    qint64 total_;
    std::array<char, 4096> buffer_{};
    qint64 base_ = 0; // file position of buffer_[0]
    qint64 actual_ = 0;
    qint64 lleno_ = 0;
};

bool InicioDeCuadro(quint8 marca) {
    // SOF0-3, 5-7, 9-11, 13-15: every frame header; DHT (196), JPG (200) and DAC (204) are not.
    return marca >= 0xC0 && marca <= 0xCF && marca != 0xC4 && marca != 0xC8 && marca != 0xCC;
}

} // namespace

std::optional<QSize> DimensionesJpeg(QIODevice& origen) {
    if (!origen.isReadable() || !origen.seek(0))
        return std::nullopt;
    Lector lector(origen);
    quint8 a, b;
    if (!lector.Byte(a) || !lector.Byte(b) || a != 0xFF || b != 0xD8)
        return std::nullopt;
    for (;;) {
        if (lector.AlFinal())
            return std::nullopt;
        quint8 marca;
        if (!lector.Byte(marca) || marca != 0xFF)
            return std::nullopt;
        do {
            if (!lector.Byte(marca))
                return std::nullopt;
        } while (marca == 0xFF);
        if (marca == 0xD9)
            return std::nullopt;
        quint16 largo;
        // The length counts its own two bytes: under 2 would step backwards.
        if (!lector.Palabra(largo) || largo < 2)
            return std::nullopt;
        if (InicioDeCuadro(marca))
            break;
        const qint64 siguiente = lector.Posicion() + largo - 2;
        if (siguiente > lector.Total() || !lector.IrA(siguiente))
            return std::nullopt;
    }
    quint8 precision;
    quint16 alto, ancho;
    if (!lector.Byte(precision) || !lector.Palabra(alto) || !lector.Palabra(ancho))
        return std::nullopt;
    return QSize(ancho, alto);
}

std::optional<QSize> DimensionesJpeg(const QString& ruta) {
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        return std::nullopt;
    return DimensionesJpeg(archivo);
}

#include "viewer/CacheMiniaturas.h"

const CacheMiniaturas::Ranura* CacheMiniaturas::Buscar(const QString& ruta) const {
    for (const Ranura& r : ranuras_)
        if (!r.ruta.isEmpty() && r.ruta == ruta)
            return &r;
    return nullptr;
}

QString CacheMiniaturas::Reservar(const QString& ruta) {
    Ranura& r = ranuras_[size_t(siguiente_)];
    QString previa = r.lista ? QString() : std::move(r.ruta);
    r = Ranura{ruta, {}, false};
    siguiente_ = (siguiente_ + 1) % Ranuras();
    return previa;
}

bool CacheMiniaturas::Guardar(const QString& ruta, const QImage& imagen) {
    for (Ranura& r : ranuras_) {
        if (r.ruta == ruta && !r.lista) {
            r.imagen = imagen;
            r.lista = true;
            return true;
        }
    }
    return false;
}

void CacheMiniaturas::Vaciar() {
    for (Ranura& r : ranuras_)
        r = Ranura{};
    siguiente_ = 0;
}

void CacheMiniaturas::AsegurarRanuras(int visibles) {
    if (visibles > Ranuras())
        ranuras_.resize(size_t(visibles));
}

qint64 CacheMiniaturas::Bytes() const {
    qint64 total = 0;
    for (const Ranura& r : ranuras_)
        total += r.imagen.sizeInBytes() + r.ruta.size() * qint64(sizeof(QChar));
    return total;
}

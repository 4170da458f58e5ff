#pragma once

#include <QImage>
#include <QString>
#include <vector>

// The strip's thumbnails, already reduced to the slot's size, in slots filled in rotation. A slot
// is reserved for a path when its decoding is asked for and holds the picture once it arrives.
class CacheMiniaturas {
public:
    static constexpr int kRanuras = 12;

    struct Ranura {
        QString ruta;
        QImage imagen;      // null: no picture (yet, or the file cannot be read)
        bool lista = false; // the decoding has come back
    };

    // The slot that holds the path (case-sensitive), or null.
    const Ranura* Buscar(const QString& ruta) const;
    // Takes the next slot in rotation for the path, waiting for its picture; returns the path it
    // held before, if any, whose decoding is no longer wanted when it was still waiting.
    QString Reservar(const QString& ruta);
    // Keeps the picture when a slot still waits for that path; false otherwise.
    bool Guardar(const QString& ruta, const QImage& imagen);
    void Vaciar();
    // The strip may show more slots than kRanuras; the cache then keeps as many, so that drawing
    // the strip never throws out what it shows.
    void AsegurarRanuras(int visibles);

    int Ranuras() const { return int(ranuras_.size()); }
    // Bytes held by the pictures and paths.
    qint64 Bytes() const;

private:
    std::vector<Ranura> ranuras_ = std::vector<Ranura>(kRanuras);
    int siguiente_ = 0;
};

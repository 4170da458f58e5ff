#include "shell/ApunteBorrador.h"

#include <algorithm>

ApunteBorrador::ApunteBorrador(QObject* padre, Tomar tomar) : QObject(padre), tomar_(std::move(tomar)) {
    reloj_.setSingleShot(true);
    connect(&reloj_, &QTimer::timeout, this, &ApunteBorrador::Ahora);
}

void ApunteBorrador::Cambio() {
    if (!BorradoresActivos())
        return;
    if (!reloj_.isActive())
        desde_.start();
    reloj_.start(int(std::clamp<qint64>(kEsperaMs - desde_.elapsed(), 0, kPausaMs)));
}

void ApunteBorrador::Quitar(const QString& destino) {
    reloj_.stop();
    if (!destino.isEmpty())
        Borradores().Quitar(destino);
}

void ApunteBorrador::Ahora() {
    reloj_.stop();
    std::optional<Borrador> b = tomar_();
    if (!b)
        return;
    b->hora = QDateTime::currentDateTimeUtc();
    if (b->texto.isEmpty() && b->titulo.isEmpty())
        Borradores().Quitar(b->destino);
    else
        Borradores().Encargar(std::move(*b));
}

#include "shell/ApunteBorrador.h"

ApunteBorrador::ApunteBorrador(QObject* padre, Tomar tomar) : QObject(padre), tomar_(std::move(tomar)) {
    reloj_.setSingleShot(true);
    reloj_.setInterval(kEsperaMs);
    connect(&reloj_, &QTimer::timeout, this, &ApunteBorrador::Ahora);
}

void ApunteBorrador::Cambio() {
    if (BorradoresActivos() && !reloj_.isActive())
        reloj_.start();
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

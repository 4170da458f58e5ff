#include "shell/AvisoDatosPropios.h"

#include <QCoreApplication>

AvisoDatosPropios& AvisoDatosPropios::Instancia() {
    static AvisoDatosPropios aviso;
    return aviso;
}

void AvisoDatosPropios::Avisar() {
    // Without an event loop (the command line) nobody is listening.
    if (pendiente_ || !QCoreApplication::instance())
        return;
    pendiente_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            pendiente_ = false;
            Q_EMIT Cambiados();
        },
        Qt::QueuedConnection);
}

void AvisarDatosPropiosCambiados() {
    AvisoDatosPropios::Instancia().Avisar();
}

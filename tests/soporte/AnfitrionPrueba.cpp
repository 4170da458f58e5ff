#include "AnfitrionPrueba.h"

AnfitrionPrueba::~AnfitrionPrueba() {
    for (auto& v : ventanas)
        delete v.data();
}

VentanaModulo* AnfitrionPrueba::Buscar(const QMetaObject& tipo) const {
    for (const auto& v : ventanas)
        if (v && v->metaObject() == &tipo)
            return v;
    return nullptr;
}

void AnfitrionPrueba::Agregar(VentanaModulo* nueva) {
    nueva->setAttribute(Qt::WA_DeleteOnClose);
    ventanas.emplace_back(nueva);
    nueva->Cargar();
    nueva->show();
}

void AnfitrionPrueba::Activar(VentanaModulo* ventana) {
    ventana->show();
    ventana->raise();
}

#include "AnfitrionPrueba.h"

#include <QCoreApplication>

AnfitrionPrueba::AnfitrionPrueba(bool conArea) {
    if (conArea) {
        area_ = std::make_unique<AreaMDI>();
        area_->resize(1280, 820);
        area_->show();
    }
}

AnfitrionPrueba::~AnfitrionPrueba() {
    for (auto& v : ventanas_)
        delete v.data();
    if (area_)
        area_->closeAllSubWindows();
}

void AnfitrionPrueba::CentrarChild(QWidget* ventana) {
    centradas.push_back(ventana);
    if (area_)
        area_->CentrarChild(ventana);
}

VentanaModulo* AnfitrionPrueba::Buscar(const std::type_info& tipo) const {
    if (area_)
        return area_->Buscar(tipo);
    for (const auto& v : ventanas_)
        if (v && typeid(*v) == tipo)
            return v;
    return nullptr;
}

void AnfitrionPrueba::Agregar(VentanaModulo* nueva) {
    if (area_) {
        area_->Agregar(nueva);
        return;
    }
    nueva->setAttribute(Qt::WA_DeleteOnClose);
    ventanas_.emplace_back(nueva);
    nueva->Cargar();
    nueva->show();
}

void AnfitrionPrueba::Activar(VentanaModulo* ventana) {
    if (area_) {
        area_->Activar(ventana);
        return;
    }
    ventana->show();
    ventana->raise();
}

#pragma once

#include "shell/Anfitrion.h"

// A host for a window measured alone: no client area, no status line; a window it is handed is
// loaded and shown, and what the window asks of other modules is ignored.
class AnfitrionBanco : public Anfitrion {
public:
    void EstadoMostrar(const QString&) override {}
    void EstadoListo() override {}
    void CentrarChild(QWidget*) override {}
    QMdiArea* Area() const override { return nullptr; }
    void FijarFondo(const QString&) override {}
    VentanaModulo* Buscar(const std::type_info&) const override { return nullptr; }
    void Agregar(VentanaModulo* nueva) override {
        nueva->Cargar();
        nueva->show();
    }
    void Activar(VentanaModulo* ventana) override { ventana->show(); }
    void MostrarImagenCompleta(const QString&, const QString&, bool) override {}
    void MostrarFichaTecnica(int, const QString&) override {}
    void CerrarFichaTecnica() override {}
    void IniciarTemporizador(const DatosRevelado&) override {}
    void IniciarTemporizador(const CompensacionTecleada&) override {}
    void IniciarTemporizador(const SesionPlanificada&) override {}
    void PlanificarSesion(const DatosRevelado&) override {}
    void EditarTiempoPropio(const TiempoPropio&, QWidget*) override {}
};

#pragma once

#include "devtimes/TiemposPropios.h"
#include "shell/Anfitrion.h"
#include "shell/AreaMDI.h"
#include "timer/DatosRevelado.h"

#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

// A host for module windows under test. By default each window stands alone; with a client area
// the windows live in sub-windows as in the program. What the windows ask of the main window is
// recorded; a request for another module's window is recorded only, never served, so a window's
// tests see what it asked for (the program's routing is tested with the main window).
class AnfitrionPrueba : public Anfitrion {
public:
    explicit AnfitrionPrueba(bool conArea = false);
    ~AnfitrionPrueba() override;

    void EstadoMostrar(const QString& texto) override { estados << QStringLiteral("  ") + texto; }
    void EstadoListo() override { estados << QStringLiteral("|  Listo  |"); }
    void CentrarChild(QWidget* ventana) override;
    QMdiArea* Area() const override { return area_.get(); }
    void FijarFondo(const QString& nombre) override { fondos << nombre; }
    VentanaModulo* Buscar(const std::type_info& tipo) const override;
    void Agregar(VentanaModulo* nueva) override;
    void Activar(VentanaModulo* ventana) override;

    void MostrarImagenCompleta(const QString& ruta, const QString& titulo, bool llenar) override {
        imagenes.push_back({ruta, titulo, llenar});
    }
    void MostrarFichaTecnica(int idPelicula, const QString& nombrePropio) override {
        fichas.push_back({idPelicula, nombrePropio, false});
    }
    void CerrarFichaTecnica() override { fichas.push_back({0, QString(), true}); }
    void IniciarTemporizador(const DatosRevelado& datos) override { revelados.push_back(datos); }
    void IniciarTemporizador(const CompensacionTecleada& calculo) override { calculos.push_back(calculo); }
    void IniciarTemporizador(const SesionPlanificada& sesion) override { sesiones.push_back(sesion); }
    void PlanificarSesion(const DatosRevelado& fila) override { planificadas.push_back(fila); }
    void EditarTiempoPropio(const TiempoPropio& t, QWidget* padre) override {
        tiemposPropios.push_back({t, padre});
    }

    QString Estado() const { return estados.isEmpty() ? QString() : estados.back(); }

    QStringList estados;
    QStringList fondos;
    std::vector<QWidget*> centradas;

    struct ImagenPedida {
        QString ruta, titulo;
        bool llenar = false;
    };
    struct FichaPedida {
        int idPelicula = 0;
        QString nombrePropio;
        bool cerrar = false;
    };
    struct TiempoPedido {
        TiempoPropio tiempo;
        QWidget* padre = nullptr;
    };
    std::vector<ImagenPedida> imagenes;
    std::vector<FichaPedida> fichas;
    std::vector<DatosRevelado> revelados;
    std::vector<CompensacionTecleada> calculos;
    std::vector<SesionPlanificada> sesiones;
    std::vector<DatosRevelado> planificadas;
    std::vector<TiempoPedido> tiemposPropios;

private:
    std::unique_ptr<AreaMDI> area_;
    std::vector<QPointer<VentanaModulo>> ventanas_;
};

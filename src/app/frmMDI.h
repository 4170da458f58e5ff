#pragma once

#include "shell/Anfitrion.h"
#include "shell/AreaMDI.h"

#include <QMainWindow>

class QAction;
class QLabel;

// The main window: menus, status line, background, start-up and shut-down; it hosts every module
// window in its client area.
class frmMDI : public QMainWindow, public Anfitrion {
    Q_OBJECT
public:
    explicit frmMDI(QWidget* padre = nullptr);

    // Start-up: caption, background, texts, databases (ErrorBD when one cannot be opened),
    // restored position, NotasPeliRevMias, status line, and the shortcut panel shown and active.
    void Cargar();

    void EstadoListo() override;
    void EstadoMostrar(const QString& texto) override;
    void CentrarChild(QWidget* ventana) override { area_->CentrarChild(ventana); }
    // Background picture: a file name inside imag\; a missing or unreadable one leaves no picture.
    void FijarFondo(const QString& nombre) override;
    AreaMDI* Area() const override { return area_; }
    VentanaModulo* Buscar(const std::type_info& tipo) const override { return area_->Buscar(tipo); }
    void Agregar(VentanaModulo* nueva) override { area_->Agregar(nueva); }
    void Activar(VentanaModulo* ventana) override { area_->Activar(ventana); }
    void MostrarImagenCompleta(const QString& ruta, const QString& titulo, bool llenar) override;
    void MostrarFichaTecnica(int idPelicula, const QString& nombrePropio) override;
    void CerrarFichaTecnica() override;
    void IniciarTemporizador(const DatosRevelado& datos) override;
    void IniciarTemporizador(const CompensacionTecleada& calculo) override;
    void IniciarTemporizador(const SesionPlanificada& sesion) override;
    void PlanificarSesion(const DatosRevelado& fila) override;
    void EditarTiempoPropio(const TiempoPropio& t, QWidget* padre) override;

    QAction* Accion(const QString& nombre) const;

    // Read by the about window.
    static const QString Version;
    static const QString Copyright;
    static const QString Copyright2;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void CrearMenus();
    // Wires each module command to its window: the table of modules is the one list of them.
    void ConectarModulos();
    void Salir();
    // Asks every module window whether it may close; false (nothing closed) when one says no.
    bool PermitirCierres();

    AreaMDI* area_;
    QLabel* lblStatus_;
    bool cerrando_ = false;
};

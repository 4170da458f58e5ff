#pragma once

#include "shell/VentanaModulo.h"

#include <QImage>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

class QAction;
class QLabel;
class QMenu;

// The client area of the main window, with the background picture drawn to cover it.
class AreaMDI : public QMdiArea {
    Q_OBJECT
public:
    using QMdiArea::QMdiArea;
    void FijarFondo(const QImage& imagen);
    const QImage& Fondo() const { return fondo_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QImage fondo_;
};

class frmMDI : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMDI(QWidget* padre = nullptr);
    ~frmMDI() override;

    // Start-up: caption, background, texts, databases (ErrorBD when one cannot be opened),
    // restored position, NotasPeliRevMias, status line.
    void Cargar();

    void EstadoListo();
    void EstadoMostrar(const QString& texto);
    void CentrarChild(QWidget* ventana);
    // Background picture: a file name inside imag\; a missing or unreadable one leaves no picture.
    void FijarFondo(const QString& nombre);

    // The one window of a module: created on first use, otherwise shown and activated.
    template <class T> T* MostrarModulo() {
        if (T* abierta = ModuloAbierto<T>()) {
            Activar(abierta);
            return abierta;
        }
        T* nueva = new T();
        Agregar(nueva);
        return nueva;
    }
    template <class T> T* ModuloAbierto() const {
        for (QMdiSubWindow* sub : area_->subWindowList())
            if (T* w = dynamic_cast<T*>(sub->widget()))
                return w;
        return nullptr;
    }
    AreaMDI* Area() const { return area_; }
    QAction* Accion(const QString& nombre) const;

    const QString Version = QStringLiteral("0.9831");
    const QString Copyright = QStringLiteral("© 2026 Equipo Garvola. Todos los derechos reservados.");
    const QString Copyright2 = QStringLiteral("Garvola · darkroom@garvola.invalid · https://garvola.invalid");

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void CrearMenus();
    // Wires each module command to its window; commands of modules not built yet stay disabled.
    void ConectarModulos();
    void Agregar(VentanaModulo* ventana);
    void Activar(QWidget* ventana);
    // Tiles the visible child windows horizontally, the frontmost first; minimised ones keep the bottom.
    void Mosaico();
    void Salir();
    void RestaurarPosicion();
    void GuardarPosicion();

    AreaMDI* area_;
    QLabel* lblStatus_;
    bool cerrando_ = false;
};

// The main window while it exists; windows reach the status line and the other modules through it.
frmMDI* VentanaPrincipal();

void EstadoMostrar(const QString& texto);
void EstadoListo();

// The module window of type T: in the main window when there is one, else a free window (tests).
template <class T> T* AbrirModulo() {
    if (frmMDI* p = VentanaPrincipal())
        return p->MostrarModulo<T>();
    static QPointer<T> suelta;
    if (!suelta) {
        suelta = new T();
        suelta->setAttribute(Qt::WA_DeleteOnClose);
        suelta->Cargar();
    }
    suelta->show();
    suelta->raise();
    return suelta;
}

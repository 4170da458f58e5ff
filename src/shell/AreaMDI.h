#pragma once

#include "shell/VentanaModulo.h"

#include <QImage>
#include <QMdiArea>
#include <typeinfo>

// The client area that holds the module windows, each in a sub-window and at most one of each
// class, with a background picture drawn to cover it.
class AreaMDI : public QMdiArea {
    Q_OBJECT
public:
    using QMdiArea::QMdiArea;

    void FijarFondo(const QImage& imagen);
    const QImage& Fondo() const { return fondo_; }

    // The open window whose class is exactly `tipo`, or null.
    VentanaModulo* Buscar(const std::type_info& tipo) const;
    // Puts a new module window in a sub-window at its designed client size, runs Cargar, shows it.
    void Agregar(VentanaModulo* ventana);
    // Shows an open module window (restored when minimised) and makes it the active one.
    void Activar(QWidget* ventana);
    // Centres a window in the client area, in twips as floating-point numbers; never negative.
    void CentrarChild(QWidget* ventana);
    // Tiles the visible windows one above another, the frontmost first; minimised ones keep the
    // bottom.
    void Mosaico();

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QImage fondo_;
};

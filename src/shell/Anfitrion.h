#pragma once

#include "shell/TemaOscuro.h"
#include "shell/VentanaModulo.h"

#include <QString>
#include <typeinfo>

class QMdiArea;

// What a module window may ask of the main window. The composition root hands one to every
// module it creates; tests hand in a stub.
class Anfitrion {
public:
    virtual ~Anfitrion() = default;

    virtual void EstadoMostrar(const QString& texto) = 0;
    virtual void EstadoListo() = 0;
    // Centres a module window in the client area (only its position changes).
    virtual void CentrarChild(QWidget* ventana) = 0;
    // The client area that holds the module windows; null when there is none (tests).
    virtual QMdiArea* Area() const = 0;
    // Background picture of the client area: a file name inside imag\.
    virtual void FijarFondo(const QString& nombre) = 0;
    // The darkroom mode (red on black) of the whole program, while a module asks for it.
    virtual void FijarModoOscuro(bool si) { AplicarModoOscuro(si); }

    // The open window whose class is exactly `tipo`, or null.
    virtual VentanaModulo* Buscar(const std::type_info& tipo) const = 0;
    // Takes a new module window: places it (in its sub-window), runs Cargar and shows it.
    virtual void Agregar(VentanaModulo* nueva) = 0;
    // Shows and brings forward an open module window.
    virtual void Activar(VentanaModulo* ventana) = 0;

    // The one window of module T: created on first use, otherwise shown and brought forward.
    // T is built as T(Anfitrion&).
    template <class T> T* Abrir() {
        if (VentanaModulo* abierta = Buscar(typeid(T))) {
            Activar(abierta);
            return static_cast<T*>(abierta);
        }
        T* nueva = new T(*this);
        Agregar(nueva);
        return nueva;
    }
    template <class T> T* Abierto() const { return static_cast<T*>(Buscar(typeid(T))); }
};

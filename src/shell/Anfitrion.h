#pragma once

#include "shell/TemaOscuro.h"
#include "shell/VentanaModulo.h"

#include <QString>
#include <typeinfo>

class QMdiArea;
struct DatosRevelado;     // timer/DatosRevelado.h
struct SesionPlanificada; // timer/DatosRevelado.h
struct TiempoPropio;      // devtimes/TiemposPropios.h

// The time and temperature calculator's inputs, as the timer takes them over: the same
// compensation there gives the same corrected time.
struct CompensacionTecleada {
    int segundosBase = 0;
    int decimasBase = 200; // tenths of °C
    int decimasBano = 200;
    int formula = 0;
    int revelador = 0;
    int agitacion = 0;
};

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

    // What modules ask of each other. The composition root routes each to the window that
    // serves it, so no module builds another module's window.
    // A picture file full size, titled; llenar: over the whole client area.
    virtual void MostrarImagenCompleta(const QString& ruta, const QString& titulo, bool llenar) = 0;
    // The technical sheet follows a film, without taking the keyboard from the window in use;
    // idPelicula 0 with a name is the user's own film.
    virtual void MostrarFichaTecnica(int idPelicula, const QString& nombrePropio) = 0;
    virtual void CerrarFichaTecnica() = 0;
    // The timer, opened and loaded with what to develop (it refuses while a run is in progress).
    virtual void IniciarTemporizador(const DatosRevelado& datos) = 0;
    virtual void IniciarTemporizador(const CompensacionTecleada& calculo) = 0;
    // The timer loaded with a planned session: its time, bath temperature and every stage.
    virtual void IniciarTemporizador(const SesionPlanificada& sesion) = 0;
    // The session planner, filled from a grid row of the search window.
    virtual void PlanificarSesion(const DatosRevelado& fila) = 0;
    // The own-time dialog over `padre`, filled from t (id 0: a new time).
    virtual void EditarTiempoPropio(const TiempoPropio& t, QWidget* padre) = 0;

    // The one window of module T: created on first use, otherwise shown and brought forward.
    // T is built as T(Anfitrion&). Only the composition root (src/app) opens windows by class.
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

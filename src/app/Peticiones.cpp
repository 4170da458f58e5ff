#include "app/Peticiones.h"

#include "devtimes/frmTiempoPropio.h"
#include "filmsheet/frmImagenCompleta.h"
#include "filmsheet/frmPeliculasInfoTec.h"
#include "session/frmSesionRevelado.h"
#include "timer/frmTemporizador.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace Peticiones {

void MostrarImagenCompleta(Anfitrion& anfitrion, const QString& ruta, const QString& titulo, bool llenar) {
    anfitrion.Abrir<frmImagenCompleta>()->MostrarImagen(ruta, titulo, llenar);
}

void MostrarFichaTecnica(Anfitrion& anfitrion, int idPelicula, const QString& nombrePropio) {
    QMdiArea* area = anfitrion.Area();
    QMdiSubWindow* activa = area ? area->activeSubWindow() : nullptr;
    frmPeliculasInfoTec* ficha = anfitrion.Abrir<frmPeliculasInfoTec>();
    ficha->Mostrar(idPelicula, nombrePropio);
    // The sheet stays in front while the keyboard stays with the window in use.
    if (activa) {
        area->setActiveSubWindow(activa);
        ficha->Marco()->raise();
    }
}

void CerrarFichaTecnica(Anfitrion& anfitrion) {
    if (auto* ficha = anfitrion.Abierto<frmPeliculasInfoTec>())
        ficha->Marco()->close();
}

void IniciarTemporizador(Anfitrion& anfitrion, const DatosRevelado& datos) {
    anfitrion.Abrir<frmTemporizador>()->Llenar(datos);
}

void IniciarTemporizador(Anfitrion& anfitrion, const CompensacionTecleada& calculo) {
    anfitrion.Abrir<frmTemporizador>()->LlenarDesdeCalculadora(calculo);
}

void IniciarTemporizador(Anfitrion& anfitrion, const SesionPlanificada& sesion) {
    anfitrion.Abrir<frmTemporizador>()->LlenarSesion(sesion);
}

void PlanificarSesion(Anfitrion& anfitrion, const DatosRevelado& fila) {
    anfitrion.Abrir<frmSesionRevelado>()->Llenar(fila);
}

void EditarTiempoPropio(const TiempoPropio& t, QWidget* padre) {
    auto* dialogo = new frmTiempoPropio(t, padre);
    dialogo->setAttribute(Qt::WA_DeleteOnClose);
    dialogo->open();
}

} // namespace Peticiones

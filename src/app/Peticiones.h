#pragma once

#include "shell/Anfitrion.h"

// Where each request a module makes of the host goes: the window that serves it, opened or
// brought forward through the host.
namespace Peticiones {
void MostrarImagenCompleta(Anfitrion& anfitrion, const QString& ruta, const QString& titulo, bool llenar);
void MostrarFichaTecnica(Anfitrion& anfitrion, int idPelicula, const QString& nombrePropio);
void CerrarFichaTecnica(Anfitrion& anfitrion);
void IniciarTemporizador(Anfitrion& anfitrion, const DatosRevelado& datos);
void IniciarTemporizador(Anfitrion& anfitrion, const CompensacionTecleada& calculo);
void IniciarTemporizador(Anfitrion& anfitrion, const SesionPlanificada& sesion);
void PlanificarSesion(Anfitrion& anfitrion, const DatosRevelado& fila);
void EditarTiempoPropio(const TiempoPropio& t, QWidget* padre);
} // namespace Peticiones

#pragma once

#include "filmsheet/frmImagenCompleta.h"
#include "shell/Anfitrion.h"

// The one full image window, opened through the host.
// TODO(lead): anfitrion.Abrir<frmImagenCompleta>() once the window is built with the host.
inline frmImagenCompleta* VentanaImagenCompleta(Anfitrion& anfitrion) {
    if (auto* abierta = anfitrion.Abierto<frmImagenCompleta>()) {
        anfitrion.Activar(abierta);
        return abierta;
    }
    auto* nueva = new frmImagenCompleta();
    anfitrion.Agregar(nueva);
    return nueva;
}

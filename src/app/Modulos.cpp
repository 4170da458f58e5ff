#include "app/Modulos.h"

#include "app/frmAcercaDe.h"
#include "app/frmAyuda.h"
#include "app/frmBotonesDirectos.h"

#include "calculators/frmCalcDilucion.h"
#include "calculators/frmCalcTiempoTemp.h"
#include "calculators/frmCurvaReciprocidad.h"
#include "devtimes/frmPeliculasReveladores.h"
#include "devtimes/frmPeliculasReveladoresDiscont.h"
#include "maintenance/frmServicio.h"
#include "notes/frmNotas.h"

namespace {
template <class T> void Abrir(Anfitrion& anfitrion) {
    anfitrion.Abrir<T>();
}

void AbrirAcercaDe(Anfitrion& anfitrion) {
    anfitrion.CentrarChild(anfitrion.Abrir<frmAcercaDe>());
}

const Modulo kModulos[] = {
    {"mnuBuscarPeliRevel", Abrir<frmPeliculasReveladores>},
    {"mnuBuscarPeliRevelDiscont", Abrir<frmPeliculasReveladoresDiscont>},
    {"mnuCurvaFalloReciprocidad", Abrir<frmCurvaReciprocidad>},
    {"mnuCalcTiempoTemp", Abrir<frmCalcTiempoTemp>},
    {"mnuCalcDiluciones", Abrir<frmCalcDilucion>},
    {"mnuVerNotas", Abrir<frmNotas>},
    {"mnuServicio", Abrir<frmServicio>},
    {"BotAccDirectos", Abrir<frmBotonesDirectos>},
    {"mnuAyuda", frmAyuda::Mostrar},
    {"mnuAyudaAcerca", AbrirAcercaDe},
};
} // namespace

std::span<const Modulo> Modulos() {
    return kModulos;
}

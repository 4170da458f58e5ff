#include "app/Modulos.h"

#include "app/frmAcercaDe.h"
#include "app/frmAyuda.h"
#include "app/frmBotonesDirectos.h"

#include "calculators/frmCalcDilucion.h"
#include "calculators/frmCalcTiempoTemp.h"
#include "calculators/frmCurvaReciprocidad.h"
#include "devtimes/frmPeliculasReveladores.h"
#include "devtimes/frmPeliculasReveladoresDiscont.h"
#include "documents/frmVerDocumentos.h"
#include "formulas/frmFormulas.h"
#include "maintenance/frmServicio.h"
#include "notes/frmNotas.h"
#include "session/frmSesionRevelado.h"
#include "timer/frmTemporizador.h"
#include "viewer/frmVisorImagenes.h"

namespace {
template <class T> void Abrir(Anfitrion& anfitrion) {
    anfitrion.Abrir<T>();
}

void AbrirAcercaDe(Anfitrion& anfitrion) {
    anfitrion.CentrarChild(anfitrion.Abrir<frmAcercaDe>());
}

// The document list is one window, shown for either folder.
void AbrirDatasheets(Anfitrion& anfitrion) {
    anfitrion.Abrir<frmVerDocumentos>()->Abrir(QStringLiteral("datasheets"),
                                               QStringLiteral("Documentos de referencia"));
}
void AbrirOtrosDocumentos(Anfitrion& anfitrion) {
    anfitrion.Abrir<frmVerDocumentos>()->Abrir(QStringLiteral("otrosdoc"),
                                               QStringLiteral("Otros documentos"));
}

const Modulo kModulos[] = {
    {"mnuBuscarPeliRevel", Abrir<frmPeliculasReveladores>},
    {"mnuBuscarPeliRevelDiscont", Abrir<frmPeliculasReveladoresDiscont>},
    {"mnuVerFormulas", Abrir<frmFormulas>},
    {"mnuCurvaFalloReciprocidad", Abrir<frmCurvaReciprocidad>},
    {"mnuCalcTiempoTemp", Abrir<frmCalcTiempoTemp>},
    {"mnuCalcDiluciones", Abrir<frmCalcDilucion>},
    {"mnuTemporizador", Abrir<frmTemporizador>},
    {"mnuSesionRevelado", Abrir<frmSesionRevelado>},
    {"mnuVerNotas", Abrir<frmNotas>},
    {"mnuServicio", Abrir<frmServicio>},
    {"mnuVisorImag", Abrir<frmVisorImagenes>},
    {"mnuDatasheets", AbrirDatasheets},
    {"mnuOtrosDoc", AbrirOtrosDocumentos},
    {"BotAccDirectos", Abrir<frmBotonesDirectos>},
    {"mnuAyuda", frmAyuda::Mostrar},
    {"mnuAyudaAcerca", AbrirAcercaDe},
};
} // namespace

std::span<const Modulo> Modulos() {
    return kModulos;
}

#include "shell/frmMDI.h"

#include "calculators/frmCalcDilucion.h"
#include "calculators/frmCalcTiempoTemp.h"
#include "calculators/frmCurvaReciprocidad.h"
#include "devtimes/frmPeliculasReveladores.h"
#include "devtimes/frmPeliculasReveladoresDiscont.h"

#include <QAction>

// One line per module: its menu command opens (or brings forward) its one window.
void frmMDI::ConectarModulos() {
    auto modulo = [this](const char* accion, auto abrir) {
        QAction* a = Accion(QString::fromLatin1(accion));
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, abrir);
    };
    modulo("mnuBuscarPeliRevel", [] { AbrirModulo<frmPeliculasReveladores>(); });
    modulo("mnuBuscarPeliRevelDiscont", [] { AbrirModulo<frmPeliculasReveladoresDiscont>(); });
    modulo("mnuCalcTiempoTemp", [] { AbrirModulo<frmCalcTiempoTemp>(); });
    modulo("mnuCalcDiluciones", [] { AbrirModulo<frmCalcDilucion>(); });
    modulo("mnuCurvaFalloReciprocidad", [] { AbrirModulo<frmCurvaReciprocidad>(); });
}

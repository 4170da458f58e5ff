#include "shell/VentanaModulo.h"

#include <QMdiSubWindow>

QWidget* VentanaModulo::Marco() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return sub;
    return this;
}

bool VentanaModulo::PermitirCierre() {
    if (!cierrePermitido_)
        cierrePermitido_ = PreguntarCierre();
    return cierrePermitido_;
}

bool VentanaModulo::ConfirmarCierre() {
    const bool permitido = cierrePermitido_ || PreguntarCierre();
    cierrePermitido_ = false;
    return permitido;
}

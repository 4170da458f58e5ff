#include "shell/VentanaModulo.h"

#include <QMdiSubWindow>

QWidget* VentanaModulo::Marco() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return sub;
    return this;
}

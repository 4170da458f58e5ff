#include "app/Arranque.h"

#include "app/frmMDI.h"
#include "shell/AlmacenDatos.h"
#include "shell/Dialogos.h"

bool Arrancar(frmMDI& principal) {
    try {
        principal.Cargar();
    } catch (const ErrorBD& e) {
        // Without its databases the program cannot work: say why and end.
        Dialogo().Informar(kTituloAplicacion, e.Descripcion(), Icono::Critico);
        CerrarBasesDatos();
        return false;
    }
    const QStringList soloLectura = BasesSoloLectura();
    if (soloLectura.size() == 1)
        Dialogo().Informar(kTituloAplicacion,
                           u"La base de datos " + soloLectura[0] +
                               u" es de solo lectura: se puede consultar, pero las notas y los cambios "
                               u"no se podrán guardar.",
                           Icono::Exclamacion);
    else if (soloLectura.size() > 1)
        Dialogo().Informar(kTituloAplicacion,
                           u"Las bases de datos " + soloLectura.join(QStringLiteral(" y ")) +
                               u" son de solo lectura: se pueden consultar, pero las notas y los "
                               u"cambios no se podrán guardar.",
                           Icono::Exclamacion);
    return true;
}

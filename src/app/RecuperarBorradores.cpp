#include "app/RecuperarBorradores.h"

#include "devtimes/BorradorTiempoPropio.h"
#include "devtimes/frmPeliculasReveladores.h"
#include "formulas/frmFormulas.h"
#include "notes/frmNotas.h"
#include "shell/Anfitrion.h"
#include "shell/Borradores.h"
#include "shell/Dialogos.h"

namespace {
// Into the box it was typed for; when that target is gone, into a new personal note.
void Reponer(Anfitrion& anfitrion, const Borrador& b) {
    bool puesto = false;
    if (b.destino.startsWith(u"Pelicula/") || b.destino.startsWith(u"Revelador/"))
        puesto = anfitrion.Abrir<frmPeliculasReveladores>()->PonerBorrador(b.destino, b.texto);
    else if (b.destino.startsWith(u"Formula/"))
        puesto = anfitrion.Abrir<frmFormulas>()->PonerBorrador(b.destino, b.texto);
    else if (const std::optional<TiempoPropio> t = TiempoDeBorrador(b.destino, b.texto))
        puesto = anfitrion.Abrir<frmPeliculasReveladores>()->PonerBorradorTiempo(*t);
    if (!puesto)
        anfitrion.Abrir<frmNotas>()->PonerBorrador(b);
}
} // namespace

void RecuperarBorradores(Anfitrion& anfitrion) {
    const std::vector<Borrador> borradores = ListarBorradores();
    if (borradores.empty())
        return;
    Dialogo().Informar(kTituloAplicacion, AvisoRecuperados(borradores), Icono::Exclamacion);
    for (const Borrador& b : borradores) {
        const Respuesta r = Dialogo().PreguntarSiNoCancelar(
            kTituloAplicacion, u"¿Volver a poner el texto sin guardar de " + b.etiqueta +
                                   u" en su sitio?\n\nSí: vuelve a su ventana, sin guardar todavía.\n"
                                   u"No: se descarta.\nCancelar: se conserva para el próximo arranque.");
        if (r == Respuesta::Si)
            Reponer(anfitrion, b);
        else if (r == Respuesta::No)
            Borradores().Quitar(b.destino);
    }
}

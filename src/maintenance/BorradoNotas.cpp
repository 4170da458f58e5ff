#include "maintenance/BorradoNotas.h"

#include "devtimes/TiemposPropios.h"
#include "session/AlmacenSesiones.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"

bool BorrarNotas(NotasUsuario notas) {
    BaseDatos* bd =
        notas == NotasUsuario::Personales || notas == NotasUsuario::Tiempos || notas == NotasUsuario::Sesiones
            ? NotesDb()
            : ReferenceDb();
    if (!bd)
        return false;
    switch (notas) {
    case NotasUsuario::Peliculas:
        bd->Ejecutar(u"DELETE FROM " + kTablaNotasMiasPelicula);
        break;
    case NotasUsuario::Reveladores:
        bd->Ejecutar(u"DELETE FROM " + kTablaNotasMiasRevelador);
        break;
    case NotasUsuario::Formulas:
        bd->Ejecutar(u"UPDATE " + kTablaFormulas + u" SET MisNotasFormulas = NULL");
        break;
    case NotasUsuario::Personales:
        bd->Ejecutar(u"DELETE FROM " + kTablaNotasPersonales);
        break;
    case NotasUsuario::Tiempos:
        BorrarTodosMisTiempos();
        break;
    case NotasUsuario::Sesiones:
        BorrarTodasMisSesiones();
        break;
    }
    return true;
}

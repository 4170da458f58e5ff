#include "maintenance/BorradoNotas.h"

#include "devtimes/TiemposPropios.h"
#include "shell/AlmacenDatos.h"

bool BorrarNotas(NotasUsuario notas) {
    BaseDatos* bd =
        notas == NotasUsuario::Personales || notas == NotasUsuario::Tiempos ? NotesDb() : ReferenceDb();
    if (!bd)
        return false;
    switch (notas) {
    case NotasUsuario::Peliculas:
        bd->Ejecutar(QStringLiteral("DELETE FROM NotasMiasPelicula"));
        break;
    case NotasUsuario::Reveladores:
        bd->Ejecutar(QStringLiteral("DELETE FROM NotasMiasRevelador"));
        break;
    case NotasUsuario::Formulas:
        bd->Ejecutar(QStringLiteral("UPDATE Formulas SET MisNotasFormulas = NULL"));
        break;
    case NotasUsuario::Personales:
        bd->Ejecutar(QStringLiteral("DELETE FROM NotasPersonales"));
        break;
    case NotasUsuario::Tiempos:
        BorrarTodosMisTiempos();
        break;
    }
    return true;
}

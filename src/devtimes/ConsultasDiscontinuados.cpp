#include "devtimes/ConsultasDiscontinuados.h"

#include "shell/Esquema.h"
#include "shell/Tema.h"

namespace {

QString Tabla(bool modoPelicula) {
    return modoPelicula ? kTablaPeliculasDisc : kTablaReveladoresDisc;
}

QString ColumnaNombre(bool modoPelicula) {
    return modoPelicula ? QStringLiteral("Pelicula") : QStringLiteral("Revelador");
}

QString ColumnaOtra(bool modoPelicula) {
    return ColumnaNombre(!modoPelicula);
}

} // namespace

QString ConsultaListaDisc(bool modoPelicula, const QString& filtro) {
    const QString f = filtro.trimmed();
    const QString col = ColumnaNombre(modoPelicula);
    QString sql = u"SELECT DISTINCT " + col + u" FROM " + Tabla(modoPelicula);
    if (!f.isEmpty())
        sql += u" WHERE " + col + u" LIKE '*" + DoblarComillas(f) + u"*'";
    return sql + u" ORDER BY " + col;
}

QString ConsultaTemperaturasDisc(bool modoPelicula, const QString& nombre) {
    return u"SELECT DISTINCT Temperatura FROM " + Tabla(modoPelicula) + u" WHERE " +
           ColumnaNombre(modoPelicula) + u" = '" + DoblarComillas(nombre) +
           u"' AND Temperatura IS NOT NULL AND Temperatura <> '' ORDER BY Temperatura";
}

QString ConsultaTiemposDisc(bool modoPelicula, const QString& nombre, const QString& temperatura) {
    QString condicion = ColumnaNombre(modoPelicula) + u" = '" + DoblarComillas(nombre) + u'\'';
    if (!temperatura.isEmpty())
        condicion += u" AND Temperatura = '" + DoblarComillas(temperatura) + u'\'';
    const QString otra = ColumnaOtra(modoPelicula);
    return u"SELECT " + otra + u", Dilucion, ISO, [35mm], [120], Hoja, Temperatura, Estado FROM " +
           Tabla(modoPelicula) + u" WHERE " + condicion + u" ORDER BY " + otra + u", ISO";
}

QStringList LeerListaDisc(bool modoPelicula, const QString& filtro) {
    if (!FiltroValido(filtro))
        return {};
    return LeerColumna(ConsultaListaDisc(modoPelicula, filtro));
}

QStringList LeerTemperaturasDisc(bool modoPelicula, const QString& nombre) {
    if (nombre.isEmpty())
        return {};
    return LeerColumna(ConsultaTemperaturasDisc(modoPelicula, nombre));
}

std::vector<QStringList> LeerTiemposDisc(bool modoPelicula, const QString& nombre,
                                         const QString& temperatura) {
    return LeerFilas(ConsultaTiemposDisc(modoPelicula, nombre, temperatura), 8, false);
}

QColor ColorEstado(const QString& estado, int fila) {
    const bool par = fila % 2 == 0;
    if (estado == QStringLiteral("Ambos discontinuados"))
        return par ? Tema::AmbosDiscontPar : Tema::AmbosDiscontImpar;
    if (estado == QStringLiteral("Película discontinuada"))
        return par ? Tema::PeliculaDiscontPar : Tema::PeliculaDiscontImpar;
    if (estado == QStringLiteral("Revelador discontinuado"))
        return par ? Tema::ReveladorDiscontPar : Tema::ReveladorDiscontImpar;
    return par ? Tema::ColorBlanco : Tema::ColorFilaAlterna;
}

#include "exchange/ExportacionMisDatos.h"

#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"

#include <QDateTime>
#include <QVariant>
#include <tuple>

namespace {

// The rows of a query on tabla; none when the file predates the table and could not be completed
// (a read-only NotesDb still exports its personal notes).
std::vector<std::vector<ValorCsv>> Filas(BaseDatos& bd, const QString& tabla, const QString& sql,
                                         int columnas) {
    std::vector<std::vector<ValorCsv>> filas;
    if (!bd.ExisteTabla(tabla))
        return filas;
    for (Consulta c = bd.Consultar(sql); !c.Fin(); c.Siguiente()) {
        std::vector<ValorCsv> fila;
        for (int i = 0; i < columnas; ++i)
            fila.push_back(ValorCsvDe(c.Campo(i)));
        filas.push_back(std::move(fila));
    }
    return filas;
}

std::vector<std::vector<ValorCsv>> NotasPorNombre(BaseDatos& ref, ResumenExportacion& resumen) {
    std::vector<std::vector<ValorCsv>> filas;
    for (const QString& vista : {kPeliculaMisDatos, kReveladorMisDatos}) {
        const QString tabla = TablaNotasMisDatos(vista);
        Consulta c =
            ref.Consultar(u"SELECT n.IdPelicula, n.IdRevelador, p.Nombre, r.Nombre, n.Texto, n.FechaModif "
                          u"FROM " +
                          tabla + u" AS n LEFT JOIN " + kTablaPeliculas +
                          u" AS p ON p.IdPelicula = n.IdPelicula "
                          u"LEFT JOIN " +
                          kTablaReveladores + u" AS r ON r.IdRevelador = n.IdRevelador ORDER BY n.IdNota");
        for (; !c.Fin(); c.Siguiente()) {
            if (c.Campo(2).isNull() || c.Campo(3).isNull()) {
                resumen.omitidas << tabla + u": la nota de la película " + TextoSeguro(c.Campo(0)) +
                                        u" y el revelador " + TextoSeguro(c.Campo(1)) +
                                        u" no tiene película o revelador en los datos.";
                continue;
            }
            filas.push_back({vista, ValorCsvDe(c.Campo(2)), ValorCsvDe(c.Campo(3)), ValorCsvDe(c.Campo(4)),
                             ValorCsvDe(c.Campo(5))});
        }
    }
    return filas;
}

} // namespace

ArchivosPaquete ArchivosExportacion(ResumenExportacion& resumen) {
    BaseDatos& notas = BaseAbierta(NotesDb());
    BaseDatos& ref = BaseAbierta(ReferenceDb());
    std::array<std::vector<std::vector<ValorCsv>>, kClasesDatos> filas;
    filas[size_t(ClaseDatos::TiemposPropios)] =
        Filas(notas, kTablaTiemposPropios,
              u"SELECT " + ColumnasClase(ClaseDatos::TiemposPropios).join(u", ") + u" FROM " +
                  kTablaTiemposPropios + u" ORDER BY IdTiempo",
              int(ColumnasClase(ClaseDatos::TiemposPropios).size()));
    auto& nombres = filas[size_t(ClaseDatos::PeliculasReveladoresPropios)];
    nombres = Filas(
        notas, kTablaPeliculasPropias,
        u"SELECT 'Pelicula', Nombre, FechaModif FROM " + kTablaPeliculasPropias + u" ORDER BY IdPelicula", 3);
    for (auto& f : Filas(notas, kTablaReveladoresPropios,
                         u"SELECT 'Revelador', Nombre, FechaModif FROM " + kTablaReveladoresPropios +
                             u" ORDER BY IdRevelador",
                         3))
        nombres.push_back(std::move(f));
    filas[size_t(ClaseDatos::NotasPeliculaRevelador)] = NotasPorNombre(ref, resumen);
    filas[size_t(ClaseDatos::NotasFormulas)] =
        Filas(ref, kTablaFormulas,
              u"SELECT Nombre, MisNotasFormulas FROM " + kTablaFormulas +
                  u" WHERE MisNotasFormulas IS NOT NULL AND MisNotasFormulas <> '' ORDER BY IdFormula",
              2);
    filas[size_t(ClaseDatos::NotasPersonales)] =
        Filas(notas, kTablaNotasPersonales,
              u"SELECT Fecha, Titulo, Texto FROM " + kTablaNotasPersonales + u" ORDER BY Id", 3);
    // Columns named as in the tables; a session's bottle by the bottle's own id, which the
    // package's bottles carry.
    for (const auto& [clase, tabla, clave] :
         {std::tuple{ClaseDatos::TanquesPropios, kTablaTanquesPropios, QStringLiteral("IdTanque")},
          std::tuple{ClaseDatos::BotellasRevelador, kTablaBotellasRevelador, QStringLiteral("IdBotella")},
          std::tuple{ClaseDatos::SesionesRevelado, kTablaSesionesRevelado, QStringLiteral("IdSesion")}}) {
        const QStringList columnas = ColumnasClase(clase);
        filas[size_t(clase)] =
            Filas(notas, tabla, u"SELECT " + columnas.join(u", ") + u" FROM " + tabla + u" ORDER BY " + clave,
                  int(columnas.size()));
    }

    ArchivosPaquete archivos;
    archivos[kArchivoManifiesto] = EscribirCsv(
        {QStringLiteral("Formato"), QStringLiteral("Version"), QStringLiteral("Fecha")},
        {{kFormatoMisDatos, QString::number(kVersionMisDatos), FechaBD(QDateTime::currentDateTime())}});
    for (ClaseDatos c : kClasesMisDatos) {
        for (auto& fila : filas[size_t(c)])
            for (ValorCsv& v : fila)
                v = Desactivar(v);
        resumen.filas[size_t(c)] = int(filas[size_t(c)].size());
        archivos[ArchivoClase(c)] = EscribirCsv(ColumnasClase(c), filas[size_t(c)]);
    }
    return archivos;
}

ResumenExportacion ExportarMisDatos(const QString& ruta) {
    ResumenExportacion resumen;
    EscribirContenedor(ruta, ArchivosExportacion(resumen));
    return resumen;
}

QString TextoExportado(const ResumenExportacion& resumen, const QString& ruta) {
    QStringList lineas{u"Datos exportados a " + ruta + u':'};
    for (ClaseDatos c : kClasesMisDatos)
        lineas << u"  " + NombreClase(c) + u": " + QString::number(resumen.filas[size_t(c)]);
    if (!resumen.omitidas.isEmpty()) {
        lineas << QString()
               << QStringLiteral("No se exportaron (su película o revelador ya no está en los datos):");
        for (const QString& o : resumen.omitidas)
            lineas << u"  " + o;
    }
    return lineas.join(u'\n');
}

#include "devtimes/ConsultasTiempos.h"

#include "shell/AlmacenDatos.h"
#include "shell/DialectoJet.h"
#include "shell/Esquema.h"

#include <QDateTime>
#include <QSet>

namespace {

QString TablaLista(bool modoPelicula) {
    return modoPelicula ? kTablaPeliculas : kTablaReveladores;
}

QString ClaveLista(bool modoPelicula) {
    return modoPelicula ? QStringLiteral("IdPelicula") : QStringLiteral("IdRevelador");
}

// Grid columns 3 to 5 hold the times.
bool EsTiempo(int columna) {
    return columna >= 3 && columna <= 5;
}

} // namespace

QString ConsultaLista(bool modoPelicula, const QString& filtro) {
    const QString f = filtro.trimmed();
    QString sql = u"SELECT " + ClaveLista(modoPelicula) + u", Nombre FROM " + TablaLista(modoPelicula);
    if (!f.isEmpty())
        sql += u" WHERE Nombre LIKE '*" + DoblarComillas(f) + u"*'";
    return sql + u" ORDER BY Nombre";
}

QString ConsultaTemperaturas(bool modoPelicula, int id) {
    return u"SELECT DISTINCT Temperatura FROM " + kTablaTiempos + u" WHERE " + ClaveLista(modoPelicula) +
           u" = " + QString::number(id) +
           u" AND Temperatura IS NOT NULL AND Temperatura <> '' ORDER BY Temperatura";
}

QString ConsultaTiempos(bool modoPelicula, int id, const QString& temperatura) {
    QString condicion =
        (modoPelicula ? QStringLiteral("t.IdPelicula = ") : QStringLiteral("t.IdRevelador = ")) +
        QString::number(id);
    if (!temperatura.isEmpty())
        condicion += u" AND t.Temperatura = '" + DoblarComillas(temperatura) + u'\'';
    const QString columnas = QStringLiteral("t.Dilucion, t.ISO, ") +
                             QStringLiteral("t.Tiempo35, t.Tiempo120, t.TiempoHoja, t.Temperatura, t.Notas ");
    if (modoPelicula)
        return u"SELECT r.Nombre AS NombreCol, " + columnas + u"FROM " + kTablaTiempos + u" t INNER JOIN " +
               kTablaReveladores + u" r ON t.IdRevelador = r.IdRevelador WHERE " + condicion +
               u" ORDER BY r.Nombre, Val(t.ISO)";
    return u"SELECT p.Nombre AS NombreCol, " + columnas + u"FROM " + kTablaTiempos + u" t INNER JOIN " +
           kTablaPeliculas + u" p ON t.IdPelicula = p.IdPelicula WHERE " + condicion +
           u" ORDER BY p.Nombre, Val(t.ISO)";
}

QString ConsultaDescripcionCodigo(const QString& codigo) {
    return u"SELECT DescripcionES FROM " + kTablaNotasPeliRev + u" WHERE Codigo='" + DoblarComillas(codigo) +
           u'\'';
}

QString ConsultaIdPorNombre(bool modoPelicula, const QString& nombreOtroLado) {
    const QString n = DoblarComillas(nombreOtroLado);
    if (modoPelicula)
        return u"SELECT IdRevelador FROM " + kTablaReveladores + u" WHERE Nombre='" + n + u'\'';
    return u"SELECT IdPelicula FROM " + kTablaPeliculas + u" WHERE Nombre='" + n + u'\'';
}

QString ConsultaNotaMia(bool modoPelicula, int idPelicula, int idRevelador) {
    if (modoPelicula)
        return u"SELECT IdNota, Texto FROM " + kTablaNotasMiasPelicula + u" WHERE IdPelicula=" +
               QString::number(idPelicula) + u" AND IdRevelador=" + QString::number(idRevelador);
    return u"SELECT IdNota, Texto FROM " + kTablaNotasMiasRevelador + u" WHERE IdRevelador=" +
           QString::number(idRevelador) + u" AND IdPelicula=" + QString::number(idPelicula);
}

QString TablaNotasMias(bool modoPelicula) {
    return modoPelicula ? kTablaNotasMiasPelicula : kTablaNotasMiasRevelador;
}

// ---------------------------------------------------------------------------------------------

std::vector<ItemLista> LeerLista(bool modoPelicula, const QString& filtro) {
    std::vector<ItemLista> items;
    BaseDatos* bd = ReferenceDb();
    if (!bd || !FiltroValido(filtro))
        return items;
    for (Consulta c = bd->Consultar(ConsultaLista(modoPelicula, filtro)); !c.Fin(); c.Siguiente())
        items.push_back({c.Campo(0).toInt(), TextoSeguro(c.Campo(1))});
    return items;
}

QStringList LeerColumna(const QString& sql) {
    QStringList valores;
    BaseDatos* bd = ReferenceDb();
    if (!bd)
        return valores;
    for (Consulta c = bd->Consultar(sql); !c.Fin(); c.Siguiente())
        valores << TextoSeguro(c.Campo(0));
    return valores;
}

std::vector<QStringList> LeerFilas(const QString& sql, int columnas, bool recortarTiempos) {
    std::vector<QStringList> filas;
    BaseDatos* bd = ReferenceDb();
    if (!bd)
        return filas;
    for (Consulta c = bd->Consultar(sql); !c.Fin(); c.Siguiente()) {
        QStringList textos;
        textos.reserve(columnas);
        for (int i = 0; i < columnas; ++i) {
            const QString t = TextoSeguro(c.Campo(i));
            textos << (recortarTiempos && EsTiempo(i) ? t.trimmed() : t);
        }
        filas.push_back(std::move(textos));
    }
    return filas;
}

QStringList LeerTemperaturas(bool modoPelicula, int id) {
    return LeerColumna(ConsultaTemperaturas(modoPelicula, id));
}

std::vector<QStringList> LeerTiempos(bool modoPelicula, int id, const QString& temperatura) {
    return LeerFilas(ConsultaTiempos(modoPelicula, id, temperatura), 8, true);
}

int BuscarIdOtroLado(bool modoPelicula, const QString& nombre) {
    BaseDatos* bd = ReferenceDb();
    if (!bd)
        return 0;
    Consulta c = bd->Consultar(ConsultaIdPorNombre(modoPelicula, nombre));
    return c.Fin() ? 0 : c.Campo(0).toInt();
}

std::optional<NotaMia> LeerNotaMia(bool modoPelicula, int idPelicula, int idRevelador) {
    BaseDatos* bd = ReferenceDb();
    if (!bd)
        return std::nullopt;
    Consulta c = bd->Consultar(ConsultaNotaMia(modoPelicula, idPelicula, idRevelador));
    if (c.Fin())
        return std::nullopt;
    return NotaMia{c.Campo(QStringLiteral("IdNota")).toInt(), TextoSeguro(c.Campo(QStringLiteral("Texto")))};
}

int GuardarNotaMia(bool modoPelicula, int idNota, int idPelicula, int idRevelador, const QString& texto) {
    BaseDatos* bd = ReferenceDb();
    if (!bd)
        return idNota;
    const QString tabla = TablaNotasMias(modoPelicula);
    const QString ahora = FechaBD(QDateTime::currentDateTime());
    // A note cleared meanwhile (service window) is written anew rather than lost.
    if (idNota != 0 &&
        bd->Actualizar(tabla, QStringLiteral("IdNota"), idNota,
                       {{QStringLiteral("Texto"), texto}, {QStringLiteral("FechaModif"), ahora}}) > 0)
        return idNota;
    return int(bd->Insertar(tabla, {{QStringLiteral("IdPelicula"), idPelicula},
                                    {QStringLiteral("IdRevelador"), idRevelador},
                                    {QStringLiteral("Texto"), texto},
                                    {QStringLiteral("FechaModif"), ahora}}));
}

QString DescribirCodigos(const QString& notas) {
    if (notas.trimmed().isEmpty())
        return {};
    QString resultado;
    QString resto = notas;
    for (;;) {
        const qsizetype p1 = resto.indexOf(u'['), p2 = resto.indexOf(u']');
        if (p1 < 0 || p2 <= p1)
            break;
        const QString codigo = resto.mid(p1 + 1, p2 - p1 - 1);
        if (!resultado.isEmpty())
            resultado += QStringLiteral("  |  ");
        const QStringList descripcion = LeerColumna(ConsultaDescripcionCodigo(codigo));
        resultado += u'[' + codigo + u']';
        if (!descripcion.isEmpty())
            resultado += u"  " + descripcion.front();
        resto = resto.mid(p2 + 1);
    }
    const QString cola = resto.trimmed();
    if (!cola.isEmpty())
        resultado = resultado.isEmpty() ? cola : resultado + u"  |  " + cola;
    return resultado.isEmpty() ? notas : resultado;
}

QString TextoConteo(bool modoPelicula, int entradas) {
    return QString::number(entradas) +
           (modoPelicula ? QStringLiteral(" películas") : QStringLiteral(" reveladores"));
}

QString TextoEstadoTiempos(const QString& item, int filas) {
    if (filas == 0)
        return item + u"  - sin datos";
    return item + u"  -  " + QString::number(filas) + u" combinaciones";
}

QString TextoConteoConTiempos(bool modoPelicula, int entradas, int conTiempos) {
    return TextoConteo(modoPelicula, entradas) + u", " + QString::number(conTiempos) + u" con tiempos";
}

std::vector<bool> TienenTiempos(bool modoPelicula, const std::vector<ItemLista>& items) {
    std::vector<bool> con(items.size(), false);
    BaseDatos* bd = ReferenceDb();
    if (!bd)
        return con;
    QSet<int> ids;
    const QString columna = modoPelicula ? QStringLiteral("IdPelicula") : QStringLiteral("IdRevelador");
    for (Consulta c = bd->Consultar(u"SELECT DISTINCT " + columna + u" FROM Tiempos"); !c.Fin();
         c.Siguiente())
        ids.insert(c.Campo(0).toInt());
    for (size_t i = 0; i < items.size(); ++i)
        con[i] = items[i].id > 0 && ids.contains(items[i].id);
    return con;
}

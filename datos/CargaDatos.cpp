#include "datos/CargaDatos.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace {

// A column that must name a row of another table of the same database.
struct Referencia {
    const char* tabla;
    const char* columna;
    const char* tablaDestino;
    const char* columnaDestino;
};

constexpr Referencia kReferencias[] = {
    {"Tiempos", "IdPelicula", "Peliculas", "IdPelicula"},
    {"Tiempos", "IdRevelador", "Reveladores", "IdRevelador"},
    {"PeliculasInfoTec", "IdPelicula", "Peliculas", "IdPelicula"},
    {"Ingredientes", "IdFormula", "Formulas", "IdFormula"},
};

QVariant Convertir(const ValorCsv& valor, const QString& tipo, const QString& archivo, int linea,
                   const QString& columna) {
    if (!valor)
        return {};
    bool ok = true;
    QVariant r;
    if (tipo.startsWith(u"INTEGER"))
        r = valor->trimmed().toLongLong(&ok);
    else if (tipo.startsWith(u"NUMERIC"))
        r = valor->trimmed().toDouble(&ok);
    else
        r = *valor;
    if (!ok)
        throw ErrorBD(UbicarError(archivo, linea, columna + u" no es un número: '" + *valor + u"'"));
    return r;
}

void CargarTabla(BaseDatos& bd, const TablaEsquema& tabla, const TablaCsv& csv) {
    std::vector<QString> tipos;
    for (const QString& nombre : csv.cabecera) {
        const auto c = std::find_if(tabla.columnas.begin(), tabla.columnas.end(),
                                    [&](const ColumnaEsquema& col) { return col.nombre == nombre; });
        if (c == tabla.columnas.end())
            throw ErrorBD(
                UbicarError(csv.archivo, 1, u"la tabla " + tabla.nombre + u" no tiene la columna " + nombre));
        tipos.push_back(c->tipo);
    }
    for (const FilaCsv& fila : csv.filas) {
        Campos campos;
        for (size_t i = 0; i < tipos.size(); ++i)
            campos.emplace_back(
                csv.cabecera[qsizetype(i)],
                Convertir(fila.campos[i], tipos[i], csv.archivo, fila.linea, csv.cabecera[qsizetype(i)]));
        try {
            bd.Insertar(tabla.nombre, campos);
        } catch (const ErrorBD& e) {
            throw ErrorBD(UbicarError(csv.archivo, fila.linea, e.Descripcion()));
        }
    }
}

QSet<QString> Valores(const ConjuntoDatos& datos, const QString& tabla, const QString& columna) {
    QSet<QString> r;
    const auto t = datos.find(tabla);
    if (t != datos.end())
        for (const FilaCsv& f : t->second.filas)
            if (const ValorCsv v = t->second.Valor(f, columna))
                r.insert(v->trimmed());
    return r;
}

// Every reference names an existing row; every note code has its description.
void ComprobarReferencias(const ConjuntoDatos& datos) {
    for (const Referencia& ref : kReferencias) {
        const auto t = datos.find(QString::fromUtf8(ref.tabla));
        if (t == datos.end())
            continue;
        const QSet<QString> destino =
            Valores(datos, QString::fromUtf8(ref.tablaDestino), QString::fromUtf8(ref.columnaDestino));
        for (const FilaCsv& f : t->second.filas) {
            const ValorCsv v = t->second.Valor(f, QString::fromUtf8(ref.columna));
            if (v && !destino.contains(v->trimmed()))
                throw ErrorBD(UbicarError(t->second.archivo, f.linea,
                                          QString::fromUtf8(ref.columna) + u" " + *v + u" no existe en " +
                                              QString::fromUtf8(ref.tablaDestino)));
        }
    }
    const auto tiempos = datos.find(QStringLiteral("Tiempos"));
    if (tiempos == datos.end())
        return;
    const QSet<QString> codigos = Valores(datos, QStringLiteral("NotasPeliRev"), QStringLiteral("Codigo"));
    for (const FilaCsv& f : tiempos->second.filas)
        for (const QString& c :
             CodigosNotas(tiempos->second.Valor(f, QStringLiteral("Notas")).value_or(QString())))
            if (!codigos.contains(c))
                throw ErrorBD(UbicarError(tiempos->second.archivo, f.linea,
                                          u"el código [" + c + u"] no tiene descripción en NotasPeliRev"));
}

} // namespace

QStringList CodigosNotas(const QString& notas) {
    static const QRegularExpression codigo(QStringLiteral("\\[([^\\[\\]]*)\\]"));
    QStringList r;
    for (const QRegularExpressionMatch& m : codigo.globalMatch(notas))
        r << m.captured(1);
    return r;
}

ConjuntoDatos LeerConjuntoDatos(const QString& carpeta) {
    const QDir dir(carpeta);
    if (!dir.exists())
        throw ErrorBD(u"No existe la carpeta de datos " + carpeta);
    ConjuntoDatos datos;
    for (const QString& archivo : dir.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name)) {
        const QString nombre = archivo.chopped(4);
        const TablaEsquema* tabla = BuscarTabla(EsquemaReferencia(), nombre);
        if (!tabla)
            tabla = BuscarTabla(EsquemaNotas(), nombre);
        if (!tabla)
            throw ErrorBD(archivo + u": no hay ninguna tabla " + nombre);
        datos.emplace(tabla->nombre, LeerCsv(dir.filePath(archivo)));
    }
    ComprobarReferencias(datos);
    return datos;
}

void CargarDatos(BaseDatos& bd, const std::vector<TablaEsquema>& esquema, const ConjuntoDatos& datos) {
    Transaccion tx(bd);
    for (const TablaEsquema& tabla : esquema) {
        const auto t = datos.find(tabla.nombre);
        if (t != datos.end())
            CargarTabla(bd, tabla, t->second);
    }
    tx.Confirmar();
}

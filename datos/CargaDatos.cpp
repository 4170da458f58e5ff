#include "datos/CargaDatos.h"

#include "shell/Archivos.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace {

// A column that must name a row of another table of the same database.
struct Referencia {
    const QString& tabla;
    const char* columna;
    const QString& tablaDestino;
    const char* columnaDestino;
};

const Referencia kReferencias[] = {
    {kTablaTiempos, "IdPelicula", kTablaPeliculas, "IdPelicula"},
    {kTablaTiempos, "IdRevelador", kTablaReveladores, "IdRevelador"},
    {kTablaPeliculasInfoTec, "IdPelicula", kTablaPeliculas, "IdPelicula"},
    {kTablaIngredientes, "IdFormula", kTablaFormulas, "IdFormula"},
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
        const auto t = datos.find(ref.tabla);
        if (t == datos.end())
            continue;
        const QSet<QString> destino = Valores(datos, ref.tablaDestino, QString::fromUtf8(ref.columnaDestino));
        for (const FilaCsv& f : t->second.filas) {
            const ValorCsv v = t->second.Valor(f, QString::fromUtf8(ref.columna));
            if (v && !destino.contains(v->trimmed()))
                throw ErrorBD(UbicarError(t->second.archivo, f.linea,
                                          QString::fromUtf8(ref.columna) + u" " + *v + u" no existe en " +
                                              ref.tablaDestino));
        }
    }
    const auto tiempos = datos.find(kTablaTiempos);
    if (tiempos == datos.end())
        return;
    const QSet<QString> codigos = Valores(datos, kTablaNotasPeliRev, QStringLiteral("Codigo"));
    for (const FilaCsv& f : tiempos->second.filas)
        for (const QString& c :
             CodigosNotas(tiempos->second.Valor(f, QStringLiteral("Notas")).value_or(QString())))
            if (!codigos.contains(c))
                throw ErrorBD(
                    UbicarError(tiempos->second.archivo, f.linea,
                                u"el código [" + c + u"] no tiene descripción en " + kTablaNotasPeliRev));
}

// Columns that no two rows of a table may share. Two times of one combination are allowed when
// their notes differ (another sheet, a superseded edition labelled as such).
const std::vector<std::pair<QString, QStringList>>& ClavesUnicas() {
    static const std::vector<std::pair<QString, QStringList>> claves = {
        {kTablaPeliculas, {QStringLiteral("IdPelicula")}},
        {kTablaPeliculas, {QStringLiteral("Nombre")}},
        {kTablaReveladores, {QStringLiteral("IdRevelador")}},
        {kTablaReveladores, {QStringLiteral("Nombre")}},
        {kTablaFormulas, {QStringLiteral("IdFormula")}},
        {kTablaPeliculasInfoTec, {QStringLiteral("IdPelicula")}},
        {kTablaNotasPeliRev, {QStringLiteral("Codigo")}},
        {kTablaIngredientes,
         {QStringLiteral("IdFormula"), QStringLiteral("NumeroParte"), QStringLiteral("Orden")}},
        {kTablaTiempos,
         {QStringLiteral("IdPelicula"), QStringLiteral("IdRevelador"), QStringLiteral("Dilucion"),
          QStringLiteral("ISO"), QStringLiteral("Temperatura"), QStringLiteral("Notas")}},
        {kTablaNotasPersonales, {QStringLiteral("Id")}},
    };
    return claves;
}

void ComprobarClavesUnicas(const ConjuntoDatos& datos) {
    for (const auto& [tabla, columnas] : ClavesUnicas()) {
        const auto t = datos.find(tabla);
        if (t == datos.end())
            continue;
        QHash<QString, int> vistas;
        for (const FilaCsv& f : t->second.filas) {
            QStringList valores;
            for (const QString& c : columnas)
                valores << t->second.Valor(f, c).value_or(QString()).simplified().toCaseFolded();
            const QString clave = valores.join(QChar(0x1f));
            if (const auto previa = vistas.constFind(clave); previa != vistas.constEnd())
                throw ErrorBD(UbicarError(t->second.archivo, f.linea,
                                          u"clave repetida (" + columnas.join(u", ") +
                                              u"): ya está en la línea " + QString::number(*previa)));
            vistas.insert(clave, f.linea);
        }
    }
}

void ComprobarDescripciones(const ConjuntoDatos& datos) {
    const auto t = datos.find(kTablaNotasPeliRev);
    if (t == datos.end())
        return;
    for (const FilaCsv& f : t->second.filas) {
        const QString codigo = t->second.Valor(f, QStringLiteral("Codigo")).value_or(QString()).trimmed();
        if (codigo.isEmpty())
            throw ErrorBD(UbicarError(t->second.archivo, f.linea, QStringLiteral("fila sin código")));
        if (t->second.Valor(f, QStringLiteral("DescripcionES")).value_or(QString()).trimmed().isEmpty())
            throw ErrorBD(
                UbicarError(t->second.archivo, f.linea, u"el código [" + codigo + u"] no tiene descripción"));
    }
}

// A time is m:ss, or a range as the maker prints it (m:ss-m:ss); empty where there is none.
void ComprobarTiempos(const ConjuntoDatos& datos) {
    static const QRegularExpression tiempo(
        QStringLiteral("^\\d{1,3}:[0-5]\\d(\\s*[-\\x{2013}]\\s*\\d{1,3}:[0-5]\\d)?$"));
    const std::pair<QString, QStringList> columnas[] = {
        {kTablaTiempos,
         {QStringLiteral("Tiempo35"), QStringLiteral("Tiempo120"), QStringLiteral("TiempoHoja")}},
        {kTablaPeliculasDisc, {QStringLiteral("35mm"), QStringLiteral("120"), QStringLiteral("Hoja")}},
        {kTablaReveladoresDisc, {QStringLiteral("35mm"), QStringLiteral("120"), QStringLiteral("Hoja")}},
    };
    for (const auto& [tabla, nombres] : columnas) {
        const auto t = datos.find(tabla);
        if (t == datos.end())
            continue;
        for (const FilaCsv& f : t->second.filas)
            for (const QString& c : nombres) {
                const QString v = t->second.Valor(f, c).value_or(QString()).trimmed();
                if (!v.isEmpty() && !tiempo.match(v).hasMatch())
                    throw ErrorBD(UbicarError(
                        t->second.archivo, f.linea,
                        c + u" '" + v + u"' no es un tiempo m:ss ni un intervalo impreso (m:ss-m:ss)"));
            }
    }
}

// The tables whose ids the user's notes point at, with their key column.
const std::pair<QString, QString> kTablasConIds[] = {
    {kTablaPeliculas, QStringLiteral("IdPelicula")},
    {kTablaReveladores, QStringLiteral("IdRevelador")},
    {kTablaFormulas, QStringLiteral("IdFormula")},
};

QString Mismo(const QString& nombre) {
    return nombre.simplified().toCaseFolded();
}

void ComprobarIdsEstables(const ConjuntoDatos& datos, const TablaCsv& registro) {
    for (const FilaCsv& r : registro.filas) {
        const QString tabla = registro.Valor(r, QStringLiteral("Tabla")).value_or(QString()).trimmed();
        const QString id = registro.Valor(r, QStringLiteral("Id")).value_or(QString()).trimmed();
        const QString nombre = registro.Valor(r, QStringLiteral("Nombre")).value_or(QString()).trimmed();
        const auto clave = std::find_if(std::begin(kTablasConIds), std::end(kTablasConIds),
                                        [&](const auto& t) { return t.first == tabla; });
        if (clave == std::end(kTablasConIds))
            throw ErrorBD(UbicarError(registro.archivo, r.linea, u"no hay ninguna tabla " + tabla));
        const auto t = datos.find(tabla);
        const FilaCsv* actual = nullptr;
        if (t != datos.end())
            for (const FilaCsv& f : t->second.filas)
                if (t->second.Valor(f, clave->second).value_or(QString()).trimmed() == id)
                    actual = &f;
        if (!actual)
            throw ErrorBD(tabla + u".csv: falta el id " + id + u" («" + nombre +
                          u"») de la edición anterior, al que apuntan las notas del usuario (" +
                          registro.archivo + u", línea " + QString::number(r.linea) + u')');
        const QString ahora =
            t->second.Valor(*actual, QStringLiteral("Nombre")).value_or(QString()).trimmed();
        if (Mismo(ahora) != Mismo(nombre))
            throw ErrorBD(UbicarError(t->second.archivo, actual->linea,
                                      u"el id " + id + u" era «" + nombre +
                                          u"» en la edición anterior y ahora es «" + ahora +
                                          u"»; un id no cambia de nombre entre ediciones"));
    }
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
        if (archivo == kArchivoIdsAnteriores)
            continue;
        const QString nombre = archivo.chopped(4);
        const TablaEsquema* tabla = BuscarTabla(EsquemaReferencia(), nombre);
        if (!tabla)
            tabla = BuscarTabla(EsquemaNotas(), nombre);
        if (!tabla)
            throw ErrorBD(archivo + u": no hay ninguna tabla " + nombre);
        datos.emplace(tabla->nombre, LeerCsv(dir.filePath(archivo)));
    }
    ComprobarReferencias(datos);
    ComprobarDescripciones(datos);
    ComprobarClavesUnicas(datos);
    ComprobarTiempos(datos);
    if (dir.exists(kArchivoIdsAnteriores))
        ComprobarIdsEstables(datos, LeerCsv(dir.filePath(kArchivoIdsAnteriores)));
    return datos;
}

int LeerEdicionConjunto(const QString& carpeta) {
    const QString ruta = QDir(carpeta).filePath(kArchivoEdicion);
    if (!QFile::exists(ruta))
        return 1;
    QByteArray contenido;
    if (const ResultadoArchivo r = LeerArchivo(ruta, contenido); !r)
        throw ErrorBD(u"No se puede leer " + ruta + u": " + r.motivo);
    bool ok = false;
    const int edicion = QString::fromUtf8(contenido).trimmed().toInt(&ok);
    if (!ok || edicion < 1)
        throw ErrorBD(kArchivoEdicion + u": la edición de los datos debe ser un número entero desde 1");
    return edicion;
}

void RegistrarIds(const QString& carpeta) {
    const ConjuntoDatos datos = LeerConjuntoDatos(carpeta);
    QByteArray texto = "Tabla,Id,Nombre\n";
    for (const auto& [tabla, clave] : kTablasConIds) {
        const auto t = datos.find(tabla);
        if (t == datos.end())
            continue;
        for (const FilaCsv& f : t->second.filas) {
            QString nombre = t->second.Valor(f, QStringLiteral("Nombre")).value_or(QString()).trimmed();
            nombre = u'"' + nombre.replace(u'"', QStringLiteral("\"\"")) + u'"';
            texto += (tabla + u',' + t->second.Valor(f, clave).value_or(QString()).trimmed() + u',' + nombre)
                         .toUtf8() +
                     '\n';
        }
    }
    // Written beside and renamed, so a failed write leaves the old record.
    const QString ruta = QDir(carpeta).filePath(kArchivoIdsAnteriores);
    QFile nuevo(ruta + u".nuevo");
    if (!nuevo.open(QIODevice::WriteOnly | QIODevice::Truncate) || nuevo.write(texto) != texto.size() ||
        !nuevo.flush())
        throw ErrorBD(u"No se puede escribir " + nuevo.fileName() + u": " + nuevo.errorString());
    nuevo.close();
    QFile::remove(ruta);
    if (!QFile::rename(nuevo.fileName(), ruta))
        throw ErrorBD(u"No se puede escribir " + ruta);
}

void CargarTablas(BaseDatos& bd, const std::vector<TablaEsquema>& esquema, const ConjuntoDatos& datos) {
    for (const TablaEsquema& tabla : esquema) {
        const auto t = datos.find(tabla.nombre);
        if (t != datos.end())
            CargarTabla(bd, tabla, t->second);
    }
}

void CargarDatos(BaseDatos& bd, const std::vector<TablaEsquema>& esquema, const ConjuntoDatos& datos) {
    Transaccion tx(bd);
    CargarTablas(bd, esquema, datos);
    tx.Confirmar();
}

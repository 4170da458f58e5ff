#include "devtimes/TiemposPropios.h"

#include "shell/AlmacenDatos.h"
#include "shell/AvisoDatosPropios.h"
#include "shell/DialectoJet.h"
#include "shell/Esquema.h"
#include "shell/Numeros.h"
#include "shell/OrdenAlfabetico.h"

#include <QDateTime>
#include <QSet>
#include <algorithm>

namespace {

QString TablaNombres(bool modoPelicula) {
    return modoPelicula ? kTablaPeliculasPropias : kTablaReveladoresPropios;
}
QString ColumnaLado(bool modoPelicula) {
    return modoPelicula ? QStringLiteral("Pelicula") : QStringLiteral("Revelador");
}

QString Plegado(const QString& texto) {
    return texto.trimmed().toCaseFolded();
}

TiempoPropio LeerFila(const Consulta& c) {
    auto t = [&](const char* columna) { return TextoSeguro(c.Campo(QString::fromLatin1(columna))); };
    TiempoPropio r;
    r.id = c.Campo(QStringLiteral("IdTiempo")).toLongLong();
    r.pelicula = t("Pelicula");
    r.revelador = t("Revelador");
    r.dilucion = t("Dilucion");
    r.ei = t("EI");
    r.tiempo35 = t("Tiempo35");
    r.tiempo120 = t("Tiempo120");
    r.tiempoHoja = t("TiempoHoja");
    r.temperatura = t("Temperatura");
    r.agitacion = t("Agitacion");
    r.nota = t("Nota");
    return r;
}

Campos CamposDe(const TiempoPropio& t) {
    return {{QStringLiteral("Pelicula"), t.pelicula.trimmed()},
            {QStringLiteral("Revelador"), t.revelador.trimmed()},
            {QStringLiteral("Dilucion"), t.dilucion.trimmed()},
            {QStringLiteral("EI"), t.ei.trimmed()},
            {QStringLiteral("Tiempo35"), t.tiempo35},
            {QStringLiteral("Tiempo120"), t.tiempo120},
            {QStringLiteral("TiempoHoja"), t.tiempoHoja},
            {QStringLiteral("Temperatura"), t.temperatura.trimmed()},
            {QStringLiteral("Agitacion"), t.agitacion},
            {QStringLiteral("Nota"), t.nota},
            {QStringLiteral("FechaModif"), FechaBD(QDateTime::currentDateTime())}};
}

// Records the name as own unless the reference list or the own table already has it.
void AnotarNombrePropio(BaseDatos& bd, bool modoPelicula, const QString& nombre) {
    const QString n = nombre.trimmed();
    if (n.isEmpty() || EsNombreReferencia(modoPelicula, n))
        return;
    const QString tabla = TablaNombres(modoPelicula);
    if (!bd.Consultar(u"SELECT 1 FROM " + tabla + u" WHERE Nombre = ?", {n}).Fin())
        return;
    bd.Insertar(tabla, {{QStringLiteral("Nombre"), n},
                        {QStringLiteral("FechaModif"), FechaBD(QDateTime::currentDateTime())}});
}

} // namespace

QStringList LeerNombresPropios(bool modoPelicula, const QString& filtro) {
    QStringList nombres;
    BaseDatos* bd = NotesDb();
    if (!bd || !FiltroValido(filtro))
        return nombres;
    const QString f = filtro.trimmed();
    QString sql = u"SELECT Nombre FROM " + TablaNombres(modoPelicula);
    QVariantList parametros;
    if (!f.isEmpty()) {
        sql += QStringLiteral(" WHERE Nombre LIKE ?");
        parametros << QVariant(u'*' + f + u'*');
    }
    for (Consulta c = bd->Consultar(sql + u" ORDER BY Nombre", parametros); !c.Fin(); c.Siguiente()) {
        const QString n = TextoSeguro(c.Campo(0)).trimmed();
        if (!n.isEmpty())
            nombres << n;
    }
    return nombres;
}

int RegistrarNombresPropios() {
    BaseDatos* bd = NotesDb();
    if (!bd || !ReferenceDb() || bd->SoloLectura())
        return 0;
    int anadidos = 0;
    Transaccion tx(*bd);
    for (const bool modo : {true, false}) {
        QSet<QString> conocidos;
        for (const ItemLista& i : LeerLista(modo, {}))
            conocidos.insert(Plegado(i.nombre));
        for (Consulta c = bd->Consultar(u"SELECT Nombre FROM " + TablaNombres(modo)); !c.Fin(); c.Siguiente())
            conocidos.insert(Plegado(TextoSeguro(c.Campo(0))));
        QStringList faltan;
        const QString columna = ColumnaLado(modo);
        for (Consulta c = bd->Consultar(u"SELECT DISTINCT " + columna + u" FROM " + kTablaTiemposPropios);
             !c.Fin(); c.Siguiente()) {
            const QString n = TextoSeguro(c.Campo(0)).trimmed();
            if (!n.isEmpty() && !conocidos.contains(Plegado(n))) {
                conocidos.insert(Plegado(n));
                faltan << n;
            }
        }
        for (const QString& n : faltan)
            AnotarNombrePropio(*bd, modo, n);
        anadidos += int(faltan.size());
    }
    tx.Confirmar();
    if (anadidos > 0)
        AvisarDatosPropiosCambiados();
    return anadidos;
}

std::vector<ItemLista> MezclarLista(std::vector<ItemLista> referencia, const QStringList& propios) {
    QSet<QString> conocidos;
    for (const ItemLista& i : referencia)
        conocidos.insert(Plegado(i.nombre));
    std::vector<ItemLista> extra;
    for (const QString& n : propios)
        if (!conocidos.contains(Plegado(n))) {
            conocidos.insert(Plegado(n));
            extra.push_back({kIdPropio, n, true});
        }
    if (extra.empty())
        return referencia;
    std::sort(extra.begin(), extra.end(), [](const ItemLista& a, const ItemLista& b) {
        return CompararAlfabetico(a.nombre, b.nombre) < 0;
    });
    std::vector<ItemLista> todos;
    todos.reserve(referencia.size() + extra.size());
    std::merge(
        referencia.begin(), referencia.end(), extra.begin(), extra.end(), std::back_inserter(todos),
        [](const ItemLista& a, const ItemLista& b) { return CompararAlfabetico(a.nombre, b.nombre) < 0; });
    return todos;
}

bool EsNombreReferencia(bool modoPelicula, const QString& nombre) {
    // The searched side's table is the other side of the opposite mode.
    return BuscarIdOtroLado(!modoPelicula, nombre.trimmed()) != 0;
}

QStringList LeerTemperaturasPropias(bool modoPelicula, const QString& nombre) {
    QStringList r;
    BaseDatos* bd = NotesDb();
    if (!bd)
        return r;
    for (Consulta c =
             bd->Consultar(u"SELECT DISTINCT Temperatura FROM " + kTablaTiemposPropios + u" WHERE " +
                               ColumnaLado(modoPelicula) +
                               u" = ? AND Temperatura IS NOT NULL AND Temperatura <> '' ORDER BY Temperatura",
                           {nombre.trimmed()});
         !c.Fin(); c.Siguiente())
        r << TextoSeguro(c.Campo(0));
    return r;
}

QStringList MezclarTemperaturas(const QStringList& referencia, const QStringList& propias) {
    QStringList todas = referencia;
    for (const QString& t : propias)
        if (!todas.contains(t, Qt::CaseInsensitive))
            todas << t;
    // By value (8 before 24, "20,5" between 20 and 21); texts without a number after every number.
    auto clave = [](const QString& t) {
        const QString limpio = t.trimmed();
        const bool numero = !limpio.isEmpty() && limpio.front().isDigit();
        return std::pair{!numero, numero ? LeerNumeroInicial(limpio, true) : 0.0};
    };
    std::stable_sort(todas.begin(), todas.end(), [&](const QString& a, const QString& b) {
        const auto ka = clave(a), kb = clave(b);
        return ka != kb ? ka < kb : CompararAlfabetico(a, b) < 0;
    });
    return todas;
}

std::vector<TiempoPropio> LeerTiemposPropios(bool modoPelicula, const QString& nombre,
                                             const QString& temperatura) {
    std::vector<TiempoPropio> r;
    BaseDatos* bd = NotesDb();
    if (!bd)
        return r;
    QString sql = u"SELECT * FROM " + kTablaTiemposPropios + u" WHERE " + ColumnaLado(modoPelicula) + u" = ?";
    QVariantList parametros{nombre.trimmed()};
    if (!temperatura.isEmpty()) {
        sql += QStringLiteral(" AND Temperatura = ?");
        parametros << temperatura;
    }
    sql += u" ORDER BY " + ColumnaLado(!modoPelicula) + u", Val(EI), IdTiempo";
    for (Consulta c = bd->Consultar(sql, parametros); !c.Fin(); c.Siguiente())
        r.push_back(LeerFila(c));
    return r;
}

std::optional<TiempoPropio> LeerTiempoPropio(qint64 id) {
    BaseDatos* bd = NotesDb();
    if (!bd)
        return std::nullopt;
    Consulta c = bd->Consultar(u"SELECT * FROM " + kTablaTiemposPropios + u" WHERE IdTiempo = ?", {id});
    if (c.Fin())
        return std::nullopt;
    return LeerFila(c);
}

QStringList TextosFila(const TiempoPropio& t, bool modoPelicula) {
    QString notas = kCodigoPropio;
    // Line breaks of the note would make the one-line cell unreadable.
    const QString nota = QString(t.nota).replace(u'\n', u' ').simplified();
    if (!nota.isEmpty())
        notas += u' ' + nota;
    return {modoPelicula ? t.revelador : t.pelicula,
            t.dilucion,
            t.ei,
            t.tiempo35,
            t.tiempo120,
            t.tiempoHoja,
            t.temperatura,
            notas};
}

std::vector<FilaTiempos> MezclarFilas(std::vector<QStringList> referencia,
                                      const std::vector<TiempoPropio>& propios, bool modoPelicula) {
    std::vector<FilaTiempos> filas;
    filas.reserve(referencia.size() + propios.size());
    // Both inputs are in (name, EI) order; an own row goes after the reference rows it ties with.
    auto antes = [](const QString& nombreA, const QString& eiA, const QString& nombreB, const QString& eiB) {
        const int c = CompararAlfabetico(nombreA, nombreB);
        return c != 0 ? c < 0 : LeerNumeroInicial(eiA) < LeerNumeroInicial(eiB);
    };
    size_t i = 0;
    for (const TiempoPropio& t : propios) {
        const QStringList propia = TextosFila(t, modoPelicula);
        while (i < referencia.size() && !antes(propia[0], propia[2], referencia[i][0], referencia[i][2]))
            filas.push_back({std::move(referencia[i++]), 0});
        filas.push_back({propia, t.id});
    }
    for (; i < referencia.size(); ++i)
        filas.push_back({std::move(referencia[i]), 0});
    return filas;
}

QString DescribirTiempoPropio(const TiempoPropio& t) {
    QString r = kCodigoPropio + u"  " + kDescripcionPropio;
    if (!t.agitacion.trimmed().isEmpty())
        r += u"  |  Agitación: " + t.agitacion.trimmed();
    if (!t.nota.trimmed().isEmpty())
        r += u"  |  " + t.nota;
    return r;
}

QString PlegarNombre(const QString& nombre) {
    QString sinMarcas;
    for (const QChar c : nombre.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            sinMarcas += c;
    return sinMarcas.simplified().toCaseFolded();
}

QString ClaveTiempoPropio(const TiempoPropio& t) {
    return PlegarNombre(t.pelicula) + u'\x1f' + PlegarNombre(t.revelador) + u'\x1f' +
           PlegarNombre(t.dilucion) + u'\x1f' + PlegarNombre(t.ei) + u'\x1f' + PlegarNombre(t.temperatura);
}

std::optional<qint64> BuscarTiempoIgual(const TiempoPropio& t) {
    BaseDatos* bd = NotesDb();
    if (!bd)
        return std::nullopt;
    // Every row: the engine's comparison of names does not fold accents and blanks as the key does.
    const QString clave = ClaveTiempoPropio(t);
    for (Consulta c = bd->Consultar(u"SELECT * FROM " + kTablaTiemposPropios + u" ORDER BY IdTiempo");
         !c.Fin(); c.Siguiente()) {
        const TiempoPropio otro = LeerFila(c);
        if (otro.id != t.id && ClaveTiempoPropio(otro) == clave)
            return otro.id;
    }
    return std::nullopt;
}

qint64 GuardarTiempoPropio(const TiempoPropio& t, std::optional<qint64> igual) {
    BaseDatos* bd = NotesDb();
    if (!bd)
        throw ErrorBD(QStringLiteral("La base de datos de notas no está abierta."));
    Transaccion tx(*bd);
    AnotarNombrePropio(*bd, true, t.pelicula);
    AnotarNombrePropio(*bd, false, t.revelador);
    qint64 id = t.id != 0 ? t.id : igual.value_or(0);
    // A time deleted meanwhile is written anew rather than lost.
    if (id == 0 || bd->Actualizar(kTablaTiemposPropios, QStringLiteral("IdTiempo"), id, CamposDe(t)) == 0)
        id = bd->Insertar(kTablaTiemposPropios, CamposDe(t));
    if (igual && *igual != id)
        bd->Ejecutar(u"DELETE FROM " + kTablaTiemposPropios + u" WHERE IdTiempo = ?", {*igual});
    tx.Confirmar();
    AvisarDatosPropiosCambiados();
    return id;
}

void BorrarTiempoPropio(qint64 id) {
    if (BaseDatos* bd = NotesDb()) {
        bd->Ejecutar(u"DELETE FROM " + kTablaTiemposPropios + u" WHERE IdTiempo = ?", {id});
        AvisarDatosPropiosCambiados();
    }
}

void BorrarTodosMisTiempos() {
    BaseDatos* bd = NotesDb();
    if (!bd)
        return;
    Transaccion tx(*bd);
    for (const QString& tabla : {kTablaTiemposPropios, TablaNombres(true), TablaNombres(false)})
        bd->Ejecutar(u"DELETE FROM " + tabla);
    tx.Confirmar();
    AvisarDatosPropiosCambiados();
}

std::vector<bool> TienenTiemposPropios(bool modoPelicula, const std::vector<ItemLista>& items) {
    std::vector<bool> con(items.size(), false);
    BaseDatos* bd = NotesDb();
    if (!bd)
        return con;
    QSet<QString> nombres;
    for (Consulta c = bd->Consultar(u"SELECT DISTINCT " + ColumnaLado(modoPelicula) + u" FROM " +
                                    kTablaTiemposPropios);
         !c.Fin(); c.Siguiente())
        nombres.insert(Plegado(TextoSeguro(c.Campo(0))));
    for (size_t i = 0; i < items.size(); ++i)
        con[i] = nombres.contains(Plegado(items[i].nombre));
    return con;
}

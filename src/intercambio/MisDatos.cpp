#include "intercambio/MisDatos.h"

#include "devtimes/FormularioTiempoPropio.h"
#include "devtimes/TiemposPropios.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QHash>
#include <QVariant>
#include <functional>
#include <variant>

namespace {

const QString kFormato = QStringLiteral("Garvola mis datos");
const QString kPelicula = QStringLiteral("Pelicula");
const QString kRevelador = QStringLiteral("Revelador");

struct DefinicionClase {
    QString archivo;
    QString nombre;
    QStringList columnas;
    QStringList obligatorias; // must hold a non-blank text
};

const DefinicionClase& Definicion(ClaseDatos clase) {
    static const std::array<DefinicionClase, kClasesDatos> definiciones = {{
        {QStringLiteral("tiempos_propios.csv"),
         QStringLiteral("Tiempos propios"),
         {kPelicula, kRevelador, QStringLiteral("Dilucion"), QStringLiteral("EI"), QStringLiteral("Tiempo35"),
          QStringLiteral("Tiempo120"), QStringLiteral("TiempoHoja"), QStringLiteral("Temperatura"),
          QStringLiteral("Agitacion"), QStringLiteral("Nota"), QStringLiteral("FechaModif")},
         {kPelicula, kRevelador}},
        {QStringLiteral("peliculas_reveladores_propios.csv"),
         QStringLiteral("Películas y reveladores propios"),
         {QStringLiteral("Tipo"), QStringLiteral("Nombre"), QStringLiteral("FechaModif")},
         {QStringLiteral("Tipo"), QStringLiteral("Nombre")}},
        {QStringLiteral("notas_peliculas_reveladores.csv"),
         QStringLiteral("Mis notas en Películas y Reveladores"),
         {QStringLiteral("Vista"), kPelicula, kRevelador, QStringLiteral("Texto"),
          QStringLiteral("FechaModif")},
         {QStringLiteral("Vista"), kPelicula, kRevelador}},
        {QStringLiteral("notas_formulas.csv"),
         QStringLiteral("Mis notas en Fórmulas"),
         {QStringLiteral("Formula"), QStringLiteral("Texto")},
         {QStringLiteral("Formula")}},
        {QStringLiteral("notas_personales.csv"),
         QStringLiteral("Notas personales"),
         {QStringLiteral("Fecha"), QStringLiteral("Titulo"), QStringLiteral("Texto")},
         {}},
    }};
    return definiciones[size_t(clase)];
}

const std::array<ClaseDatos, kClasesDatos> kClases = {
    ClaseDatos::TiemposPropios, ClaseDatos::PeliculasReveladoresPropios, ClaseDatos::NotasPeliculaRevelador,
    ClaseDatos::NotasFormulas, ClaseDatos::NotasPersonales};

// The film and developer sides of the notes and of the own names: tables in each database.
const QString& TablaNotas(const QString& vista) {
    return vista.compare(kPelicula, Qt::CaseInsensitive) == 0 ? kTablaNotasMiasPelicula
                                                              : kTablaNotasMiasRevelador;
}

ValorCsv ValorDe(const QVariant& v) {
    return v.isNull() ? ValorCsv() : ValorCsv(v.toString());
}

// A text read from a file: Null stays Null, "" stays an empty text.
QVariant ValorBD(const ValorCsv& v) {
    if (!v)
        return QVariant(QMetaType::fromType<QString>());
    return v->isNull() ? QStringLiteral("") : *v;
}

QString Clave(const QString& texto) {
    return texto.trimmed().toCaseFolded();
}

// A name as the user means it: no accents, one blank between words, any case.
QString Plegar(const QString& nombre) {
    QString sinMarcas;
    for (const QChar c : nombre.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            sinMarcas += c;
    return sinMarcas.simplified().toCaseFolded();
}

// Spreadsheets take a value that begins with one of these for a formula; the exported value gets
// an apostrophe in front (as does one that already begins with it), which the import removes.
bool PareceFormula(const QString& v) {
    static const QString iniciales = QStringLiteral("=+-@\t\r'");
    return !v.isEmpty() && iniciales.contains(v.front());
}

ValorCsv Desactivar(const ValorCsv& v) {
    return v && PareceFormula(*v) ? ValorCsv(u'\'' + *v) : v;
}

void Reactivar(ValorCsv& v) {
    if (v && v->startsWith(u'\''))
        v->remove(0, 1);
}

BaseDatos& Abierta(BaseDatos* bd) {
    if (!bd)
        throw ErrorBD(QStringLiteral("las bases de datos están cerradas."));
    return *bd;
}

// ---------------------------------------------------------------------------------------------
// Export

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
            fila.push_back(ValorDe(c.Campo(i)));
        filas.push_back(std::move(fila));
    }
    return filas;
}

std::vector<std::vector<ValorCsv>> NotasPorNombre(BaseDatos& ref, ResumenExportacion& resumen) {
    std::vector<std::vector<ValorCsv>> filas;
    for (const QString& vista : {kPelicula, kRevelador}) {
        const QString tabla = TablaNotas(vista);
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
            filas.push_back(
                {vista, ValorDe(c.Campo(2)), ValorDe(c.Campo(3)), ValorDe(c.Campo(4)), ValorDe(c.Campo(5))});
        }
    }
    return filas;
}

// ---------------------------------------------------------------------------------------------
// Import: one walk over the package that counts, and writes when asked.

struct Fila {
    const TablaCsv& tabla;
    const FilaCsv& fila;
    ValorCsv operator[](const QString& columna) const { return tabla.Valor(fila, columna); }
    QString Texto(const QString& columna) const {
        return tabla.Valor(fila, columna).value_or(QString()).trimmed();
    }
};

class Importacion {
public:
    // esquemaNotas: "" when notas is the NotesDb's own connection, "mis." when it is attached.
    Importacion(BaseDatos& notas, const QString& esquemaNotas, BaseDatos& ref, bool escribir, bool reemplazar)
        : notas_(notas), esquemaNotas_(esquemaNotas), ref_(ref), escribir_(escribir),
          reemplazar_(reemplazar) {}

    PlanImportacion Recorrer(const PaqueteMisDatos& p) {
        Cargar();
        Cada(p, ClaseDatos::TiemposPropios, [this](const Fila& f) { return Tiempo(f); });
        Cada(p, ClaseDatos::PeliculasReveladoresPropios, [this](const Fila& f) { return NombrePropio(f); });
        Cada(p, ClaseDatos::NotasPeliculaRevelador, [this](const Fila& f) { return NotaPeliRev(f); });
        Cada(p, ClaseDatos::NotasFormulas, [this](const Fila& f) { return NotaFormula(f); });
        Cada(p, ClaseDatos::NotasPersonales, [this](const Fila& f) { return NotaPersonal(f); });
        return plan_;
    }

private:
    enum class Destino { Nuevo, Existente, SinDestino };

    void Cada(const PaqueteMisDatos& p, ClaseDatos clase, const std::function<Destino(const Fila&)>& paso) {
        const TablaCsv& t = p.tablas[size_t(clase)];
        ConteoClase& conteo = plan_.conteos[size_t(clase)];
        for (const FilaCsv& f : t.filas) {
            motivo_.clear();
            switch (paso({t, f})) {
            case Destino::Nuevo:
                ++conteo.nuevos;
                break;
            case Destino::Existente:
                ++conteo.existentes;
                break;
            case Destino::SinDestino:
                ++conteo.sinDestino;
                plan_.sinDestino << UbicarError(t.archivo, f.linea, motivo_);
                break;
            }
        }
    }

    QString N(const QString& tabla) const { return esquemaNotas_ + tabla; }

    // Ids by folded name; the spelling of each folded name goes into nombres when given.
    static QHash<QString, qint64> Mapa(BaseDatos& bd, const QString& sql,
                                       QHash<QString, QString>* nombres = nullptr) {
        QHash<QString, qint64> mapa;
        for (Consulta c = bd.Consultar(sql); !c.Fin(); c.Siguiente()) {
            const QString nombre = TextoSeguro(c.Campo(1)).trimmed();
            const QString k = Plegar(nombre);
            if (!mapa.contains(k)) {
                mapa.insert(k, c.Campo(0).toLongLong());
                if (nombres)
                    nombres->insert(k, nombre);
            }
        }
        return mapa;
    }

    static QString ClaveTiempo(const QString& pelicula, const QString& revelador, const QString& dilucion,
                               const QString& ei, const QString& temperatura) {
        return Plegar(pelicula) + u'\x1f' + Plegar(revelador) + u'\x1f' + Plegar(dilucion) + u'\x1f' +
               Plegar(ei) + u'\x1f' + Plegar(temperatura);
    }

    // A personal note is its date, title and text, and which of its equals it is (the first, the
    // second…): two untitled notes saved in the same second are two notes, even when alike.
    static QString ClaveNotaPersonal(QHash<QString, int>& vistas, const ValorCsv& fecha,
                                     const QString& titulo, const ValorCsv& texto) {
        const QByteArray huella =
            texto ? QCryptographicHash::hash(texto->toUtf8(), QCryptographicHash::Sha256).toHex() : "-";
        const QString k =
            fecha.value_or(QString()) + u'\x1f' + Clave(titulo) + u'\x1f' + QString::fromLatin1(huella);
        return k + u'#' + QString::number(++vistas[k]);
    }

    // The spelling of a film or developer the reference data or the own names already hold, as the
    // user wrote it otherwise.
    QString Nombre(bool pelicula, const QString& escrito) const {
        const QString k = Plegar(escrito);
        for (const auto* nombres : pelicula ? std::array{&nombresPeliculas_, &nombresPeliculasPropias_}
                                            : std::array{&nombresReveladores_, &nombresReveladoresPropios_})
            if (const auto it = nombres->constFind(k); it != nombres->constEnd())
                return it.value();
        return escrito.trimmed();
    }

    static QString ClaveNota(qint64 a, qint64 b) { return QString::number(a) + u'/' + QString::number(b); }

    void Cargar() {
        for (Consulta c =
                 notas_.Consultar(u"SELECT IdTiempo, Pelicula, Revelador, Dilucion, EI, Temperatura FROM " +
                                  N(kTablaTiemposPropios) + u" ORDER BY IdTiempo");
             !c.Fin(); c.Siguiente()) {
            const QString k =
                ClaveTiempo(TextoSeguro(c.Campo(1)), TextoSeguro(c.Campo(2)), TextoSeguro(c.Campo(3)),
                            TextoSeguro(c.Campo(4)), TextoSeguro(c.Campo(5)));
            if (!tiempos_.contains(k))
                tiempos_.insert(k, c.Campo(0).toLongLong());
        }
        peliculasPropias_ = Mapa(
            notas_, u"SELECT IdPelicula, Nombre FROM " + N(kTablaPeliculasPropias) + u" ORDER BY IdPelicula",
            &nombresPeliculasPropias_);
        reveladoresPropios_ =
            Mapa(notas_,
                 u"SELECT IdRevelador, Nombre FROM " + N(kTablaReveladoresPropios) + u" ORDER BY IdRevelador",
                 &nombresReveladoresPropios_);
        peliculas_ =
            Mapa(ref_, u"SELECT IdPelicula, Nombre FROM " + kTablaPeliculas + u" ORDER BY IdPelicula",
                 &nombresPeliculas_);
        reveladores_ =
            Mapa(ref_, u"SELECT IdRevelador, Nombre FROM " + kTablaReveladores + u" ORDER BY IdRevelador",
                 &nombresReveladores_);
        formulas_ = Mapa(ref_, u"SELECT IdFormula, Nombre FROM " + kTablaFormulas + u" ORDER BY IdFormula");
        for (Consulta c = ref_.Consultar(u"SELECT IdFormula FROM " + kTablaFormulas +
                                         u" WHERE MisNotasFormulas IS NOT NULL AND MisNotasFormulas <> ''");
             !c.Fin(); c.Siguiente())
            formulasConNota_.insert(c.Campo(0).toLongLong());
        for (const QString& vista : {kPelicula, kRevelador}) {
            auto& mapa = vista == kPelicula ? notasPelicula_ : notasRevelador_;
            for (Consulta c = ref_.Consultar(u"SELECT IdNota, IdPelicula, IdRevelador FROM " +
                                             TablaNotas(vista) + u" ORDER BY IdNota");
                 !c.Fin(); c.Siguiente()) {
                const QString k = ClaveNota(c.Campo(1).toLongLong(), c.Campo(2).toLongLong());
                if (!mapa.contains(k))
                    mapa.insert(k, c.Campo(0).toLongLong());
            }
        }
        for (Consulta c = notas_.Consultar(u"SELECT Id, Fecha, Titulo, Texto FROM " +
                                           N(kTablaNotasPersonales) + u" ORDER BY Id");
             !c.Fin(); c.Siguiente()) {
            const QString k = ClaveNotaPersonal(personalesGuardadas_, ValorDe(c.Campo(1)),
                                                TextoSeguro(c.Campo(2)), ValorDe(c.Campo(3)));
            if (!personales_.contains(k))
                personales_.insert(k, c.Campo(0).toLongLong());
        }
    }

    // The row is new (added, its key remembered so a repeat in the file counts as existing) or
    // existing (overwritten when asked).
    Destino Decidir(QHash<QString, qint64>& mapa, const QString& clave, const std::function<qint64()>& anadir,
                    const std::function<void(qint64)>& reemplazar) {
        const auto it = mapa.constFind(clave);
        if (it == mapa.constEnd()) {
            mapa.insert(clave, escribir_ ? anadir() : 0);
            return Destino::Nuevo;
        }
        if (escribir_ && reemplazar_)
            reemplazar(it.value());
        return Destino::Existente;
    }

    Campos CamposFila(const Fila& f, const QStringList& columnas) {
        Campos campos;
        for (const QString& c : columnas)
            campos.emplace_back(c, ValorBD(f[c]));
        return campos;
    }

    Destino Tiempo(const Fila& f) {
        const QStringList columnas = Definicion(ClaseDatos::TiemposPropios).columnas;
        Campos campos = CamposFila(f, columnas);
        const QString pelicula = Nombre(true, f.Texto(kPelicula));
        const QString revelador = Nombre(false, f.Texto(kRevelador));
        campos[size_t(columnas.indexOf(kPelicula))].second = pelicula;
        campos[size_t(columnas.indexOf(kRevelador))].second = revelador;
        const QString k = ClaveTiempo(pelicula, revelador, f.Texto(QStringLiteral("Dilucion")),
                                      f.Texto(QStringLiteral("EI")), f.Texto(QStringLiteral("Temperatura")));
        const QString tabla = N(kTablaTiemposPropios);
        return Decidir(
            tiempos_, k, [&] { return notas_.Insertar(tabla, campos); },
            [&](qint64 id) { notas_.Actualizar(tabla, QStringLiteral("IdTiempo"), id, campos); });
    }

    Destino NombrePropio(const Fila& f) {
        const bool pelicula = f.Texto(QStringLiteral("Tipo")).compare(kPelicula, Qt::CaseInsensitive) == 0;
        const QString tabla = N(pelicula ? kTablaPeliculasPropias : kTablaReveladoresPropios);
        const QString columnaId = pelicula ? QStringLiteral("IdPelicula") : QStringLiteral("IdRevelador");
        const QString nombre = f.Texto(QStringLiteral("Nombre"));
        // A name of the reference data is no own name, however it was written.
        if ((pelicula ? nombresPeliculas_ : nombresReveladores_).contains(Plegar(nombre)))
            return Destino::Existente;
        const Campos campos = {{QStringLiteral("Nombre"), nombre},
                               {QStringLiteral("FechaModif"), ValorBD(f[QStringLiteral("FechaModif")])}};
        return Decidir(
            pelicula ? peliculasPropias_ : reveladoresPropios_, Plegar(nombre),
            [&] { return notas_.Insertar(tabla, campos); },
            [&](qint64 id) { notas_.Actualizar(tabla, columnaId, id, campos); });
    }

    Destino NotaPeliRev(const Fila& f) {
        const QString vista = f.Texto(QStringLiteral("Vista"));
        const auto pelicula = peliculas_.constFind(Plegar(f.Texto(kPelicula)));
        const auto revelador = reveladores_.constFind(Plegar(f.Texto(kRevelador)));
        if (pelicula == peliculas_.constEnd() || revelador == reveladores_.constEnd()) {
            motivo_ =
                pelicula == peliculas_.constEnd()
                    ? QString(u"la película \u00ab" + f.Texto(kPelicula) + u"\u00bb no está en los datos")
                    : QString(u"el revelador \u00ab" + f.Texto(kRevelador) + u"\u00bb no está en los datos");
            return Destino::SinDestino;
        }
        const QString tabla = TablaNotas(vista);
        const Campos texto = {{QStringLiteral("Texto"), ValorBD(f[QStringLiteral("Texto")])},
                              {QStringLiteral("FechaModif"), ValorBD(f[QStringLiteral("FechaModif")])}};
        return Decidir(
            tabla == TablaNotas(kPelicula) ? notasPelicula_ : notasRevelador_,
            ClaveNota(pelicula.value(), revelador.value()),
            [&] {
                Campos campos = {{QStringLiteral("IdPelicula"), pelicula.value()},
                                 {QStringLiteral("IdRevelador"), revelador.value()}};
                campos.insert(campos.end(), texto.begin(), texto.end());
                return ref_.Insertar(tabla, campos);
            },
            [&](qint64 id) { ref_.Actualizar(tabla, QStringLiteral("IdNota"), id, texto); });
    }

    Destino NotaFormula(const Fila& f) {
        const auto formula = formulas_.constFind(Plegar(f.Texto(QStringLiteral("Formula"))));
        if (formula == formulas_.constEnd()) {
            motivo_ =
                u"la fórmula \u00ab" + f.Texto(QStringLiteral("Formula")) + u"\u00bb no está en los datos";
            return Destino::SinDestino;
        }
        const qint64 id = formula.value();
        const bool existe = formulasConNota_.contains(id);
        if (!existe || (escribir_ && reemplazar_)) {
            if (escribir_)
                ref_.Actualizar(kTablaFormulas, QStringLiteral("IdFormula"), id,
                                {{QStringLiteral("MisNotasFormulas"), ValorBD(f[QStringLiteral("Texto")])}});
        }
        formulasConNota_.insert(id);
        return existe ? Destino::Existente : Destino::Nuevo;
    }

    Destino NotaPersonal(const Fila& f) {
        const Campos campos = CamposFila(f, Definicion(ClaseDatos::NotasPersonales).columnas);
        const QString tabla = N(kTablaNotasPersonales);
        return Decidir(
            personales_,
            ClaveNotaPersonal(personalesLeidas_, f[QStringLiteral("Fecha")],
                              f.Texto(QStringLiteral("Titulo")), f[QStringLiteral("Texto")]),
            [&] { return notas_.Insertar(tabla, campos); },
            [&](qint64 id) { notas_.Actualizar(tabla, QStringLiteral("Id"), id, campos); });
    }

    BaseDatos& notas_;
    QString esquemaNotas_;
    BaseDatos& ref_;
    bool escribir_;
    bool reemplazar_;
    PlanImportacion plan_;
    QString motivo_;
    QHash<QString, qint64> tiempos_, peliculasPropias_, reveladoresPropios_, peliculas_, reveladores_,
        formulas_, notasPelicula_, notasRevelador_, personales_;
    QHash<QString, QString> nombresPeliculas_, nombresReveladores_, nombresPeliculasPropias_,
        nombresReveladoresPropios_;
    QSet<qint64> formulasConNota_;
    QHash<QString, int> personalesGuardadas_, personalesLeidas_;
};

// ---------------------------------------------------------------------------------------------
// Checking a package

// An own time passes the same checks as in its dialog and is stored in the same form.
void NormalizarTiempoPropio(const TablaCsv& t, FilaCsv& f) {
    struct Campo {
        const char* columna;
        QString TiempoPropio::*miembro;
    };
    static const Campo campos[] = {
        {"Pelicula", &TiempoPropio::pelicula},     {"Revelador", &TiempoPropio::revelador},
        {"Dilucion", &TiempoPropio::dilucion},     {"EI", &TiempoPropio::ei},
        {"Tiempo35", &TiempoPropio::tiempo35},     {"Tiempo120", &TiempoPropio::tiempo120},
        {"TiempoHoja", &TiempoPropio::tiempoHoja}, {"Temperatura", &TiempoPropio::temperatura},
        {"Agitacion", &TiempoPropio::agitacion},   {"Nota", &TiempoPropio::nota}};
    TiempoPropio escrito;
    for (const Campo& c : campos)
        escrito.*c.miembro = t.Valor(f, QString::fromLatin1(c.columna)).value_or(QString());
    const auto validado = ValidarTiempoPropio(escrito);
    if (const auto* e = std::get_if<CampoInvalido>(&validado))
        throw ErrorBD(UbicarError(t.archivo, f.linea, e->mensaje));
    const TiempoPropio& normal = std::get<TiempoPropio>(validado);
    for (const Campo& c : campos) {
        ValorCsv& v = f.campos[size_t(t.Columna(QString::fromLatin1(c.columna)))];
        // An empty text and Null stay apart, as they were written.
        const QString& nuevo = normal.*c.miembro;
        v = !v && nuevo.isEmpty() ? ValorCsv() : ValorCsv(nuevo.isNull() ? QStringLiteral("") : nuevo);
    }
}

// Where the reading of a package stands, for the progress of the whole.
struct Avance {
    const ProgresoLectura& progreso;
    qint64 total = 0;
    qint64 hechos = 0;
    void Informar(qint64 enArchivo) const {
        if (progreso && !progreso(hechos + enArchivo, total))
            throw ErrorBD(QStringLiteral("Importación cancelada."));
    }
};

// The rows are checked as they are read, so a bad or oversized file stops at its first fault.
TablaCsv Comprobar(ClaseDatos clase, const ArchivosPaquete& archivos, int version, Avance& avance) {
    const DefinicionClase& d = Definicion(clase);
    TablaCsv t;
    t.archivo = d.archivo;
    const auto it = archivos.find(d.archivo);
    if (it == archivos.end()) {
        t.cabecera = d.columnas;
        return t;
    }
    LectorCsv lector(it->second, d.archivo, true, kLimitesMisDatos);
    t.cabecera = lector.Cabecera();
    for (const QString& c : d.columnas)
        if (t.Columna(c) < 0)
            throw ErrorBD(UbicarError(d.archivo, 1, u"falta la columna " + c));
    for (const QString& c : t.cabecera)
        if (!d.columnas.contains(c))
            throw ErrorBD(UbicarError(d.archivo, 1, u"columna desconocida: " + c));
    const QString enumerada = clase == ClaseDatos::PeliculasReveladoresPropios ? QStringLiteral("Tipo")
                              : clase == ClaseDatos::NotasPeliculaRevelador    ? QStringLiteral("Vista")
                                                                               : QString();
    FilaCsv f;
    while (lector.Siguiente(f)) {
        if (version >= 2)
            for (ValorCsv& v : f.campos)
                Reactivar(v);
        for (const QString& c : d.obligatorias)
            if (t.Valor(f, c).value_or(QString()).trimmed().isEmpty())
                throw ErrorBD(UbicarError(d.archivo, f.linea, u"la columna " + c + u" está vacía"));
        if (!enumerada.isEmpty()) {
            const QString v = t.Valor(f, enumerada)->trimmed();
            if (v.compare(kPelicula, Qt::CaseInsensitive) != 0 &&
                v.compare(kRevelador, Qt::CaseInsensitive) != 0)
                throw ErrorBD(UbicarError(d.archivo, f.linea,
                                          u"la columna " + enumerada + u" dice \u00ab" + v +
                                              u"\u00bb; se espera " + kPelicula + u" o " + kRevelador));
        }
        if (clase == ClaseDatos::TiemposPropios)
            NormalizarTiempoPropio(t, f);
        t.filas.push_back(std::move(f));
        if (t.filas.size() % 1024 == 0)
            avance.Informar(lector.Leidos());
    }
    avance.hechos += it->second.size();
    avance.Informar(0);
    return t;
}

// The package's version, once its manifest is found sound.
int ComprobarManifiesto(const ArchivosPaquete& archivos) {
    const auto it = archivos.find(kArchivoManifiesto);
    if (it == archivos.end())
        throw ErrorBD(u"Falta " + kArchivoManifiesto + u": no es una copia de mis datos de este programa.");
    const TablaCsv t = AnalizarCsv(it->second, kArchivoManifiesto, false, {2, 16, 1024});
    if (t.Columna(QStringLiteral("Formato")) < 0 || t.Columna(QStringLiteral("Version")) < 0)
        throw ErrorBD(
            UbicarError(kArchivoManifiesto, 1, QStringLiteral("faltan las columnas Formato y Version")));
    if (t.filas.size() != 1)
        throw ErrorBD(UbicarError(kArchivoManifiesto, 2, QStringLiteral("debe tener una sola fila")));
    const FilaCsv& f = t.filas.front();
    if (t.Valor(f, QStringLiteral("Formato")).value_or(QString()).trimmed() != kFormato)
        throw ErrorBD(
            UbicarError(kArchivoManifiesto, f.linea, u"el formato no es \u00ab" + kFormato + u"\u00bb"));
    bool ok = false;
    const QString texto = t.Valor(f, QStringLiteral("Version")).value_or(QString()).trimmed();
    const int version = texto.toInt(&ok);
    if (!ok || version < 1)
        throw ErrorBD(UbicarError(kArchivoManifiesto, f.linea, u"versión no válida: " + texto));
    if (version > kVersionMisDatos)
        throw ErrorBD(UbicarError(kArchivoManifiesto, f.linea,
                                  u"versión " + texto + u" de un programa más nuevo; este lee hasta la " +
                                      QString::number(kVersionMisDatos)));
    return version;
}

// The NotesDb's file attached to the ReferenceDb's connection as "mis" while it lives: one COMMIT
// then writes both files or neither.
class NotasAdjuntas {
public:
    explicit NotasAdjuntas(BaseDatos& ref) : ref_(ref) {
        // The notes file has no key; without KEY '' it would be read with the reference key.
        ref_.Ejecutar(QStringLiteral("ATTACH DATABASE ? AS mis KEY ''"), {Abierta(NotesDb()).Ruta()});
    }
    ~NotasAdjuntas() {
        try {
            ref_.Ejecutar(QStringLiteral("DETACH DATABASE mis"));
        } catch (const ErrorBD&) {
            // Still attached only until the connection closes.
        }
    }
    NotasAdjuntas(const NotasAdjuntas&) = delete;
    NotasAdjuntas& operator=(const NotasAdjuntas&) = delete;

private:
    BaseDatos& ref_;
};

QString Conteo(int n, const char* singular, const char* plural) {
    return QString::number(n) + u' ' + QString::fromUtf8(n == 1 ? singular : plural);
}

} // namespace

QString ArchivoClase(ClaseDatos clase) {
    return Definicion(clase).archivo;
}

QString NombreClase(ClaseDatos clase) {
    return Definicion(clase).nombre;
}

QStringList ArchivosMisDatos() {
    QStringList nombres{kArchivoManifiesto};
    for (ClaseDatos c : kClases)
        nombres << ArchivoClase(c);
    return nombres;
}

int PlanImportacion::Nuevos() const {
    int n = 0;
    for (const auto& c : conteos)
        n += c.nuevos;
    return n;
}

int PlanImportacion::Existentes() const {
    int n = 0;
    for (const auto& c : conteos)
        n += c.existentes;
    return n;
}

ArchivosPaquete ArchivosExportacion(ResumenExportacion& resumen) {
    BaseDatos& notas = Abierta(NotesDb());
    BaseDatos& ref = Abierta(ReferenceDb());
    std::array<std::vector<std::vector<ValorCsv>>, kClasesDatos> filas;
    filas[size_t(ClaseDatos::TiemposPropios)] =
        Filas(notas, kTablaTiemposPropios,
              u"SELECT " + Definicion(ClaseDatos::TiemposPropios).columnas.join(u", ") + u" FROM " +
                  kTablaTiemposPropios + u" ORDER BY IdTiempo",
              int(Definicion(ClaseDatos::TiemposPropios).columnas.size()));
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

    ArchivosPaquete archivos;
    archivos[kArchivoManifiesto] =
        EscribirCsv({QStringLiteral("Formato"), QStringLiteral("Version"), QStringLiteral("Fecha")},
                    {{kFormato, QString::number(kVersionMisDatos), FechaBD(QDateTime::currentDateTime())}});
    for (ClaseDatos c : kClases) {
        for (auto& fila : filas[size_t(c)])
            for (ValorCsv& v : fila)
                v = Desactivar(v);
        resumen.filas[size_t(c)] = int(filas[size_t(c)].size());
        archivos[ArchivoClase(c)] = EscribirCsv(Definicion(c).columnas, filas[size_t(c)]);
    }
    return archivos;
}

ResumenExportacion ExportarMisDatos(const QString& ruta) {
    ResumenExportacion resumen;
    EscribirContenedor(ruta, ArchivosExportacion(resumen));
    return resumen;
}

PaqueteMisDatos AnalizarMisDatos(const ArchivosPaquete& archivos, const ProgresoLectura& progreso) {
    const int version = ComprobarManifiesto(archivos);
    Avance avance{progreso};
    for (ClaseDatos c : kClases)
        if (const auto it = archivos.find(ArchivoClase(c)); it != archivos.end())
            avance.total += it->second.size();
    PaqueteMisDatos p;
    for (ClaseDatos c : kClases)
        p.tablas[size_t(c)] = Comprobar(c, archivos, version, avance);
    return p;
}

PaqueteMisDatos LeerMisDatos(const QString& ruta, const ProgresoLectura& progreso) {
    return AnalizarMisDatos(LeerContenedor(ruta, ArchivosMisDatos()), progreso);
}

PlanImportacion PlanificarImportacion(const PaqueteMisDatos& paquete) {
    return Importacion(Abierta(NotesDb()), QString(), Abierta(ReferenceDb()), false, false).Recorrer(paquete);
}

PlanImportacion ImportarMisDatos(const PaqueteMisDatos& paquete, bool reemplazar) {
    Abierta(NotesDb());
    BaseDatos& ref = Abierta(ReferenceDb());
    PlanImportacion hecho;
    try {
        NotasAdjuntas adjuntas(ref);
        Transaccion tx(ref);
        hecho = Importacion(ref, QStringLiteral("mis."), ref, true, reemplazar).Recorrer(paquete);
        tx.Confirmar();
    } catch (const ErrorBD& e) {
        constexpr int kOcupada = 5, kBloqueada = 6;
        if (e.Codigo() == kOcupada || e.Codigo() == kBloqueada)
            throw ErrorBD(u"otro programa está usando " + kArchivoBDReferencia + u" o " + kArchivoBDNotas +
                              u"; ciérrelo y vuelva a intentarlo.",
                          e.Codigo());
        throw;
    }
    try {
        // Times of films the package names but does not list as own still reach the list.
        RegistrarNombresPropios();
    } catch (const ErrorBD&) {
        // The next start registers them.
    }
    return hecho;
}

QString TextoPlan(const PlanImportacion& plan) {
    QStringList lineas;
    for (ClaseDatos c : kClases) {
        const ConteoClase& n = plan.conteos[size_t(c)];
        const bool notas = c != ClaseDatos::TiemposPropios && c != ClaseDatos::PeliculasReveladoresPropios;
        QString linea = NombreClase(c) + u": " +
                        Conteo(n.nuevos, notas ? "nueva" : "nuevo", notas ? "nuevas" : "nuevos") + u", " +
                        Conteo(n.existentes, "ya existe", "ya existen");
        if (n.sinDestino > 0)
            linea += u", " + Conteo(n.sinDestino, "sin destino", "sin destino");
        lineas << linea;
    }
    if (!plan.sinDestino.isEmpty()) {
        lineas << QString() << QStringLiteral("No se pueden asociar (no se importarán):");
        constexpr int kMostrados = 10;
        for (qsizetype i = 0; i < plan.sinDestino.size() && i < kMostrados; ++i)
            lineas << u"  " + plan.sinDestino[i];
        if (plan.sinDestino.size() > kMostrados)
            lineas << u"  … y " + QString::number(plan.sinDestino.size() - kMostrados) + u" más";
    }
    return lineas.join(u'\n');
}

QString TextoImportado(const PlanImportacion& hecho, bool reemplazar) {
    QString texto = u"Importación terminada: " + Conteo(hecho.Nuevos(), "dato añadido", "datos añadidos");
    if (hecho.Existentes() > 0)
        texto += reemplazar ? u", " + Conteo(hecho.Existentes(), "reemplazado", "reemplazados")
                            : u", " + Conteo(hecho.Existentes(), "ya existente conservado",
                                             "ya existentes conservados");
    int sinDestino = 0;
    for (const auto& c : hecho.conteos)
        sinDestino += c.sinDestino;
    if (sinDestino > 0)
        texto += u", " + Conteo(sinDestino, "sin destino", "sin destino");
    return texto + u".\n\n" + TextoPlan(hecho);
}

QString TextoExportado(const ResumenExportacion& resumen, const QString& ruta) {
    QStringList lineas{u"Datos exportados a " + ruta + u':'};
    for (ClaseDatos c : kClases)
        lineas << u"  " + NombreClase(c) + u": " + QString::number(resumen.filas[size_t(c)]);
    if (!resumen.omitidas.isEmpty()) {
        lineas << QString()
               << QStringLiteral("No se exportaron (su película o revelador ya no está en los datos):");
        for (const QString& o : resumen.omitidas)
            lineas << u"  " + o;
    }
    return lineas.join(u'\n');
}

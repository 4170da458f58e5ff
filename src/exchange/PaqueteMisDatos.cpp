#include "exchange/PaqueteMisDatos.h"

#include "devtimes/FormularioTiempoPropio.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"

#include <QVariant>
#include <variant>

namespace {

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
         {kPeliculaMisDatos, kReveladorMisDatos, QStringLiteral("Dilucion"), QStringLiteral("EI"),
          QStringLiteral("Tiempo35"), QStringLiteral("Tiempo120"), QStringLiteral("TiempoHoja"),
          QStringLiteral("Temperatura"), QStringLiteral("Agitacion"), QStringLiteral("Nota"),
          QStringLiteral("FechaModif")},
         {kPeliculaMisDatos, kReveladorMisDatos}},
        {QStringLiteral("peliculas_reveladores_propios.csv"),
         QStringLiteral("Películas y reveladores propios"),
         {QStringLiteral("Tipo"), QStringLiteral("Nombre"), QStringLiteral("FechaModif")},
         {QStringLiteral("Tipo"), QStringLiteral("Nombre")}},
        {QStringLiteral("notas_peliculas_reveladores.csv"),
         QStringLiteral("Mis notas en Películas y Reveladores"),
         {QStringLiteral("Vista"), kPeliculaMisDatos, kReveladorMisDatos, QStringLiteral("Texto"),
          QStringLiteral("FechaModif")},
         {QStringLiteral("Vista"), kPeliculaMisDatos, kReveladorMisDatos}},
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

// Spreadsheets take a value that begins with one of these for a formula; the exported value gets
// an apostrophe in front (as does one that already begins with it), which the import removes.
bool PareceFormula(const QString& v) {
    static const QString iniciales = QStringLiteral("=+-@\t\r'");
    return !v.isEmpty() && iniciales.contains(v.front());
}

void Reactivar(ValorCsv& v) {
    if (v && v->startsWith(u'\''))
        v->remove(0, 1);
}

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
            if (v.compare(kPeliculaMisDatos, Qt::CaseInsensitive) != 0 &&
                v.compare(kReveladorMisDatos, Qt::CaseInsensitive) != 0)
                throw ErrorBD(UbicarError(d.archivo, f.linea,
                                          u"la columna " + enumerada + u" dice \u00ab" + v +
                                              u"\u00bb; se espera " + kPeliculaMisDatos + u" o " +
                                              kReveladorMisDatos));
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
    if (t.Valor(f, QStringLiteral("Formato")).value_or(QString()).trimmed() != kFormatoMisDatos)
        throw ErrorBD(UbicarError(kArchivoManifiesto, f.linea,
                                  u"el formato no es \u00ab" + kFormatoMisDatos + u"\u00bb"));
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

} // namespace

QString ArchivoClase(ClaseDatos clase) {
    return Definicion(clase).archivo;
}

QString NombreClase(ClaseDatos clase) {
    return Definicion(clase).nombre;
}

QStringList ColumnasClase(ClaseDatos clase) {
    return Definicion(clase).columnas;
}

QStringList ArchivosMisDatos() {
    QStringList nombres{kArchivoManifiesto};
    for (ClaseDatos c : kClasesMisDatos)
        nombres << ArchivoClase(c);
    return nombres;
}

const QString& TablaNotasMisDatos(const QString& vista) {
    return vista.compare(kPeliculaMisDatos, Qt::CaseInsensitive) == 0 ? kTablaNotasMiasPelicula
                                                                      : kTablaNotasMiasRevelador;
}

ValorCsv ValorCsvDe(const QVariant& v) {
    return v.isNull() ? ValorCsv() : ValorCsv(v.toString());
}

ValorCsv Desactivar(const ValorCsv& v) {
    return v && PareceFormula(*v) ? ValorCsv(u'\'' + *v) : v;
}

BaseDatos& BaseAbierta(BaseDatos* bd) {
    if (!bd)
        throw ErrorBD(QStringLiteral("las bases de datos están cerradas."));
    return *bd;
}

PaqueteMisDatos AnalizarMisDatos(const ArchivosPaquete& archivos, const ProgresoLectura& progreso) {
    const int version = ComprobarManifiesto(archivos);
    Avance avance{progreso};
    for (ClaseDatos c : kClasesMisDatos)
        if (const auto it = archivos.find(ArchivoClase(c)); it != archivos.end())
            avance.total += it->second.size();
    PaqueteMisDatos p;
    for (ClaseDatos c : kClasesMisDatos)
        p.tablas[size_t(c)] = Comprobar(c, archivos, version, avance);
    return p;
}

PaqueteMisDatos LeerMisDatos(const QString& ruta, const ProgresoLectura& progreso) {
    return AnalizarMisDatos(LeerContenedor(ruta, ArchivosMisDatos()), progreso);
}

#include "exchange/PaqueteMisDatos.h"

#include "devtimes/FormularioTiempoPropio.h"
#include "session/AlmacenSesiones.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"

#include <QRegularExpression>
#include <QSet>
#include <QVariant>
#include <cmath>
#include <variant>

namespace {

struct DefinicionClase {
    QString archivo;
    QString nombre;
    QStringList columnas;
    QStringList obligatorias; // must hold a non-blank text
    QStringList enteras = {}; // empty or a whole number, not negative
    QStringList decimales = {};
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
        {QStringLiteral("tanques_propios.csv"),
         QStringLiteral("Tanques propios"),
         {QStringLiteral("Nombre"), QStringLiteral("Ml35"), QStringLiteral("Ml120"),
          QStringLiteral("MaxCarretes35"), QStringLiteral("MaxCarretes120"), QStringLiteral("FechaModif")},
         {QStringLiteral("Nombre")},
         {QStringLiteral("Ml35"), QStringLiteral("Ml120"), QStringLiteral("MaxCarretes35"),
          QStringLiteral("MaxCarretes120")}},
        {QStringLiteral("botellas_revelador.csv"),
         QStringLiteral("Botellas de revelador"),
         {kIdBotellaMisDatos, kReveladorMisDatos, QStringLiteral("Dilucion"), QStringLiteral("Mezclada"),
          QStringLiteral("Ml"), QStringLiteral("Nota"), QStringLiteral("FechaModif")},
         {kIdBotellaMisDatos, kReveladorMisDatos},
         {kIdBotellaMisDatos, QStringLiteral("Ml")}},
        {QStringLiteral("sesiones_revelado.csv"),
         QStringLiteral("Sesiones de revelado"),
         {QStringLiteral("Fecha"),
          QStringLiteral("Tanque"),
          QStringLiteral("MlTanque35"),
          QStringLiteral("MlTanque120"),
          QStringLiteral("Carretes35"),
          QStringLiteral("Carretes120"),
          QStringLiteral("Hojas"),
          kPeliculaMisDatos,
          kReveladorMisDatos,
          QStringLiteral("Dilucion"),
          QStringLiteral("EI"),
          QStringLiteral("DecimasBano"),
          QStringLiteral("SegundosRevelado"),
          QStringLiteral("MlTrabajo"),
          QStringLiteral("MlConcentrado"),
          QStringLiteral("MlAgua"),
          kIdBotellaMisDatos,
          QStringLiteral("Banos"),
          QStringLiteral("Nota"),
          QStringLiteral("FechaModif")},
         {QStringLiteral("Fecha")},
         {QStringLiteral("MlTanque35"), QStringLiteral("MlTanque120"), QStringLiteral("Carretes35"),
          QStringLiteral("Carretes120"), QStringLiteral("Hojas"), QStringLiteral("DecimasBano"),
          QStringLiteral("SegundosRevelado"), QStringLiteral("MlTrabajo"), kIdBotellaMisDatos},
         {QStringLiteral("MlConcentrado"), QStringLiteral("MlAgua")}},
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

// Numbers, dates and baths of the tanks, bottles and sessions, in the form their store reads back;
// an empty number becomes Null. A bottle named twice would leave its sessions in doubt.
void ComprobarSesiones(const DefinicionClase& d, const TablaCsv& t, FilaCsv& f, QSet<QString>& botellas) {
    static const QRegularExpression kEntero(QStringLiteral("^[0-9]{1,9}$"));
    auto esEntero = [](const QString& v) { return kEntero.match(v).hasMatch(); };
    // As the store writes a computed volume: the shortest form that reads back the same double.
    auto esDecimal = [](const QString& v) {
        bool ok = false;
        const double n = v.toDouble(&ok);
        return ok && std::isfinite(n) && n >= 0 && n < 1e9;
    };
    auto numeros = [&](const QStringList& columnas, bool (*valido)(const QString&), const QString& que) {
        for (const QString& c : columnas) {
            ValorCsv& v = f.campos[size_t(t.Columna(c))];
            if (v)
                v = v->trimmed();
            if (v && v->isEmpty())
                v.reset();
            if (v && !valido(*v))
                throw ErrorBD(
                    UbicarError(d.archivo, f.linea,
                                u"la columna " + c + u" dice \u00ab" + *v + u"\u00bb; se espera " + que));
        }
    };
    numeros(d.enteras, esEntero, QStringLiteral("un número entero"));
    numeros(d.decimales, esDecimal, QStringLiteral("un número, con punto decimal"));
    // Written as the store writes it, so that rows sort by time.
    auto fecha = [&](const QString& columna, bool conHora) {
        ValorCsv& v = f.campos[size_t(t.Columna(columna))];
        const QString escrito = v.value_or(QString()).trimmed();
        if (escrito.isEmpty())
            return;
        const QDateTime leida = LeerFechaBD(escrito);
        if (!leida.isValid() || (!conHora && leida.time() != QTime(0, 0)))
            throw ErrorBD(UbicarError(
                d.archivo, f.linea,
                u"la columna " + columna + u" dice \u00ab" + escrito + u"\u00bb; se espera " +
                    (conHora ? QStringLiteral("AAAA-MM-DD HH:MM:SS") : QStringLiteral("AAAA-MM-DD"))));
        v = conHora ? FechaBD(leida) : leida.date().toString(Qt::ISODate);
    };
    if (t.Columna(QStringLiteral("Mezclada")) >= 0)
        fecha(QStringLiteral("Mezclada"), false);
    if (t.Columna(QStringLiteral("Banos")) >= 0) {
        fecha(QStringLiteral("Fecha"), true);
        if (!LeerTextoBanos(t.Valor(f, QStringLiteral("Banos")).value_or(QString())))
            throw ErrorBD(UbicarError(d.archivo, f.linea, QStringLiteral("la columna Banos no se entiende")));
    } else if (t.Columna(QStringLiteral("Mezclada")) >= 0) {
        const QString id = *t.Valor(f, kIdBotellaMisDatos);
        if (botellas.contains(id))
            throw ErrorBD(UbicarError(d.archivo, f.linea, u"la botella " + id + u" ya está en otra línea"));
        botellas.insert(id);
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
    const bool deSesiones = clase == ClaseDatos::TanquesPropios || clase == ClaseDatos::BotellasRevelador ||
                            clase == ClaseDatos::SesionesRevelado;
    QSet<QString> botellas;
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
        if (deSesiones)
            ComprobarSesiones(d, t, f, botellas);
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

#include "datos/ConstructorDatos.h"

#include "datos/CargaDatos.h"
#include "datos/Dibujos.h"
#include "datos/DocumentosPdf.h"
#include "datos/EdicionDatos.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"
#include "shell/NombreArchivo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

using Creador = std::unique_ptr<BaseDatos> (*)(const QString&);

// Built under a temporary name beside the target and renamed into place only when complete.
// edicionDatos: recorded in the file (the ReferenceDb), 0 for none.
void CrearBaseCompleta(const QString& ruta, Creador crear, const std::vector<TablaEsquema>& esquema,
                       const ConjuntoDatos& datos, int edicionDatos) {
    const QString temporal = ruta + u".nuevo";
    QFile::remove(temporal); // left by an interrupted run
    try {
        std::unique_ptr<BaseDatos> bd = crear(temporal);
        CargarDatos(*bd, esquema, datos);
        if (edicionDatos > 0)
            RegistrarEdicion(*bd, edicionDatos, QDateTime::currentDateTime());
        bd.reset();
        if (!QFile::rename(temporal, ruta))
            throw ErrorBD(u"No se puede crear " + ruta);
    } catch (...) {
        QFile::remove(temporal);
        QFile::remove(temporal + u"-journal");
        throw;
    }
}

QString Texto(const TablaCsv& t, const FilaCsv& f, const QString& columna) {
    return t.Valor(f, columna).value_or(QString()).trimmed();
}

const TablaCsv* Tabla(const ConjuntoDatos& datos, const QString& nombre) {
    const auto t = datos.find(nombre);
    return t == datos.end() ? nullptr : &t->second;
}

// Maker of a film: its technical sheet's, else the first word of its name.
class Fabricantes {
public:
    explicit Fabricantes(const ConjuntoDatos& datos) {
        const TablaCsv* info = Tabla(datos, kTablaPeliculasInfoTec);
        const TablaCsv* peliculas = Tabla(datos, kTablaPeliculas);
        if (!info || !peliculas)
            return;
        QHash<QString, QString> porId;
        for (const FilaCsv& f : info->filas)
            porId.insert(Texto(*info, f, QStringLiteral("IdPelicula")),
                         Texto(*info, f, QStringLiteral("Fabricante")));
        // By name, so that rows naming a film without its id (the discontinued tables) find it too.
        for (const FilaCsv& f : peliculas->filas)
            if (const QString fabricante = porId.value(Texto(*peliculas, f, QStringLiteral("IdPelicula")));
                !fabricante.isEmpty())
                porNombre_.insert(Texto(*peliculas, f, QStringLiteral("Nombre")), fabricante);
    }
    QString De(const QString& nombre) const {
        const QString hoja = porNombre_.value(nombre);
        return hoja.isEmpty() ? nombre.section(u' ', 0, 0) : hoja;
    }
    // A short form for file names: "Ilford (Harman Technology)" gives "Ilford".
    static QString Corto(const QString& fabricante) {
        return fabricante.section(QStringLiteral(" ("), 0, 0).trimmed();
    }

private:
    QHash<QString, QString> porNombre_;
};

class Constructor {
public:
    Constructor(const QString& destino, const ConjuntoDatos& datos)
        : raiz_(destino), datos_(datos), fabricantes_(datos) {}

    QStringList creado;

    void Carpetas() {
        for (const char* c :
             {"imag/films/discont", "imag/devs/discont", "imag/curvas", "datasheets", "otrosdoc"})
            if (!raiz_.exists(QString::fromUtf8(c))) {
                if (!raiz_.mkpath(QString::fromUtf8(c)))
                    throw ErrorBD(u"No se puede crear la carpeta " + raiz_.filePath(QString::fromUtf8(c)));
                creado << raiz_.filePath(QString::fromUtf8(c));
            }
    }

    void Imagenes() {
        int n = 0;
        if (const TablaCsv* t = Tabla(datos_, kTablaPeliculas))
            for (const FilaCsv& f : t->filas) {
                const QString nombre = Texto(*t, f, QStringLiteral("Nombre"));
                Tarjeta(QStringLiteral("films"), nombre, fabricantes_.De(nombre), QStringLiteral("Película"),
                        TipoTarjeta::Pelicula, false, n++);
            }
        if (const TablaCsv* t = Tabla(datos_, kTablaReveladores))
            for (const FilaCsv& f : t->filas) {
                const QString nombre = Texto(*t, f, QStringLiteral("Nombre"));
                Tarjeta(QStringLiteral("devs"), nombre, fabricantes_.De(nombre), QStringLiteral("Revelador"),
                        TipoTarjeta::Revelador, false, n++);
            }
        Discontinuados(kTablaPeliculasDisc, "Pelicula", QStringLiteral("films/discont"),
                       TipoTarjeta::Pelicula);
        Discontinuados(kTablaReveladoresDisc, "Revelador", QStringLiteral("devs/discont"),
                       TipoTarjeta::Revelador);
        for (int i = 1; i <= 6; ++i)
            Guardar(QStringLiteral("imag/tz_fnd_%1.jpg").arg(i, 2, 10, QChar(u'0')),
                    [i] { return DibujarFondo(i); });
    }

    void Documentos() {
        DocumentosFabricantes();
        Guardar(QStringLiteral("otrosdoc/Escala_de_grises.jpg"), DibujarEscalaGrises);
        Guardar(QStringLiteral("otrosdoc/Espectro_visible.webp"), DibujarEspectroVisible);
        const QString compensacion = QStringLiteral("otrosdoc/Compensacion_de_temperatura.pdf");
        if (!raiz_.exists(compensacion)) {
            EscribirCompensacionPdf(raiz_.filePath(compensacion));
            creado << raiz_.filePath(compensacion);
        }
    }

private:
    // Every seventh picture is WebP, so that path is exercised by the shipped data.
    void Tarjeta(const QString& carpeta, const QString& nombre, const QString& fabricante,
                 const QString& detalle, TipoTarjeta tipo, bool discontinuado, int orden) {
        const QString base = u"imag/" + carpeta + u'/' + NombreArchivoSeguro(nombre);
        if (raiz_.exists(base + u".jpg") || raiz_.exists(base + u".webp"))
            return;
        const QString ruta = base + (orden % 7 == 6 ? u".webp" : u".jpg");
        Guardar(ruta, [&] { return DibujarTarjeta(nombre, fabricante, detalle, tipo, discontinuado); });
    }

    void Discontinuados(const QString& tabla, const char* columna, const QString& carpeta, TipoTarjeta tipo) {
        const TablaCsv* t = Tabla(datos_, tabla);
        if (!t)
            return;
        QSet<QString> vistos;
        for (const FilaCsv& f : t->filas) {
            const QString nombre = Texto(*t, f, QString::fromUtf8(columna));
            if (nombre.isEmpty() || vistos.contains(nombre))
                continue;
            vistos.insert(nombre);
            Tarjeta(carpeta, nombre, fabricantes_.De(nombre), QStringLiteral("Discontinuado"), tipo, true, 0);
        }
    }

    template <typename Dibujo> void Guardar(const QString& relativo, Dibujo dibujo) {
        if (raiz_.exists(relativo))
            return;
        GuardarImagen(dibujo(), raiz_.filePath(relativo));
        creado << raiz_.filePath(relativo);
    }

    // One PDF per film maker with its times of the data set, current and discontinued.
    void DocumentosFabricantes() {
        std::map<QString, std::vector<QStringList>> actuales;
        const TablaCsv* tiempos = Tabla(datos_, kTablaTiempos);
        const TablaCsv* peliculas = Tabla(datos_, kTablaPeliculas);
        const TablaCsv* reveladores = Tabla(datos_, kTablaReveladores);
        if (tiempos && peliculas && reveladores) {
            const QHash<QString, QString> pelicula = Nombres(*peliculas, QStringLiteral("IdPelicula"));
            const QHash<QString, QString> revelador = Nombres(*reveladores, QStringLiteral("IdRevelador"));
            for (const FilaCsv& f : tiempos->filas) {
                const QString id = Texto(*tiempos, f, QStringLiteral("IdPelicula"));
                QStringList fila{pelicula.value(id),
                                 revelador.value(Texto(*tiempos, f, QStringLiteral("IdRevelador")))};
                for (const char* c :
                     {"Dilucion", "ISO", "Tiempo35", "Tiempo120", "TiempoHoja", "Temperatura", "Notas"})
                    fila << Texto(*tiempos, f, QString::fromUtf8(c));
                actuales[Fabricantes::Corto(fabricantes_.De(pelicula.value(id)))].push_back(fila);
            }
        }
        // Discontinued rows go under the film's maker, whichever side was discontinued.
        const std::pair<QString, QString> discontinuadas[] = {
            {kTablaPeliculasDisc, QStringLiteral("Películas discontinuadas")},
            {kTablaReveladoresDisc, QStringLiteral("Reveladores discontinuados")}};
        std::map<QString, std::map<QString, std::vector<QStringList>>> antiguos;
        for (const auto& [nombreTabla, titulo] : discontinuadas)
            if (const TablaCsv* disc = Tabla(datos_, nombreTabla))
                for (const FilaCsv& f : disc->filas) {
                    QStringList fila;
                    for (const char* c : {"Pelicula", "Revelador", "Dilucion", "ISO", "35mm", "120", "Hoja",
                                          "Temperatura", "Estado"})
                        fila << Texto(*disc, f, QString::fromUtf8(c));
                    antiguos[Fabricantes::Corto(fabricantes_.De(fila[0]))][titulo].push_back(fila);
                }
        QSet<QString> fabricantes;
        for (const auto& [f, filas] : actuales)
            fabricantes.insert(f);
        for (const auto& [f, filas] : antiguos)
            fabricantes.insert(f);
        for (const QString& fabricante : fabricantes) {
            const QString relativo = u"datasheets/" + NombreArchivoSeguro(fabricante).replace(u' ', u'_') +
                                     u"_tiempos_de_revelado.pdf";
            if (raiz_.exists(relativo))
                continue;
            std::vector<TablaPdf> tablas;
            const QStringList columnas{QStringLiteral("Película"), QStringLiteral("Revelador"),
                                       QStringLiteral("Dilución"), QStringLiteral("ISO"),
                                       QStringLiteral("35 mm"),    QStringLiteral("120"),
                                       QStringLiteral("Hoja"),     QStringLiteral("Temp.")};
            if (actuales.count(fabricante))
                tablas.push_back({QStringLiteral("Tiempos de revelado"),
                                  columnas + QStringList{QStringLiteral("Notas")},
                                  {17, 17, 8, 6, 6, 6, 6, 6, 28},
                                  actuales[fabricante]});
            for (const auto& [titulo, filas] : antiguos[fabricante])
                tablas.push_back({titulo,
                                  columnas + QStringList{QStringLiteral("Estado")},
                                  {21, 18, 15, 6, 6, 6, 6, 6, 16},
                                  filas});
            EscribirPdf(raiz_.filePath(relativo), fabricante + u": tiempos de revelado",
                        Introduccion(actuales[fabricante]), tablas);
            creado << raiz_.filePath(relativo);
        }
    }

    // The meaning of the note codes of these rows, so the printed table keeps its sources.
    QString Introduccion(const std::vector<QStringList>& filas) const {
        QString r = QStringLiteral(
            "Tiempos publicados por el fabricante, tal como figuran en el conjunto de datos del "
            "programa.");
        QStringList usados;
        for (const QStringList& f : filas)
            for (const QString& c : CodigosNotas(f.last()))
                if (!usados.contains(c))
                    usados << c;
        if (const TablaCsv* notas = Tabla(datos_, kTablaNotasPeliRev))
            for (const FilaCsv& f : notas->filas)
                if (usados.contains(Texto(*notas, f, QStringLiteral("Codigo"))))
                    r += u"\n[" + Texto(*notas, f, QStringLiteral("Codigo")) + u"]  " +
                         Texto(*notas, f, QStringLiteral("DescripcionES"));
        return r;
    }

    static QHash<QString, QString> Nombres(const TablaCsv& t, const QString& clave) {
        QHash<QString, QString> r;
        for (const FilaCsv& f : t.filas)
            r.insert(Texto(t, f, clave), Texto(t, f, QStringLiteral("Nombre")));
        return r;
    }

    QDir raiz_;
    const ConjuntoDatos& datos_;
    Fabricantes fabricantes_;
};

} // namespace

namespace {

// The databases the folder lacks, each complete or not at all.
QStringList CrearBasesQueFaltan(const QString& destino, const ConjuntoDatos& datos, int edicion) {
    if (!QDir().mkpath(destino))
        throw ErrorBD(u"No se puede crear la carpeta " + destino);
    QStringList creado;
    const QString referencia = QDir(destino).filePath(kArchivoBDReferencia);
    if (!QFileInfo::exists(referencia)) {
        CrearBaseCompleta(referencia, CrearBaseReferencia, EsquemaReferencia(), datos, edicion);
        creado << referencia;
    }
    const QString notas = QDir(destino).filePath(kArchivoBDNotas);
    if (!QFileInfo::exists(notas)) {
        CrearBaseCompleta(notas, CrearBaseNotas, EsquemaNotas(), datos, 0);
        creado << notas;
    }
    return creado;
}

QStringList CrearArchivosQueFaltan(const QString& destino, const ConjuntoDatos& datos) {
    Constructor c(destino, datos);
    c.Carpetas();
    c.Imagenes();
    c.Documentos();
    return c.creado;
}

} // namespace

QStringList ConstruirCarpetaPrograma(const QString& destino, const QString& carpetaCsv) {
    const ConjuntoDatos datos = LeerConjuntoDatos(carpetaCsv);
    const QStringList bases = CrearBasesQueFaltan(destino, datos, LeerEdicionConjunto(carpetaCsv));
    return bases + CrearArchivosQueFaltan(destino, datos);
}

QStringList ActualizarCarpetaPrograma(const QString& destino, const QString& carpetaCsv,
                                      const QDateTime& momento) {
    const ConjuntoDatos datos = LeerConjuntoDatos(carpetaCsv);
    const int edicion = LeerEdicionConjunto(carpetaCsv);
    QStringList hecho;
    for (const QString& b : CrearBasesQueFaltan(destino, datos, edicion))
        hecho << u"Creado: " + b;
    // A ReferenceDb made just now already holds this edition.
    if (!hecho.contains(u"Creado: " + QDir(destino).filePath(kArchivoBDReferencia)))
        hecho += ActualizarBaseReferencia(destino, datos, edicion, momento);
    for (const QString& a : CrearArchivosQueFaltan(destino, datos))
        hecho << u"Creado: " + a;
    return hecho;
}

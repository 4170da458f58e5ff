#include "maintenance/CopiaSeguridad.h"

#include "shell/AlmacenDatos.h"
#include "shell/BaseDatos.h"
#include "shell/Dialogos.h"
#include "shell/Rutas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

const QString kTitulo = QStringLiteral("Copia de seguridad");
const QString kReferencia = QStringLiteral("tz.mdb");
const QString kNotas = QStringLiteral("notasp.mdb");
const QString kPrefijoTemporal = QStringLiteral("~tmp_");
const QString kPrefijoCopia = QStringLiteral("~copia_");

std::filesystem::path Ruta(const QString& ruta) {
    return std::filesystem::path(QFile::encodeName(ruta).toStdString());
}

// The file's bytes on the disk before it takes another's place.
bool Sincronizar(const QString& ruta) {
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadWrite) && ::fsync(archivo.handle()) == 0;
}

QString Literal(QString texto) {
    return u'\'' + texto.replace(u'\'', QStringLiteral("''")) + u'\'';
}

EstadoCopia Terminar(bool copiada, const QString& copia, const QString& clave) {
    if (!copiada)
        return EstadoCopia::Error;
    // A compacted copy was checked before it replaced the copy.
    if (CompactarCopia(copia, clave))
        return EstadoCopia::Compactada;
    return CopiaSana(copia, clave) ? EstadoCopia::SinCompactar : EstadoCopia::Error;
}

QString LineaInforme(const QString& nombre, EstadoCopia estado) {
    switch (estado) {
    case EstadoCopia::Compactada:
        return nombre + QStringLiteral(": OK");
    case EstadoCopia::SinCompactar:
        return nombre + QStringLiteral(": OK (sin compactar)");
    case EstadoCopia::Error:
        break;
    }
    return nombre + QStringLiteral(": ERROR");
}

} // namespace

QString CarpetaRespaldo(const QDateTime& momento) {
    // One reading of the clock, so a backup at midnight is not named with the next day's date.
    const QString nombre = momento.toString(QStringLiteral("yyMMdd HHmmss"));
    return QDir::toNativeSeparators(RutaPrograma(u"respaldo_de_datos\\" + nombre)) + QDir::separator();
}

bool CrearCarpetaRespaldo(const QString& carpeta) {
    QDir().mkpath(carpeta);
    return QFileInfo(carpeta).isDir();
}

bool CopiarArchivo(const QString& origen, const QString& destino) {
    // Copied beside the destination and renamed over it: a copy cut short leaves the old one whole.
    const QFileInfo info(destino);
    const QString temporal = info.dir().filePath(kPrefijoCopia + info.fileName());
    std::error_code error;
    std::filesystem::copy_file(Ruta(origen), Ruta(temporal),
                               std::filesystem::copy_options::overwrite_existing, error);
    if (!error && Sincronizar(temporal)) {
        std::filesystem::rename(Ruta(temporal), Ruta(destino), error);
        if (!error)
            return true;
    }
    QFile::remove(temporal);
    return false;
}

bool CompactarCopia(const QString& copia, const QString& clave) {
    const QFileInfo info(copia);
    const QString temporal = info.dir().filePath(kPrefijoTemporal + info.fileName());
    QFile::remove(temporal);
    bool hecha = false;
    try {
        // An attached file is created only when the connection may create files.
        BaseDatos::Opciones opciones;
        opciones.clave = clave;
        opciones.crear = true;
        auto bd = BaseDatos::Abrir(copia, opciones);
        bd->Ejecutar(u"ATTACH DATABASE " + Literal(temporal) + u" AS compacta KEY " + Literal(clave));
        bd->Consultar(QStringLiteral("SELECT sqlcipher_export('compacta')"));
        // The export leaves the schema version behind.
        const qint64 version =
            bd->Consultar(QStringLiteral("PRAGMA main.user_version")).Campo(0).toLongLong();
        bd->Ejecutar(u"PRAGMA compacta.user_version = " + QString::number(version));
        bd->Ejecutar(QStringLiteral("DETACH DATABASE compacta"));
        bd.reset();
        // A compacted file that does not check sound never replaces the copy.
        hecha = CopiaSana(temporal, clave);
    } catch (const ErrorBD&) {
        hecha = false;
    }
    if (hecha) {
        // rename replaces the copy in one step: there is never a moment without either file.
        std::error_code error;
        std::filesystem::rename(Ruta(temporal), Ruta(copia), error);
        hecha = !error;
    }
    if (!hecha)
        QFile::remove(temporal);
    return hecha;
}

bool CopiaSana(const QString& ruta, const QString& clave) {
    if (!QFileInfo(ruta).isFile())
        return false;
    try {
        BaseDatos::Opciones opciones;
        opciones.clave = clave;
        opciones.soloLectura = true;
        auto bd = BaseDatos::Abrir(ruta, opciones);
        Consulta c = bd->Consultar(QStringLiteral("PRAGMA integrity_check"));
        return !c.Fin() && c.Campo(0).toString() == QStringLiteral("ok");
    } catch (const ErrorBD&) {
        return false;
    }
}

QString ReabrirBasesDatos() {
    try {
        AbrirBasesDatos();
        return {};
    } catch (const ErrorBD& e) {
        // The ReferenceDb opens first: while it is closed, the NotesDb was not tried.
        const QString archivo = ReferenceDb() ? RutaBDNotas() : RutaBDReferencia();
        return QStringLiteral("No se pudo volver a abrir la base de datos ") + QFileInfo(archivo).fileName() +
               QStringLiteral(":\n") + e.Descripcion() + QStringLiteral("\n\n") +
               QStringLiteral("Las ventanas no podrán leer sus datos hasta que cierre el programa y lo "
                              "vuelva a abrir.");
    }
}

ResultadoRespaldo RespaldarBases(const QString& carpeta, const std::function<void(const QString&)>& avisar) {
    ResultadoRespaldo r;
    r.carpeta = carpeta;
    const QString copiaReferencia = QDir(carpeta).filePath(kReferencia);
    const QString copiaNotas = QDir(carpeta).filePath(kNotas);

    CerrarBasesDatos();
    const bool referenciaCopiada = CopiarArchivo(RutaBDReferencia(), copiaReferencia);
    const bool notasCopiadas = CopiarArchivo(RutaBDNotas(), copiaNotas);
    // Reopened before any compaction, and also when a copy failed.
    r.errorReapertura = ReabrirBasesDatos();
    if (!r.errorReapertura.isEmpty() && avisar)
        avisar(r.errorReapertura);

    r.referencia = Terminar(referenciaCopiada, copiaReferencia, kClaveBDReferencia);
    r.notas = Terminar(notasCopiadas, copiaNotas, QString());
    return r;
}

QString InformeRespaldo(const ResultadoRespaldo& resultado) {
    return QStringLiteral("Copia realizada en:\n") + resultado.carpeta + QStringLiteral("\n\n") +
           LineaInforme(kReferencia, resultado.referencia) + u'\n' + LineaInforme(kNotas, resultado.notas);
}

QString TituloCopiaSeguridad() {
    return kTitulo;
}

MensajeCopia PreguntaCopiaSeguridad() {
    return {QStringLiteral("AVISO: asegúrese de haber guardado cualquier dato que esté editando antes de "
                           "continuar.\n\nSe cerrarán las bases de datos, se copiarán y se compactarán las "
                           "copias.\n¿Desea continuar?"),
            Icono::Exclamacion};
}

MensajeCopia CopiarBasesDatos(const QDateTime& momento, const std::function<void(const QString&)>& avisar) {
    const QString carpeta = CarpetaRespaldo(momento);
    if (!CrearCarpetaRespaldo(carpeta))
        return {QStringLiteral("No se pudo crear la carpeta:\n") + carpeta, Icono::Exclamacion};
    const ResultadoRespaldo r = RespaldarBases(carpeta, avisar);
    return {InformeRespaldo(r), r.TodoBien() ? Icono::Informacion : Icono::Exclamacion};
}

#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"

#include "shell/Rutas.h"

#include <QDir>
#include <QFileInfo>

namespace {
std::unique_ptr<BaseDatos>& Referencia() {
    static std::unique_ptr<BaseDatos> bd;
    return bd;
}
std::unique_ptr<BaseDatos>& Notas() {
    static std::unique_ptr<BaseDatos> bd;
    return bd;
}
} // namespace

BaseDatos* ReferenceDb() {
    return Referencia().get();
}
BaseDatos* NotesDb() {
    return Notas().get();
}

QString RutaBDReferencia() {
    return RutaPrograma(kArchivoBDReferencia);
}
QString RutaBDNotas() {
    return RutaPrograma(kArchivoBDNotas);
}

namespace {
// The tables without which the ReferenceDb is not the program's database.
const QStringList kTablasReferencia{kTablaPeliculas, kTablaReveladores, kTablaTiempos};

// The engine's text alone does not say which of the two files failed, nor say it in Spanish.
std::unique_ptr<BaseDatos> AbrirNombrando(const QString& archivo, const QString& ruta, const QString& clave) {
    const QString prefijo = u"No se pudo abrir la base de datos " + archivo + u": ";
    const QFileInfo info(ruta);
    if (!info.exists())
        throw ErrorBD(prefijo + u"no se encuentra el archivo " + QDir::toNativeSeparators(ruta) + u'.');
    // The engine would take an empty file as a new database and write into it.
    if (info.isFile() && info.size() == 0)
        throw ErrorBD(prefijo + u"el archivo está vacío.");
    const QString danada = prefijo + u"el archivo está dañado o no es una base de datos de este programa.";
    try {
        auto bd = BaseDatos::Abrir(ruta, clave);
        // A cut file opens and fails later, in whichever window reads the missing pages.
        Consulta revision = bd->Consultar(QStringLiteral("PRAGMA quick_check(1)"));
        if (revision.Fin() || TextoSeguro(revision.Campo(0)) != u"ok")
            throw ErrorBD(danada, kErrorDanada);
        return bd;
    } catch (const ErrorBD& e) {
        if (e.Codigo() == kErrorNoEsBaseDatos || e.Codigo() == kErrorDanada)
            throw ErrorBD(danada, e.Codigo());
        throw ErrorBD(prefijo + e.Descripcion(), e.Codigo());
    }
}

void ComprobarTablasReferencia(BaseDatos& bd) {
    for (const QString& tabla : kTablasReferencia) {
        Consulta c = bd.Consultar(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND "
                                                 "name = ?1 COLLATE NOCASE"),
                                  {tabla});
        if (c.Fin())
            throw ErrorBD(u"No se pudo abrir la base de datos " + kArchivoBDReferencia +
                          u": el archivo no contiene la tabla " + tabla +
                          u" y no es la base de datos de este programa.");
    }
}
} // namespace

void AbrirBasesDatos() {
    if (!Referencia()) {
        auto bd = AbrirNombrando(kArchivoBDReferencia, RutaBDReferencia(), kClaveBDReferencia);
        ComprobarTablasReferencia(*bd);
        Referencia() = std::move(bd);
    }
    if (!Notas())
        Notas() = AbrirNombrando(kArchivoBDNotas, RutaBDNotas(), QString());
}

QStringList BasesSoloLectura() {
    QStringList archivos;
    if (ReferenceDb() && ReferenceDb()->SoloLectura())
        archivos << kArchivoBDReferencia;
    if (NotesDb() && NotesDb()->SoloLectura())
        archivos << kArchivoBDNotas;
    return archivos;
}

void CerrarBasesDatos() {
    Notas().reset();
    Referencia().reset();
}

QString TextoSeguro(const QVariant& valor) {
    if (valor.isNull() || !valor.isValid())
        return {};
    return valor.toString();
}

QString FechaBD(const QDateTime& momento) {
    return momento.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDateTime LeerFechaBD(const QVariant& valor) {
    const QString t = TextoSeguro(valor).trimmed();
    QDateTime d = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!d.isValid())
        d = QDateTime::fromString(t, Qt::ISODate);
    if (!d.isValid())
        d = QDateTime(QDate::fromString(t, QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    return d;
}

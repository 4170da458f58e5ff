#include "shell/AlmacenDatos.h"

#include "shell/Rutas.h"

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
// The engine's text alone does not say which of the two files failed.
std::unique_ptr<BaseDatos> AbrirNombrando(const QString& archivo, const QString& ruta, const QString& clave) {
    try {
        return BaseDatos::Abrir(ruta, clave);
    } catch (const ErrorBD& e) {
        throw ErrorBD(u"No se pudo abrir la base de datos " + archivo + u": " + e.Descripcion());
    }
}
} // namespace

void AbrirBasesDatos() {
    if (!Referencia())
        Referencia() = AbrirNombrando(QStringLiteral("tz.mdb"), RutaBDReferencia(), kClaveBDReferencia);
    if (!Notas())
        Notas() = AbrirNombrando(QStringLiteral("notasp.mdb"), RutaBDNotas(), QString());
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

void CrearTablaNotasMias() {
    BaseDatos* bd = ReferenceDb();
    if (!bd)
        return;
    try {
        bd->Ejecutar(QStringLiteral("CREATE TABLE NotasPeliRevMias (") +
                     QStringLiteral("IdNota      COUNTER CONSTRAINT PK_NP PRIMARY KEY, ") +
                     QStringLiteral("Tipo        INTEGER, ") + QStringLiteral("IdPelicula  LONG, ") +
                     QStringLiteral("IdRevelador LONG, ") + QStringLiteral("Titulo      TEXT(100), ") +
                     QStringLiteral("Texto       MEMO, ") + QStringLiteral("FechaModif  DATETIME)"));
    } catch (const ErrorBD&) {
        // Usually the table is there already.
    }
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

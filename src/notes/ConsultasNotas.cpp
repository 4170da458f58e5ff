#include "notes/ConsultasNotas.h"

#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"

#include <QDateTime>
#include <sqlite3.h>

namespace {

const QString kSinTitulo = QStringLiteral("(sin titulo)");

QString FechaLista(const QVariant& fecha) {
    // The stored day is read as it stands: a local date-time per row costs a time zone lookup.
    QDate d = QDate::fromString(TextoSeguro(fecha).trimmed().left(10), Qt::ISODate);
    if (!d.isValid())
        d = LeerFechaBD(fecha).date();
    return d.isValid() ? QString::asprintf("%02d/%02d/%04d", d.day(), d.month(), d.year()) : QString();
}

} // namespace

QString TituloGuardado(const QString& titulo) {
    const QString t = titulo.trimmed();
    return t.isEmpty() ? kSinTitulo : t;
}

bool EsRtf(const QString& cuerpo) {
    return cuerpo.startsWith(QLatin1String("{\\rtf"));
}

std::vector<ItemNota> ListarNotas(OrdenNotas orden) {
    std::vector<ItemNota> items;
    BaseDatos* bd = NotesDb();
    if (!bd)
        return items;
    const QString orden_sql =
        orden == OrdenNotas::Fecha ? QStringLiteral("Fecha DESC") : QStringLiteral("Titulo");
    for (Consulta c = bd->Consultar(u"SELECT Id, Fecha, Titulo FROM " + kTablaNotasPersonales +
                                    u" ORDER BY " + orden_sql);
         !c.Fin(); c.Siguiente()) {
        QString titulo = TextoSeguro(c.Campo(QStringLiteral("Titulo")));
        if (titulo.isEmpty())
            titulo = kSinTitulo;
        items.push_back({c.Campo(QStringLiteral("Id")).toLongLong(),
                         FechaLista(c.Campo(QStringLiteral("Fecha"))) + u"  " + titulo});
    }
    return items;
}

std::optional<Nota> LeerNota(qint64 id) {
    BaseDatos* bd = NotesDb();
    if (!bd)
        return std::nullopt;
    Consulta c = bd->Consultar(u"SELECT Id, Fecha, Titulo, Texto FROM " + kTablaNotasPersonales +
                               u" WHERE Id=" + QString::number(id));
    if (c.Fin())
        return std::nullopt;
    return Nota{c.Campo(QStringLiteral("Id")).toLongLong(), c.Campo(QStringLiteral("Fecha")),
                TextoSeguro(c.Campo(QStringLiteral("Titulo"))),
                TextoSeguro(c.Campo(QStringLiteral("Texto")))};
}

qint64 ActualizarNota(qint64 id, const QVariant& fecha, const QString& titulo, const QString& cuerpo) {
    BaseDatos* bd = NotesDb();
    if (!bd)
        return 0;
    // One statement checks and writes, so nothing can come between.
    bd->Ejecutar(u"UPDATE " + kTablaNotasPersonales + u" SET Titulo=?, Texto=? WHERE Id=? AND Fecha IS ?",
                 {TituloGuardado(titulo), cuerpo, id, fecha});
    return sqlite3_changes(bd->Nativo()) > 0 ? id : InsertarNota(titulo, cuerpo);
}

qint64 InsertarNota(const QString& titulo, const QString& cuerpo) {
    BaseDatos* bd = NotesDb();
    if (!bd)
        return 0;
    return bd->Insertar(kTablaNotasPersonales,
                        {{QStringLiteral("Fecha"), FechaBD(QDateTime::currentDateTime())},
                         {QStringLiteral("Titulo"), TituloGuardado(titulo)},
                         {QStringLiteral("Texto"), cuerpo}});
}

QString FechaNota(qint64 id) {
    BaseDatos* bd = NotesDb();
    if (!bd)
        return {};
    Consulta c =
        bd->Consultar(u"SELECT Fecha FROM " + kTablaNotasPersonales + u" WHERE Id=" + QString::number(id));
    return c.Fin() ? QString() : FechaLista(c.Campo(QStringLiteral("Fecha")));
}

void BorrarNota(qint64 id) {
    if (BaseDatos* bd = NotesDb())
        bd->Ejecutar(u"DELETE FROM " + kTablaNotasPersonales + u" WHERE Id=" + QString::number(id));
}

#include "shell/BaseDatos.h"

#include "shell/DialectoJet.h"

#include <QHash>
#include <QRegularExpression>
#include <sqlite3.h>

ErrorBD::ErrorBD(const QString& descripcion, int codigo)
    : std::runtime_error(descripcion.toStdString()), descripcion_(descripcion), codigo_(codigo) {}

namespace {

[[noreturn]] void Fallar(sqlite3* db) {
    throw ErrorBD(QString::fromUtf8(sqlite3_errmsg(db)), sqlite3_errcode(db) & 0xff);
}

void Enlazar(sqlite3_stmt* stmt, int i, const QVariant& v) {
    if (v.isNull()) {
        sqlite3_bind_null(stmt, i);
        return;
    }
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
        sqlite3_bind_int64(stmt, i, v.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(stmt, i, v.toDouble());
        break;
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        sqlite3_bind_blob(stmt, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        break;
    }
    default: {
        const QByteArray t = v.toString().toUtf8();
        sqlite3_bind_text(stmt, i, t.constData(), int(t.size()), SQLITE_TRANSIENT);
    }
    }
}

// "Tabla", or "esquema.Tabla" for a table of an attached database.
QString Identificador(const QString& nombre) {
    return u'[' + QString(nombre).replace(QStringLiteral("."), QStringLiteral("].[")) + u']';
}

} // namespace

// Statements kept compiled between uses, by their text: compiling costs more than running most of
// the program's queries, and an import repeats the same few for every row. A statement in use is
// out of the reserve, so two queries of the same text at once each have their own.
class ReservaSentencias {
public:
    ReservaSentencias() = default;
    ReservaSentencias(const ReservaSentencias&) = delete;
    ReservaSentencias& operator=(const ReservaSentencias&) = delete;
    ~ReservaSentencias() { Vaciar(); }

    sqlite3_stmt* Tomar(const QByteArray& sql) { return libres_.take(sql); }

    void Devolver(sqlite3_stmt* stmt) {
        if (!stmt)
            return;
        // A reset statement holds no lock and no value of its last run.
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
        const QByteArray sql(sqlite3_sql(stmt));
        // A pragma may carry the key; the rest of them run once.
        if (sql.trimmed().left(6).toUpper() == "PRAGMA" || libres_.contains(sql)) {
            sqlite3_finalize(stmt);
            return;
        }
        if (libres_.size() >= kMaximo)
            Vaciar();
        libres_.insert(sql, stmt);
    }

private:
    static constexpr qsizetype kMaximo = 64;

    void Vaciar() {
        for (sqlite3_stmt* stmt : std::as_const(libres_))
            sqlite3_finalize(stmt);
        libres_.clear();
    }

    QHash<QByteArray, sqlite3_stmt*> libres_;
};

namespace {

void Soltar(sqlite3_stmt* stmt, const std::weak_ptr<ReservaSentencias>& reserva) {
    if (const auto r = reserva.lock())
        r->Devolver(stmt);
    else
        sqlite3_finalize(stmt);
}

} // namespace

// ---------------------------------------------------------------------------------------------

Consulta::Consulta(sqlite3_stmt* stmt, sqlite3* db, std::weak_ptr<ReservaSentencias> reserva)
    : stmt_(stmt), db_(db), reserva_(std::move(reserva)) {
    Paso();
}

Consulta::Consulta(Consulta&& otra) noexcept
    : stmt_(std::exchange(otra.stmt_, nullptr)), db_(otra.db_), reserva_(std::move(otra.reserva_)),
      fin_(std::exchange(otra.fin_, true)) {}

Consulta& Consulta::operator=(Consulta&& otra) noexcept {
    if (this != &otra) {
        Soltar(stmt_, reserva_);
        stmt_ = std::exchange(otra.stmt_, nullptr);
        db_ = otra.db_;
        reserva_ = std::move(otra.reserva_);
        fin_ = std::exchange(otra.fin_, true);
    }
    return *this;
}

Consulta::~Consulta() {
    Soltar(stmt_, reserva_);
}

void Consulta::Paso() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) {
        fin_ = false;
        return;
    }
    fin_ = true;
    if (rc != SQLITE_DONE) {
        const QString msg = QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throw ErrorBD(msg);
    }
}

void Consulta::Siguiente() {
    if (fin_)
        throw ErrorBD(QStringLiteral("No hay ningún registro activo."));
    Paso();
}

int Consulta::NumeroCampos() const {
    return stmt_ ? sqlite3_column_count(stmt_) : 0;
}

QString Consulta::NombreCampo(int indice) const {
    return QString::fromUtf8(sqlite3_column_name(stmt_, indice));
}

int Consulta::Indice(const QString& columna) const {
    const int n = NumeroCampos();
    for (int i = 0; i < n; ++i)
        if (columna.compare(QLatin1StringView(sqlite3_column_name(stmt_, i)), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool Consulta::TieneCampo(const QString& columna) const {
    return Indice(columna) >= 0;
}

QVariant Consulta::Campo(const QString& columna) const {
    const int i = Indice(columna);
    if (i < 0)
        throw ErrorBD(QStringLiteral("Elemento no encontrado en esta colección: ") + columna);
    return Campo(i);
}

QVariant Consulta::Campo(int i) const {
    if (fin_)
        throw ErrorBD(QStringLiteral("No hay ningún registro activo."));
    switch (sqlite3_column_type(stmt_, i)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(stmt_, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt_, i));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt_, i)),
                                   sqlite3_column_bytes(stmt_, i)));
    case SQLITE_NULL:
        return QVariant();
    default:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i)),
                                          sqlite3_column_bytes(stmt_, i)));
    }
}

// ---------------------------------------------------------------------------------------------

BaseDatos::BaseDatos(sqlite3* db, QString ruta)
    : db_(db), ruta_(std::move(ruta)), reserva_(std::make_shared<ReservaSentencias>()) {}

BaseDatos::~BaseDatos() {
    // A query still open keeps the connection until it ends; the engine closes it then.
    reserva_.reset();
    sqlite3_close_v2(db_);
}

namespace {

// The edition of NOCASE's order the file's indexes were built with. It lives in the header's
// application id because user_version holds the schema's edition; a copy that loses it only
// rebuilds its indexes once more.
constexpr int kOrdenIndices = 1;

// An index keeps its entries in the collation's order; built under an earlier order, lookups
// through it would miss rows, so it is rebuilt once.
void ReordenarIndices(BaseDatos& bd) {
    try {
        if (bd.Consultar(QStringLiteral("PRAGMA application_id")).Campo(0).toInt() == kOrdenIndices)
            return;
        Transaccion tx(bd);
        bd.Ejecutar(QStringLiteral("REINDEX NOCASE"));
        bd.Ejecutar(u"PRAGMA application_id = " + QString::number(kOrdenIndices));
        tx.Confirmar();
    } catch (const ErrorBD&) {
        // A read-only or busy file is read as it is; the next opening tries again.
    }
}

} // namespace

std::unique_ptr<BaseDatos> BaseDatos::Abrir(const QString& ruta, const QString& clave) {
    Opciones o;
    o.clave = clave;
    return Abrir(ruta, o);
}

std::unique_ptr<BaseDatos> BaseDatos::Abrir(const QString& ruta, const Opciones& opciones) {
    sqlite3* db = nullptr;
    int flags = opciones.soloLectura ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (opciones.crear && !opciones.soloLectura)
        flags |= SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(ruta.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg =
            db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        throw ErrorBD(msg, rc & 0xff);
    }
    std::unique_ptr<BaseDatos> bd(new BaseDatos(db, ruta));
    sqlite3_busy_timeout(db, 3000);
    if (!opciones.clave.isEmpty()) {
        QString clave = opciones.clave;
        bd->Ejecutar(u"PRAGMA key = '" + clave.replace(QStringLiteral("'"), QStringLiteral("''")) + u"'");
    }
    RegistrarDialectoJet(db);
    // The key is only checked at the first read.
    bd->Consultar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    // A save that returned is on disk, and one cut short by a crash rolls back from the journal.
    bd->Ejecutar(QStringLiteral("PRAGMA synchronous = FULL"));
    if (!opciones.soloLectura)
        ReordenarIndices(*bd);
    return bd;
}

bool BaseDatos::SoloLectura() const {
    return sqlite3_db_readonly(db_, "main") == 1;
}

sqlite3_stmt* BaseDatos::Preparar(const QString& sql, const QVariantList& parametros) {
    const QByteArray texto = sql.toUtf8();
    sqlite3_stmt* stmt = reserva_->Tomar(texto);
    if (!stmt && sqlite3_prepare_v2(db_, texto.constData(), int(texto.size()), &stmt, nullptr) != SQLITE_OK)
        Fallar(db_);
    for (int i = 0; i < parametros.size(); ++i)
        Enlazar(stmt, i + 1, parametros[i]);
    return stmt;
}

Consulta BaseDatos::Consultar(const QString& sql, const QVariantList& parametros) {
    return Consulta(Preparar(sql, parametros), db_, reserva_);
}

void BaseDatos::Ejecutar(const QString& sql, const QVariantList& parametros) {
    sqlite3_stmt* stmt = Preparar(TraducirDDL(sql), parametros);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        sqlite3_finalize(stmt);
        Fallar(db_);
    }
    reserva_->Devolver(stmt);
}

qint64 BaseDatos::Insertar(const QString& tabla, const Campos& campos) {
    QStringList nombres, marcas;
    QVariantList valores;
    for (const auto& [nombre, valor] : campos) {
        nombres << Identificador(nombre);
        marcas << QStringLiteral("?");
        valores << valor;
    }
    Ejecutar(u"INSERT INTO " + Identificador(tabla) + u" (" + nombres.join(u", ") + u") VALUES (" +
                 marcas.join(u", ") + u")",
             valores);
    return sqlite3_last_insert_rowid(db_);
}

int BaseDatos::Actualizar(const QString& tabla, const QString& columnaClave, const QVariant& clave,
                          const Campos& campos) {
    QStringList asignaciones;
    QVariantList valores;
    for (const auto& [nombre, valor] : campos) {
        asignaciones << Identificador(nombre) + u" = ?";
        valores << valor;
    }
    valores << clave;
    Ejecutar(u"UPDATE " + Identificador(tabla) + u" SET " + asignaciones.join(u", ") + u" WHERE " +
                 Identificador(columnaClave) + u" = ?",
             valores);
    return sqlite3_changes(db_);
}

bool BaseDatos::ExisteTabla(const QString& tabla) {
    return !Consultar(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? "
                                     "COLLATE NOCASE"),
                      {tabla})
                .Fin();
}

bool BaseDatos::ExisteCampo(const QString& tabla, const QString& columna) {
    if (!ExisteTabla(tabla))
        return false;
    for (Consulta c = Consultar(u"PRAGMA table_info(" + Identificador(tabla) + u")"); !c.Fin(); c.Siguiente())
        if (c.Campo(QStringLiteral("name")).toString().compare(columna, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void BaseDatos::Comenzar() {
    Ejecutar(QStringLiteral("BEGIN"));
}
void BaseDatos::Confirmar() {
    Ejecutar(QStringLiteral("COMMIT"));
}
void BaseDatos::Deshacer() {
    Ejecutar(QStringLiteral("ROLLBACK"));
}

Transaccion::Transaccion(BaseDatos& bd) : bd_(bd) {
    bd_.Comenzar();
}

Transaccion::~Transaccion() {
    if (!hecha_) {
        try {
            bd_.Deshacer();
        } catch (const ErrorBD&) {
            // Nothing left to undo.
        }
    }
}

void Transaccion::Confirmar() {
    bd_.Confirmar();
    hecha_ = true;
}

QString TraducirDDL(const QString& sql) {
    static const QRegularExpression ddl(QStringLiteral("^\\s*(CREATE|ALTER)\\s+TABLE\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (!ddl.match(sql).hasMatch())
        return sql;
    static const QRegularExpression tipo(QStringLiteral("\\b(COUNTER|MEMO|LONG)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    // Only outside quoted texts and names.
    QString salida;
    salida.reserve(sql.size());
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"' || c == u'[') {
            const QChar cierre = c == u'[' ? QChar(u']') : c;
            qsizetype j = sql.indexOf(cierre, i + 1);
            j = j < 0 ? sql.size() : j + 1;
            salida += sql.mid(i, j - i);
            i = j;
            continue;
        }
        qsizetype j = i;
        while (j < sql.size() && sql[j] != u'\'' && sql[j] != u'"' && sql[j] != u'[')
            ++j;
        QString tramo = sql.mid(i, j - i);
        QRegularExpressionMatchIterator it = tipo.globalMatch(tramo);
        QString traducido;
        qsizetype ultimo = 0;
        while (it.hasNext()) {
            const auto m = it.next();
            traducido += tramo.mid(ultimo, m.capturedStart() - ultimo);
            const QString t = m.captured(1).toUpper();
            traducido += t == u"MEMO" ? QStringLiteral("TEXT") : QStringLiteral("INTEGER");
            ultimo = m.capturedEnd();
        }
        traducido += tramo.mid(ultimo);
        salida += traducido;
        i = j;
    }
    return salida;
}

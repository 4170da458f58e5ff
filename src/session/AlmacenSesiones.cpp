#include "session/AlmacenSesiones.h"

#include "shell/AlmacenDatos.h"
#include "shell/AvisoDatosPropios.h"
#include "shell/Esquema.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace {

BaseDatos& Abierta() {
    BaseDatos* bd = NotesDb();
    if (!bd)
        throw ErrorBD(QStringLiteral("La base de datos de notas no está abierta."));
    return *bd;
}

QString Texto(const Consulta& c, const char* columna) {
    return TextoSeguro(c.Campo(QString::fromLatin1(columna)));
}
int Entero(const Consulta& c, const char* columna) {
    return c.Campo(QString::fromLatin1(columna)).toInt();
}
double Decimal(const Consulta& c, const char* columna) {
    return c.Campo(QString::fromLatin1(columna)).toDouble();
}
QString Ahora() {
    return FechaBD(QDateTime::currentDateTime());
}

Tanque LeerTanqueFila(const Consulta& c) {
    Tanque t;
    t.id = c.Campo(QStringLiteral("IdTanque")).toLongLong();
    t.nombre = Texto(c, "Nombre");
    t.ml35 = Entero(c, "Ml35");
    t.ml120 = Entero(c, "Ml120");
    t.maxCarretes35 = Entero(c, "MaxCarretes35");
    t.maxCarretes120 = Entero(c, "MaxCarretes120");
    return t;
}

Botella LeerBotellaFila(const Consulta& c) {
    Botella b;
    b.id = c.Campo(QStringLiteral("IdBotella")).toLongLong();
    b.revelador = Texto(c, "Revelador");
    b.dilucion = Texto(c, "Dilucion");
    b.mezclada = QDate::fromString(Texto(c, "Mezclada").left(10), Qt::ISODate);
    b.ml = Entero(c, "Ml");
    b.nota = Texto(c, "Nota");
    return b;
}

Sesion LeerSesionFila(const Consulta& c) {
    Sesion s;
    s.id = c.Campo(QStringLiteral("IdSesion")).toLongLong();
    s.cuando = LeerFechaBD(c.Campo(QStringLiteral("Fecha")));
    s.tanque = Texto(c, "Tanque");
    s.mlTanque35 = Entero(c, "MlTanque35");
    s.mlTanque120 = Entero(c, "MlTanque120");
    s.carga = {Entero(c, "Carretes35"), Entero(c, "Carretes120"), Entero(c, "Hojas")};
    s.pelicula = Texto(c, "Pelicula");
    s.revelador = Texto(c, "Revelador");
    s.dilucion = Texto(c, "Dilucion");
    s.ei = Texto(c, "EI");
    // A row written without a temperature keeps the default rather than 0 °C.
    if (!c.Campo(QStringLiteral("DecimasBano")).isNull())
        s.decimasBano = Entero(c, "DecimasBano");
    s.segundosRevelado = Entero(c, "SegundosRevelado");
    s.mlTrabajo = Entero(c, "MlTrabajo");
    s.mlConcentrado = Decimal(c, "MlConcentrado");
    s.mlAgua = Decimal(c, "MlAgua");
    s.idBotella = c.Campo(QStringLiteral("IdBotella")).toLongLong();
    // Baths written by hand in a form this program cannot read are left out; the rest stays readable.
    s.banos = LeerTextoBanos(Texto(c, "Banos")).value_or(std::vector<Bano>{});
    s.nota = Texto(c, "Nota");
    return s;
}

Campos CamposTanque(const Tanque& t) {
    return {{QStringLiteral("Nombre"), t.nombre.trimmed()},
            {QStringLiteral("Ml35"), t.ml35},
            {QStringLiteral("Ml120"), t.ml120},
            {QStringLiteral("MaxCarretes35"), t.maxCarretes35},
            {QStringLiteral("MaxCarretes120"), t.maxCarretes120},
            {QStringLiteral("FechaModif"), Ahora()}};
}

Campos CamposBotella(const Botella& b) {
    return {{QStringLiteral("Revelador"), b.revelador.trimmed()},
            {QStringLiteral("Dilucion"), b.dilucion.trimmed()},
            {QStringLiteral("Mezclada"), b.mezclada.isValid() ? QVariant(b.mezclada.toString(Qt::ISODate))
                                                              : QVariant(QMetaType::fromType<QString>())},
            {QStringLiteral("Ml"), b.ml},
            {QStringLiteral("Nota"), b.nota},
            {QStringLiteral("FechaModif"), Ahora()}};
}

Campos CamposSesion(const Sesion& s) {
    return {{QStringLiteral("Fecha"), FechaBD(s.cuando)},
            {QStringLiteral("Tanque"), s.tanque.trimmed()},
            {QStringLiteral("MlTanque35"), s.mlTanque35},
            {QStringLiteral("MlTanque120"), s.mlTanque120},
            {QStringLiteral("Carretes35"), s.carga.carretes35},
            {QStringLiteral("Carretes120"), s.carga.carretes120},
            {QStringLiteral("Hojas"), s.carga.hojas},
            {QStringLiteral("Pelicula"), s.pelicula.trimmed()},
            {QStringLiteral("Revelador"), s.revelador.trimmed()},
            {QStringLiteral("Dilucion"), s.dilucion.trimmed()},
            {QStringLiteral("EI"), s.ei.trimmed()},
            {QStringLiteral("DecimasBano"), s.decimasBano},
            {QStringLiteral("SegundosRevelado"), s.segundosRevelado},
            {QStringLiteral("MlTrabajo"), s.mlTrabajo},
            {QStringLiteral("MlConcentrado"), s.mlConcentrado},
            {QStringLiteral("MlAgua"), s.mlAgua},
            {QStringLiteral("IdBotella"), s.idBotella != 0 ? QVariant(s.idBotella) : QVariant()},
            {QStringLiteral("Banos"), TextoBanos(s.banos)},
            {QStringLiteral("Nota"), s.nota},
            {QStringLiteral("FechaModif"), Ahora()}};
}

// Inserts (id 0) or updates; a row deleted meanwhile is written anew rather than lost.
qint64 Escribir(BaseDatos& bd, const QString& tabla, const QString& columnaId, qint64 id,
                const Campos& campos) {
    if (id == 0 || bd.Actualizar(tabla, columnaId, id, campos) == 0)
        id = bd.Insertar(tabla, campos);
    return id;
}

// A read-only file of an older edition has no such table: nothing stored there.
template <typename T, typename Lector>
std::vector<T> Leer(const QString& tabla, const QString& resto, const QVariantList& parametros,
                    Lector lector) {
    std::vector<T> r;
    BaseDatos* bd = NotesDb();
    if (!bd || !bd->ExisteTabla(tabla))
        return r;
    for (Consulta c = bd->Consultar(u"SELECT * FROM " + tabla + u' ' + resto, parametros); !c.Fin();
         c.Siguiente())
        r.push_back(lector(c));
    return r;
}

template <typename T, typename Lector>
std::optional<T> LeerUno(const QString& tabla, const QString& columnaId, qint64 id, Lector lector) {
    auto r = Leer<T>(tabla, u"WHERE " + columnaId + u" = ?", {id}, lector);
    if (r.empty())
        return std::nullopt;
    return std::move(r.front());
}

void BorrarFila(const QString& tabla, const QString& columnaId, qint64 id) {
    Abierta().Ejecutar(u"DELETE FROM " + tabla + u" WHERE " + columnaId + u" = ?", {id});
    AvisarDatosPropiosCambiados();
}

const QString kIdTanque = QStringLiteral("IdTanque");
const QString kIdBotella = QStringLiteral("IdBotella");
const QString kIdSesion = QStringLiteral("IdSesion");

} // namespace

std::vector<Tanque> LeerTanques() {
    return Leer<Tanque>(kTablaTanquesPropios, QStringLiteral("ORDER BY Nombre, IdTanque"), {},
                        LeerTanqueFila);
}

std::optional<Tanque> LeerTanque(qint64 id) {
    return LeerUno<Tanque>(kTablaTanquesPropios, kIdTanque, id, LeerTanqueFila);
}

qint64 GuardarTanque(const Tanque& t) {
    if (t.nombre.trimmed().isEmpty())
        throw ErrorBD(QStringLiteral("El tanque necesita un nombre."));
    const qint64 id = Escribir(Abierta(), kTablaTanquesPropios, kIdTanque, t.id, CamposTanque(t));
    AvisarDatosPropiosCambiados();
    return id;
}

void BorrarTanque(qint64 id) {
    BorrarFila(kTablaTanquesPropios, kIdTanque, id);
}

std::vector<Botella> LeerBotellas() {
    return Leer<Botella>(kTablaBotellasRevelador, QStringLiteral("ORDER BY Mezclada DESC, IdBotella DESC"),
                         {}, LeerBotellaFila);
}

std::optional<Botella> LeerBotella(qint64 id) {
    return LeerUno<Botella>(kTablaBotellasRevelador, kIdBotella, id, LeerBotellaFila);
}

qint64 GuardarBotella(const Botella& b) {
    const qint64 id = Escribir(Abierta(), kTablaBotellasRevelador, kIdBotella, b.id, CamposBotella(b));
    AvisarDatosPropiosCambiados();
    return id;
}

void BorrarBotella(qint64 id) {
    BaseDatos& bd = Abierta();
    Transaccion tx(bd);
    bd.Ejecutar(u"UPDATE " + kTablaSesionesRevelado + u" SET IdBotella = NULL WHERE IdBotella = ?", {id});
    bd.Ejecutar(u"DELETE FROM " + kTablaBotellasRevelador + u" WHERE IdBotella = ?", {id});
    tx.Confirmar();
    AvisarDatosPropiosCambiados();
}

std::vector<Sesion> LeerSesiones() {
    return Leer<Sesion>(kTablaSesionesRevelado, QStringLiteral("ORDER BY Fecha DESC, IdSesion DESC"), {},
                        LeerSesionFila);
}

std::optional<Sesion> LeerSesion(qint64 id) {
    return LeerUno<Sesion>(kTablaSesionesRevelado, kIdSesion, id, LeerSesionFila);
}

std::vector<Sesion> LeerSesionesBotella(qint64 idBotella) {
    if (idBotella == 0)
        return {};
    return Leer<Sesion>(kTablaSesionesRevelado,
                        QStringLiteral("WHERE IdBotella = ? ORDER BY Fecha, IdSesion"), {idBotella},
                        LeerSesionFila);
}

qint64 GuardarSesion(const Sesion& s) {
    const qint64 id = Escribir(Abierta(), kTablaSesionesRevelado, kIdSesion, s.id, CamposSesion(s));
    AvisarDatosPropiosCambiados();
    return id;
}

void BorrarSesion(qint64 id) {
    BorrarFila(kTablaSesionesRevelado, kIdSesion, id);
}

void BorrarTodasMisSesiones() {
    BaseDatos& bd = Abierta();
    Transaccion tx(bd);
    for (const QString& tabla : {kTablaSesionesRevelado, kTablaBotellasRevelador, kTablaTanquesPropios})
        bd.Ejecutar(u"DELETE FROM " + tabla);
    tx.Confirmar();
    AvisarDatosPropiosCambiados();
}

namespace {
const QString kEtapa = QStringLiteral("etapa");
const QString kProducto = QStringLiteral("producto");
const QString kDilucion = QStringLiteral("dilucion");
const QString kSegundos = QStringLiteral("segundos");
const QString kOmitido = QStringLiteral("omitido");
const QString kFuente = QStringLiteral("fuente");
} // namespace

QString TextoBanos(const std::vector<Bano>& banos) {
    QJsonArray lista;
    for (const Bano& b : banos)
        lista.append(QJsonObject{{kEtapa, b.etapa},
                                 {kProducto, b.producto},
                                 {kDilucion, b.dilucion},
                                 {kSegundos, b.segundos},
                                 {kOmitido, b.omitido},
                                 {kFuente, b.fuente}});
    return QString::fromUtf8(QJsonDocument(lista).toJson(QJsonDocument::Compact));
}

std::optional<std::vector<Bano>> LeerTextoBanos(const QString& texto) {
    std::vector<Bano> banos;
    if (texto.trimmed().isEmpty())
        return banos;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(texto.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray())
        return std::nullopt;
    for (const QJsonValue& v : doc.array()) {
        if (!v.isObject())
            return std::nullopt;
        const QJsonObject o = v.toObject();
        // Whole numbers only: a time or a stage is never a fraction, nor so large it would wrap.
        auto entero = [](const QJsonValue& n, int& destino) {
            if (n.isUndefined())
                return true;
            const double d = n.toDouble(-1);
            if (!n.isDouble() || d < 0 || d > 1e7 || d != int(d))
                return false;
            destino = int(d);
            return true;
        };
        auto cadena = [](const QJsonValue& t, QString& destino) {
            if (t.isUndefined() || t.isNull())
                return true;
            destino = t.toString();
            return t.isString();
        };
        Bano b;
        if (!entero(o.value(kEtapa), b.etapa) || !entero(o.value(kSegundos), b.segundos) ||
            !cadena(o.value(kProducto), b.producto) || !cadena(o.value(kDilucion), b.dilucion) ||
            !cadena(o.value(kFuente), b.fuente))
            return std::nullopt;
        const QJsonValue omitido = o.value(kOmitido);
        if (!omitido.isUndefined() && !omitido.isBool())
            return std::nullopt;
        b.omitido = omitido.toBool();
        banos.push_back(std::move(b));
    }
    return banos;
}

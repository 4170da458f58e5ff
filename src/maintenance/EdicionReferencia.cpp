#include "maintenance/EdicionReferencia.h"

#include "maintenance/CopiaSeguridad.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"
#include "shell/Rutas.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

// Tables of the schema that the data set never fills: they are kept, and made when missing.
bool TablaConservada(const QString& tabla) {
    return tabla == kTablaNotasMiasPelicula || tabla == kTablaNotasMiasRevelador ||
           tabla == kTablaEdicionDatos;
}

qint64 Contar(BaseDatos& bd, const QString& tabla, const QString& condicion = {}) {
    if (!bd.ExisteTabla(tabla))
        return 0;
    return bd.Consultar(u"SELECT COUNT(*) FROM [" + tabla + u']' + condicion).Campo(0).toLongLong();
}

// Points the program folder at the one being updated while the backup runs.
class CarpetaFijada {
public:
    explicit CarpetaFijada(const QString& carpeta) : previa_(CarpetaPrograma()) {
        FijarCarpetaPrograma(carpeta);
    }
    ~CarpetaFijada() { FijarCarpetaPrograma(previa_); }

private:
    QString previa_;
};

QString CopiarAparte(const QString& destino, const QDateTime& momento) {
    CarpetaFijada fijada(destino);
    const QString carpeta = CarpetaRespaldo(momento);
    if (!CrearCarpetaRespaldo(carpeta))
        throw ErrorBD(u"No se pudo crear la carpeta de la copia " + carpeta + u"; tz.mdb no se ha cambiado.");
    const ResultadoRespaldo r = RespaldarBases(carpeta);
    CerrarBasesDatos();
    if (!r.TodoBien())
        throw ErrorBD(u"No se pudieron copiar aparte las bases de datos (" +
                      InformeRespaldo(r).replace(u'\n', u' ').simplified() +
                      (r.errorReapertura.isEmpty() ? QString() : u' ' + r.errorReapertura.simplified()) +
                      u"); tz.mdb no se ha cambiado.");
    return carpeta;
}

} // namespace

EdicionBase LeerEdicionBase(BaseDatos& bd) {
    EdicionBase e;
    const int version = bd.Consultar(QStringLiteral("PRAGMA user_version")).Campo(0).toInt();
    if (version > 0)
        e.esquema = version;
    if (bd.ExisteTabla(kTablaEdicionDatos)) {
        Consulta c = bd.Consultar(u"SELECT MAX(Datos) FROM " + kTablaEdicionDatos);
        if (!c.Fin() && !c.Campo(0).isNull())
            e.datos = c.Campo(0).toInt();
    }
    return e;
}

void RegistrarEdicion(BaseDatos& bd, int edicionDatos, const QDateTime& momento) {
    bd.Ejecutar(u"PRAGMA user_version = " + QString::number(kEdicionEsquema));
    if (!bd.ExisteTabla(kTablaEdicionDatos))
        CrearTabla(bd, *BuscarTabla(EsquemaReferencia(), kTablaEdicionDatos));
    bd.Ejecutar(u"DELETE FROM " + kTablaEdicionDatos);
    bd.Insertar(kTablaEdicionDatos, {{QStringLiteral("Esquema"), kEdicionEsquema},
                                     {QStringLiteral("Datos"), edicionDatos},
                                     {QStringLiteral("Fecha"), FechaBD(momento)}});
}

void ReemplazarDatosReferencia(BaseDatos& bd, const DatosNuevos& datos, int edicionDatos,
                               const QDateTime& momento) {
    Transaccion tx(bd);
    std::vector<std::pair<QVariant, QVariant>> notasFormulas;
    if (bd.ExisteTabla(kTablaFormulas) && bd.ExisteCampo(kTablaFormulas, QStringLiteral("MisNotasFormulas")))
        for (Consulta c = bd.Consultar(u"SELECT IdFormula, MisNotasFormulas FROM " + kTablaFormulas +
                                       u" WHERE MisNotasFormulas IS NOT NULL");
             !c.Fin(); c.Siguiente())
            notasFormulas.emplace_back(c.Campo(0), c.Campo(1));

    // A formula the user wrote about must still be there, or the note would go with it.
    for (const auto& [id, nota] : notasFormulas)
        if (!datos.formulas.contains(id.toString()))
            throw ErrorBD(kTablaFormulas + u": falta la fórmula " + id.toString() +
                          u", que tiene notas del usuario (MisNotasFormulas)");

    std::vector<TablaEsquema> referencia;
    for (const TablaEsquema& t : EsquemaReferencia()) {
        if (TablaConservada(t.nombre)) {
            if (!bd.ExisteTabla(t.nombre))
                CrearTabla(bd, t);
            continue;
        }
        bd.Ejecutar(u"DROP TABLE IF EXISTS [" + t.nombre + u']');
        CrearTabla(bd, t);
        referencia.push_back(t);
    }
    datos.cargar(bd, referencia);
    for (const auto& [id, nota] : notasFormulas)
        bd.Ejecutar(u"UPDATE " + kTablaFormulas + u" SET MisNotasFormulas = ? WHERE IdFormula = ?",
                    {nota, id});
    RegistrarEdicion(bd, edicionDatos, momento);
    tx.Confirmar();
}

QStringList ActualizarBaseReferencia(const QString& destino, const DatosNuevos& datos, int edicionDatos,
                                     const QDateTime& momento) {
    const QString ruta = QDir(destino).filePath(kArchivoBDReferencia);
    if (!QFileInfo::exists(ruta))
        throw ErrorBD(u"No existe " + ruta);
    EdicionBase tiene;
    try {
        auto bd = BaseDatos::Abrir(ruta, kClaveBDReferencia);
        tiene = LeerEdicionBase(*bd);
    } catch (const ErrorBD& e) {
        throw ErrorBD(u"No se pudo abrir la base de datos " + ruta + u": " + e.Descripcion());
    }
    if (tiene.esquema > kEdicionEsquema)
        return {ruta + QStringLiteral(": su esquema (edición %1) es más nuevo que el de este programa (%2); "
                                      "no se cambia nada.")
                           .arg(tiene.esquema)
                           .arg(kEdicionEsquema)};
    if (tiene.datos == edicionDatos)
        return {
            ruta +
            QStringLiteral(": ya tiene la edición %1 de los datos; no se cambia nada.").arg(edicionDatos)};
    if (tiene.datos > edicionDatos)
        return {ruta +
                QStringLiteral(": tiene la edición %1 de los datos, más nueva que la de estos (%2); no se "
                               "cambia nada.")
                    .arg(tiene.datos)
                    .arg(edicionDatos)};

    const QString copia = CopiarAparte(destino, momento);
    auto bd = BaseDatos::Abrir(ruta, kClaveBDReferencia);
    try {
        ReemplazarDatosReferencia(*bd, datos, edicionDatos, momento);
    } catch (const ErrorBD& e) {
        throw ErrorBD(ruta + u" no se ha actualizado y queda como estaba: " + e.Descripcion() +
                      u" (copia aparte en " + copia + u')');
    }
    const QString notas =
        QStringLiteral("notas del usuario conservadas: %1 por película, %2 por revelador, %3 propias, %4 de "
                       "fórmulas")
            .arg(Contar(*bd, kTablaNotasMiasPelicula))
            .arg(Contar(*bd, kTablaNotasMiasRevelador))
            .arg(Contar(*bd, kTablaNotasPeliRevMias))
            .arg(Contar(*bd, kTablaFormulas, QStringLiteral(" WHERE MisNotasFormulas IS NOT NULL")));
    return {
        u"Copia aparte: " + copia,
        ruta +
            QStringLiteral(": de la edición %1 a la %2 de los datos; ").arg(tiene.datos).arg(edicionDatos) +
            notas};
}

DatosNuevos DatosDeOtraBase(BaseDatos& origen) {
    DatosNuevos d;
    if (origen.ExisteTabla(kTablaFormulas))
        for (Consulta c = origen.Consultar(u"SELECT IdFormula FROM " + kTablaFormulas); !c.Fin();
             c.Siguiente())
            d.formulas.insert(c.Campo(0).toString().trimmed());
    d.cargar = [&origen](BaseDatos& bd, const std::vector<TablaEsquema>& tablas) {
        for (const TablaEsquema& t : tablas) {
            if (!origen.ExisteTabla(t.nombre))
                continue;
            QStringList columnas;
            for (const ColumnaEsquema& c : t.columnas)
                if (origen.ExisteCampo(t.nombre, c.nombre))
                    columnas << u'[' + c.nombre + u']';
            if (columnas.isEmpty())
                continue;
            for (Consulta c =
                     origen.Consultar(u"SELECT " + columnas.join(u',') + u" FROM [" + t.nombre + u']');
                 !c.Fin(); c.Siguiente()) {
                Campos fila;
                for (int i = 0; i < c.NumeroCampos(); ++i)
                    fila.emplace_back(c.NombreCampo(i), c.Campo(i));
                bd.Insertar(t.nombre, fila);
            }
        }
    };
    return d;
}

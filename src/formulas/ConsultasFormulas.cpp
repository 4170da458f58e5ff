#include "formulas/ConsultasFormulas.h"

#include "shell/AlmacenDatos.h"
#include "shell/DialectoJet.h"
#include "shell/Esquema.h"

namespace formulas {

QString CampoES(const Consulta& registro, const QString& columna, const QString& respaldo) {
    try {
        const QString texto = TextoSeguro(registro.Campo(columna));
        return texto.isEmpty() ? respaldo : texto;
    } catch (const ErrorBD&) {
        return respaldo; // an older database without the column
    }
}

bool ExisteCampo(const QString& tabla, const QString& columna) {
    BaseDatos* bd = ReferenceDb();
    try {
        return bd && bd->ExisteTabla(tabla) && bd->ExisteCampo(tabla, columna);
    } catch (const ErrorBD&) {
        return false;
    }
}

QStringList CargarCategorias() {
    QStringList categorias;
    BaseDatos* bd = ReferenceDb();
    if (!bd)
        return categorias;
    bool sinCategoria = false;
    for (Consulta c =
             bd->Consultar(u"SELECT DISTINCT CategoriaES FROM " + kTablaFormulas + u" ORDER BY CategoriaES");
         !c.Fin(); c.Siguiente()) {
        const QString texto = TextoSeguro(c.Campo(0));
        if (texto.isEmpty())
            sinCategoria = true;
        else
            categorias << texto;
    }
    if (sinCategoria)
        categorias << kSinCategoria;
    return categorias;
}

std::vector<EntradaLista> CargarLista(const QString& filtro, const std::optional<QString>& categoria,
                                      bool modoES) {
    std::vector<EntradaLista> entradas;
    BaseDatos* bd = ReferenceDb();
    if (!bd || !FiltroValido(filtro))
        return entradas;
    QString sql = u"SELECT IdFormula, Nombre, NombreES FROM " + kTablaFormulas + u" WHERE 1=1";
    if (categoria && categoria->isEmpty())
        sql += QStringLiteral(" AND (CategoriaES IS NULL OR CategoriaES='')");
    else if (categoria)
        sql += u" AND CategoriaES='" + DoblarComillas(*categoria) + u'\'';
    const QString f = filtro.trimmed();
    if (!f.isEmpty()) {
        const QString d = DoblarComillas(f);
        sql += u" AND (Nombre LIKE '*" + d + u"*' OR Tipo LIKE '*" + d + u"*')";
    }
    sql += QStringLiteral(" ORDER BY Nombre");
    const bool hayES = ExisteCampo(kTablaFormulas, QStringLiteral("NombreES"));
    if (!hayES)
        sql.replace(QStringLiteral("IdFormula, Nombre, NombreES"),
                    QStringLiteral("IdFormula, Nombre, Nombre AS NombreES"));
    for (Consulta c = bd->Consultar(sql); !c.Fin(); c.Siguiente()) {
        const QString nombre = TextoSeguro(c.Campo(1));
        entradas.push_back(
            {c.Campo(0).toInt(), modoES && hayES ? CampoES(c, QStringLiteral("NombreES"), nombre) : nombre});
    }
    return entradas;
}

std::optional<Detalle> MostrarFormula(int id, bool modoES) {
    BaseDatos* bd = ReferenceDb();
    if (id == 0 || !bd)
        return std::nullopt;
    Consulta c =
        bd->Consultar(u"SELECT * FROM " + kTablaFormulas + u" WHERE IdFormula=" + QString::number(id));
    if (c.Fin())
        return std::nullopt;
    const auto texto = [&](const char* base) {
        const QString columna = QString::fromLatin1(base);
        const QString valor = TextoSeguro(c.Campo(columna));
        return modoES ? CampoES(c, columna + u"ES", valor) : valor;
    };
    Detalle d;
    d.nombre = TextoSeguro(c.Campo(QStringLiteral("Nombre")));
    d.subtitulo = texto("Subtitulo");
    d.tipo = texto("Tipo");
    d.dilucion = TextoSeguro(c.Campo(QStringLiteral("DilucionES")));
    d.instrucciones = texto("Instrucciones");
    d.uso = texto("Uso");
    d.notas = texto("Notas");
    return d;
}

std::vector<FilaIngrediente> CargarIngredientes(int id, bool modoES) {
    std::vector<FilaIngrediente> filas;
    BaseDatos* bd = ReferenceDb();
    if (!bd)
        return filas;
    try {
        int parteAnterior = -1;
        for (Consulta c = bd->Consultar(
                 QStringLiteral("SELECT NumeroParte, TituloParte, TituloParteES, Orden, ") +
                 QStringLiteral("Quimica, QuimicaES, Cantidad, Unidad ") + u"FROM " + kTablaIngredientes +
                 u" WHERE IdFormula=" + QString::number(id) + u" ORDER BY NumeroParte, Orden");
             !c.Fin(); c.Siguiente()) {
            const int parte = c.Campo(QStringLiteral("NumeroParte")).toInt();
            const QString tituloBase = TextoSeguro(c.Campo(QStringLiteral("TituloParte")));
            if (parte != parteAnterior) {
                const QString titulo =
                    modoES ? CampoES(c, QStringLiteral("TituloParteES"), tituloBase) : tituloBase;
                if (!titulo.isEmpty())
                    filas.push_back({true, {}, titulo, {}, {}});
                parteAnterior = parte;
            }
            const QString quimica = TextoSeguro(c.Campo(QStringLiteral("Quimica")));
            filas.push_back({false, tituloBase.isEmpty() ? QString() : QString::number(parte),
                             modoES ? CampoES(c, QStringLiteral("QuimicaES"), quimica) : quimica,
                             TextoSeguro(c.Campo(QStringLiteral("Cantidad"))),
                             TextoSeguro(c.Campo(QStringLiteral("Unidad")))});
        }
    } catch (const ErrorBD&) {
        // The rows read so far stay.
    }
    return filas;
}

QString CargarMisNotas(int id) {
    BaseDatos* bd = ReferenceDb();
    if (!bd)
        return {};
    try {
        Consulta c = bd->Consultar(u"SELECT MisNotasFormulas FROM " + kTablaFormulas + u" WHERE IdFormula=" +
                                   QString::number(id));
        return c.Fin() ? QString() : TextoSeguro(c.Campo(0));
    } catch (const ErrorBD&) {
        return {};
    }
}

void GuardarMisNotas(int id, const QString& texto) {
    BaseDatos* bd = ReferenceDb();
    if (!bd || id == 0)
        return;
    // A null QString would be bound as null.
    const QString valor = texto.isNull() ? QStringLiteral("") : texto;
    bd->Actualizar(kTablaFormulas, QStringLiteral("IdFormula"), id,
                   {{QStringLiteral("MisNotasFormulas"), valor}});
}

} // namespace formulas

#include "shell/AlmacenDatos.h"
#include "shell/BaseDatos.h"
#include "shell/Esquema.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every name the statements use is a table the schema creates, spelled as it is created.
TEST(Esquema, CadaNombreDeTablaEsUnaTablaDelEsquema) {
    for (const QString& nombre :
         {kTablaPeliculas, kTablaReveladores, kTablaTiempos, kTablaNotasPeliRev, kTablaNotasMiasPelicula,
          kTablaNotasMiasRevelador, kTablaPeliculasDisc, kTablaReveladoresDisc, kTablaPeliculasInfoTec,
          kTablaFormulas, kTablaIngredientes, kTablaEdicionDatos}) {
        const TablaEsquema* t = BuscarTabla(EsquemaReferencia(), nombre);
        ASSERT_NE(t, nullptr) << nombre.toStdString();
        EXPECT_EQ(t->nombre, nombre);
    }
    for (const QString& nombre : {kTablaNotasPersonales, kTablaCuadernoRevelado, kTablaPeliculasPropias,
                                  kTablaReveladoresPropios, kTablaTiemposPropios}) {
        const TablaEsquema* t = BuscarTabla(EsquemaNotas(), nombre);
        ASSERT_NE(t, nullptr) << nombre.toStdString();
        EXPECT_EQ(t->nombre, nombre);
    }
    // The user's notes table stays out of the reference schema: a new data edition rebuilds that.
    EXPECT_EQ(TablaNotasPeliRevMias().nombre, kTablaNotasPeliRevMias);
    EXPECT_EQ(BuscarTabla(EsquemaReferencia(), kTablaNotasPeliRevMias), nullptr);
}

QStringList Columnas(BaseDatos& bd, const QString& tabla) {
    QStringList r;
    for (Consulta c = bd.Consultar(u"PRAGMA table_info([" + tabla + u"])"); !c.Fin(); c.Siguiente())
        r << TextoSeguro(c.Campo(QStringLiteral("name"))) + u' ' +
                 TextoSeguro(c.Campo(QStringLiteral("type"))) + u" pk=" +
                 TextoSeguro(c.Campo(QStringLiteral("pk")));
    return r;
}

// Files made by earlier versions have the table from their own statement; the schema's is the same.
TEST(Esquema, NotasPeliRevMiasComoLaHacianLasVersionesAnteriores) {
    QTemporaryDir dir;
    BaseDatos::Opciones o;
    o.crear = true;
    auto antigua = BaseDatos::Abrir(dir.filePath("antigua.mdb"), o);
    antigua->Ejecutar(QStringLiteral("CREATE TABLE NotasPeliRevMias (IdNota      COUNTER CONSTRAINT PK_NP "
                                     "PRIMARY KEY, Tipo        INTEGER, IdPelicula  LONG, IdRevelador LONG, "
                                     "Titulo      TEXT(100), Texto       MEMO, FechaModif  DATETIME)"));
    auto nueva = BaseDatos::Abrir(dir.filePath("nueva.mdb"), o);
    nueva->Ejecutar(TablaNotasPeliRevMias().Crear());
    const QStringList columnas = Columnas(*antigua, kTablaNotasPeliRevMias);
    EXPECT_EQ(columnas.size(), 7);
    EXPECT_EQ(Columnas(*nueva, kTablaNotasPeliRevMias), columnas);
}

} // namespace

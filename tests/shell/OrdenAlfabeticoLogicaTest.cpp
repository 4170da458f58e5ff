#include "shell/OrdenAlfabetico.h"

#include "documents/Documentos.h"
#include "maintenance/Fondos.h"
#include "notes/ConsultasNotas.h"
#include "shell/AlmacenDatos.h"
#include "soporte/CarpetaPruebas.h"
#include "viewer/Tira.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <string>

namespace {

const QStringList kIssue = {"Zeta", "ñandú", "Prueba", "árbol", "Bienvenido", "abeto"};
const QStringList kIssueOrdenada = {"abeto", "árbol", "Bienvenido", "ñandú", "Prueba", "Zeta"};

QStringList Ordenada(QStringList l) {
    std::sort(l.begin(), l.end(), AntesAlfabetico);
    return l;
}

// Folded one code point at a time, as the engine folds.
std::u32string Plegada(const QString& t) {
    std::u32string r;
    for (const char32_t c : t.toUcs4())
        r += QChar::toCaseFolded(c);
    return r;
}

int Signo(int c) {
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

QStringList Columna(BaseDatos& bd, const QString& sql, const QVariantList& parametros = {}) {
    QStringList r;
    for (Consulta c = bd.Consultar(sql, parametros); !c.Fin(); c.Siguiente())
        r << TextoSeguro(c.Campo(0));
    return r;
}

} // namespace

TEST(OrdenAlfabeticoTest, ComoLoEsperaUnLectorEspanol) {
    EXPECT_EQ(Ordenada(kIssue), kIssueOrdenada);
    // "ñ" is a letter of its own, after every "n".
    EXPECT_EQ(Ordenada({"oso", "ñandú", "nube", "Ñu", "nz", "Nutria", "ña"}),
              QStringList({"nube", "Nutria", "nz", "ña", "ñandú", "Ñu", "oso"}));
    EXPECT_EQ(Ordenada({"PIÑA", "pino", "pinza", "piña colada"}),
              QStringList({"pino", "pinza", "PIÑA", "piña colada"}));
    // "ü" goes with "u"; accents and case are only a tie-break after the whole word.
    EXPECT_EQ(Ordenada({"guiso", "güero", "guapo", "pinguinos", "pingüino"}),
              QStringList({"guapo", "güero", "guiso", "pingüino", "pinguinos"}));
    EXPECT_EQ(Ordenada({"Éxito", "exito", "ÉXITOS", "exacto", "Ezequiel"}),
              QStringList({"exacto", "exito", "Éxito", "ÉXITOS", "Ezequiel"}));
    // Digits and blanks keep their ASCII place; letters past Latin come after "z".
    EXPECT_EQ(Ordenada({"Ωmega", "zorro", "T-MAX 400", "T-MAX 100", "100 años", "TMAX"}),
              QStringList({"100 años", "T-MAX 100", "T-MAX 400", "TMAX", "zorro", "Ωmega"}));
}

// Equality is what it was: equal after case folding, accents distinct.
TEST(OrdenAlfabeticoTest, IgualesSoloSiIgualesSinMayusculas) {
    EXPECT_EQ(CompararAlfabetico(QStringLiteral("ÁRBOL"), QStringLiteral("árbol")), 0);
    EXPECT_EQ(CompararAlfabetico(QStringLiteral("Ñandú"), QStringLiteral("ÑANDÚ")), 0);
    EXPECT_NE(CompararAlfabetico(QStringLiteral("arbol"), QStringLiteral("árbol")), 0);
    EXPECT_NE(CompararAlfabetico(QStringLiteral("nandu"), QStringLiteral("ñandú")), 0);
    EXPECT_NE(CompararAlfabetico(QStringLiteral("pinguino"), QStringLiteral("pingüino")), 0);

    // Every pair and triple of awkward texts: one order, the same from UTF-8 and from QString.
    const QStringList textos = {
        "",        "a",        "A",     "á",    "a\u0301", "ab",    "ä",        "n",      "ñ",
        "n\u0303", "N\u0303a", "ña",    "no",   "ü",       "u",     "uz",       "z",      "Z\u0301",
        "ß",       "ss",       "Ω",     "ω",    "\u212A",  "k",     "😀",        "a😀",     "1",
        " ",       "ǹ",        "ñandú", "nube", "ÑANDÚ",   "Árbol", "arbolito", "\u00E9", "e\u0301x"};
    for (const QString& a : textos)
        for (const QString& b : textos) {
            const int q = CompararAlfabetico(a, b);
            EXPECT_EQ(Signo(q), Signo(CompararAlfabetico(a.toUtf8().toStdString(), b.toUtf8().toStdString())))
                << a.toStdString() << " / " << b.toStdString();
            EXPECT_EQ(Signo(q), -Signo(CompararAlfabetico(b, a)))
                << a.toStdString() << " / " << b.toStdString();
            EXPECT_EQ(q == 0, Plegada(a) == Plegada(b)) << a.toStdString() << " / " << b.toStdString();
            for (const QString& c : textos) {
                if (q < 0 && CompararAlfabetico(b, c) < 0) {
                    EXPECT_LT(CompararAlfabetico(a, c), 0)
                        << a.toStdString() << " < " << b.toStdString() << " < " << c.toStdString();
                }
            }
        }
    // A decomposed "ñ" sorts with the composed one.
    EXPECT_EQ(Ordenada({"o", "n\u0303", "nz"}), QStringList({"nz", "n\u0303", "o"}));
}

class OrdenEnLaBase : public ::testing::Test {
protected:
    CarpetaPruebas carpeta_;
};

// The engine's NOCASE orders, groups and compares; LIKE keeps its own rules.
TEST_F(OrdenEnLaBase, OrderByDistinctIgualdadYLike) {
    BaseDatos& bd = *ReferenceDb();
    int id = 1;
    for (const QString& n : kIssue + QStringList{"ÁRBOL", "arbol", "nube", "oso", "ÑANDÚ"})
        bd.Insertar("Peliculas", {{"IdPelicula", id++}, {"Nombre", n}});
    EXPECT_EQ(Columna(bd, "SELECT DISTINCT Nombre FROM Peliculas WHERE IdPelicula <= 6 ORDER BY Nombre"),
              kIssueOrdenada);
    EXPECT_EQ(Columna(bd, "SELECT count(*) FROM (SELECT DISTINCT Nombre FROM Peliculas)"), QStringList{"9"});
    EXPECT_EQ(Columna(bd, "SELECT count(*) FROM Peliculas GROUP BY Nombre ORDER BY Nombre"),
              QStringList({"1", "1", "2", "1", "1", "2", "1", "1", "1"}));
    EXPECT_EQ(Columna(bd, "SELECT IdPelicula FROM Peliculas WHERE Nombre = ? ORDER BY IdPelicula", {"ÁrBoL"}),
              QStringList({"4", "7"}));
    EXPECT_EQ(Columna(bd, "SELECT IdPelicula FROM Peliculas WHERE Nombre = ?", {"ARBOL"}), QStringList{"8"});
    EXPECT_EQ(Columna(bd, "SELECT IdPelicula FROM Peliculas WHERE Nombre LIKE '*ÁRB*' ORDER BY IdPelicula"),
              QStringList({"4", "7"}));
    EXPECT_EQ(Columna(bd, "SELECT IdPelicula FROM Peliculas WHERE Nombre LIKE 'n*' ORDER BY IdPelicula"),
              QStringList{"9"});
    EXPECT_EQ(Columna(bd, "SELECT IdPelicula FROM Peliculas WHERE Nombre LIKE '[m-o]*' ORDER BY IdPelicula"),
              QStringList({"9", "10"}));
}

TEST_F(OrdenEnLaBase, NotasPorTitulo) {
    for (const QString& t : kIssue)
        InsertarNota(t, "{\\rtf1 x}");
    QStringList titulos;
    for (const ItemNota& i : ListarNotas(OrdenNotas::Titulo))
        titulos << i.texto.section(QStringLiteral("  "), 1);
    EXPECT_EQ(titulos, kIssueOrdenada);
}

// A file whose indexes were built under the earlier order (accents after "z") is rebuilt on
// opening; through a stale index a lookup by name misses rows.
TEST_F(OrdenEnLaBase, IndicesDeUnArchivoAnteriorSeRehacen) {
    const QString ruta = carpeta_.Archivo("anterior.mdb");
    QStringList nombres = kIssue;
    for (int i = 0; i < 40; ++i)
        nombres << QStringLiteral("Ñu %1").arg(i) << QStringLiteral("Éter %1").arg(i)
                << QStringLiteral("m%1").arg(i);
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(ruta.toUtf8().constData(), &db), SQLITE_OK);
        const auto anterior = [](void*, int na, const void* a, int nb, const void* b) {
            const QString ta = QString::fromUtf8(static_cast<const char*>(a), na).toCaseFolded();
            const QString tb = QString::fromUtf8(static_cast<const char*>(b), nb).toCaseFolded();
            const auto ua = ta.toUcs4(), ub = tb.toUcs4();
            return ua < ub ? -1 : (ub < ua ? 1 : 0);
        };
        sqlite3_create_collation(db, "NOCASE", SQLITE_UTF8, nullptr, anterior);
        ASSERT_EQ(sqlite3_exec(db,
                               "CREATE TABLE t (Nombre TEXT COLLATE NOCASE); CREATE INDEX ix ON t (Nombre)",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        QByteArray sql = "BEGIN;";
        for (const QString& n : nombres)
            sql += "INSERT INTO t VALUES ('" + n.toUtf8() + "');";
        sql += "COMMIT";
        ASSERT_EQ(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    auto bd = BaseDatos::Abrir(ruta);
    for (const QString& n : nombres)
        EXPECT_EQ(Columna(*bd, "SELECT count(*) FROM t WHERE Nombre = ?", {n.toUpper()}), QStringList{"1"})
            << n.toStdString();
    EXPECT_EQ(Columna(*bd, "PRAGMA integrity_check"), QStringList{"ok"});
    bd.reset();
    // Done once: a second opening finds the mark and leaves the file alone.
    const QByteArray antes = [&] {
        QFile f(ruta);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    BaseDatos::Abrir(ruta).reset();
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), antes);
}

// Lists read from folders follow the same order.
TEST_F(OrdenEnLaBase, ArchivosDeLasCarpetas) {
    for (const QString& n : kIssue) {
        carpeta_.Escribir("datasheets/" + n + ".pdf", "x");
        carpeta_.Escribir("imag/tz_fnd_" + n + ".jpg", "x");
        carpeta_.Escribir("fotos/" + n + ".jpg", "x");
    }
    QStringList documentos, fondos, imagenes;
    for (const Documento& d : ListarDocumentos("datasheets", "").documentos)
        documentos << d.nombre.chopped(4);
    for (const Fondo& f : ListarFondos())
        fondos << f.nombre.mid(7).chopped(4);
    for (const QString& r : ListarImagenes(carpeta_.Archivo("fotos")))
        imagenes << QFileInfo(r).completeBaseName();
    EXPECT_EQ(documentos, kIssueOrdenada);
    EXPECT_EQ(fondos, kIssueOrdenada);
    EXPECT_EQ(imagenes, kIssueOrdenada);
}

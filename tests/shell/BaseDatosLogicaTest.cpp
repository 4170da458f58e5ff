#include "shell/AlmacenDatos.h"
#include "shell/DialectoJet.h"
#include "shell/Esquema.h"

#include "soporte/CarpetaPruebas.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// Names in the order a query returns them.
QStringList Nombres(BaseDatos& bd, const QString& sql) {
    QStringList r;
    for (Consulta c = bd.Consultar(sql); !c.Fin(); c.Siguiente())
        r << TextoSeguro(c.Campo(0));
    return r;
}

class BaseDatosTest : public ::testing::Test {
protected:
    void SetUp() override {
        bd_ = ReferenceDb();
        int id = 1;
        for (const char* n :
             {"ILFORD HP5 Plus", "Kodak Tri-X 400", "Fomapan 100", "Película Ámbar", "película ámbar",
              "Rollei RPX 25", "Kodak T-Max 100", "Adox CHS 100 II", "O'Brien 50", "[raro]*film?"})
            bd_->Insertar("Peliculas", {{"IdPelicula", id++}, {"Nombre", QString::fromUtf8(n)}});
    }
    QStringList Filtro(const QString& patron) {
        QString p = patron;
        p.replace(QStringLiteral("'"), QStringLiteral("''"));
        return Nombres(*bd_,
                       "SELECT Nombre FROM Peliculas WHERE Nombre LIKE '" + p + "' ORDER BY IdPelicula");
    }
    CarpetaPruebas carpeta_;
    BaseDatos* bd_ = nullptr;
};

} // namespace

TEST_F(BaseDatosTest, LikeConComodinesDelDialecto) {
    EXPECT_EQ(Filtro("*ilford*"), QStringList{"ILFORD HP5 Plus"});
    EXPECT_EQ(Filtro("kodak*"), (QStringList{"Kodak Tri-X 400", "Kodak T-Max 100"}));
    EXPECT_EQ(Filtro("Kodak T?Max*"), QStringList{"Kodak T-Max 100"});
    EXPECT_EQ(Filtro("*###"), (QStringList{"Kodak Tri-X 400", "Fomapan 100", "Kodak T-Max 100"}));
    EXPECT_EQ(Filtro("*RPX ##"), QStringList{"Rollei RPX 25"});
    EXPECT_EQ(Filtro("[fk]*"), (QStringList{"Kodak Tri-X 400", "Fomapan 100", "Kodak T-Max 100"}));
    EXPECT_EQ(Filtro("[a-f]*"), (QStringList{"Fomapan 100", "Adox CHS 100 II"}));
    EXPECT_EQ(Filtro("[!kfp]*"), (QStringList{"ILFORD HP5 Plus", "Rollei RPX 25", "Adox CHS 100 II",
                                              "O'Brien 50", "[raro]*film?"}));
    EXPECT_EQ(Filtro("*[*]*"), QStringList{"[raro]*film?"});
    EXPECT_EQ(Filtro("*[?]"), QStringList{"[raro]*film?"});
    EXPECT_EQ(Filtro("*o'b*"), QStringList{"O'Brien 50"});
    // '%' and '_' are ordinary characters in this dialect.
    EXPECT_TRUE(Filtro("%").isEmpty());
    EXPECT_TRUE(Filtro("Fomapan_100").isEmpty());
}

TEST_F(BaseDatosTest, LikeIgnoraMayusculasConAcentos) {
    EXPECT_EQ(Filtro(QStringLiteral("*ámbar*")),
              (QStringList{QStringLiteral("Película Ámbar"), QStringLiteral("película ámbar")}));
    EXPECT_EQ(Filtro(QStringLiteral("PELÍCULA*")),
              (QStringList{QStringLiteral("Película Ámbar"), QStringLiteral("película ámbar")}));
}

TEST_F(BaseDatosTest, CorcheteSinCerrarEsUnErrorDelMotor) {
    EXPECT_THROW(Filtro("*[abc*"), ErrorBD);
    // The connection stays usable.
    EXPECT_EQ(Filtro("*ilford*").size(), 1);
}

TEST_F(BaseDatosTest, LikeConNullDaNull) {
    bd_->Insertar("Tiempos", {{"IdPelicula", 1}, {"Notas", QVariant()}});
    EXPECT_EQ(Nombres(*bd_, "SELECT count(*) FROM Tiempos WHERE Notas LIKE '*'"), QStringList{"0"});
}

TEST_F(BaseDatosTest, ValLeeElNumeroInicial) {
    Consulta c =
        bd_->Consultar("SELECT Val('  400/27°') a, Val('12.5.3') b, Val('abc') c, Val(NULL) d, Val('1e2') e");
    EXPECT_DOUBLE_EQ(c.Campo("a").toDouble(), 400);
    EXPECT_DOUBLE_EQ(c.Campo("b").toDouble(), 12.5);
    EXPECT_DOUBLE_EQ(c.Campo("c").toDouble(), 0);
    EXPECT_DOUBLE_EQ(c.Campo("d").toDouble(), 0);
    EXPECT_DOUBLE_EQ(c.Campo("e").toDouble(), 100);
}

TEST_F(BaseDatosTest, OrdenDistinctEIgualdadSinMayusculas) {
    EXPECT_EQ(Nombres(*bd_, QStringLiteral("SELECT DISTINCT Nombre FROM Peliculas WHERE Nombre LIKE 'pel*'"))
                  .size(),
              1);
    EXPECT_EQ(Nombres(*bd_, "SELECT IdPelicula FROM Peliculas WHERE Nombre = 'kodak tri-x 400'"),
              QStringList{"2"});
    const QStringList orden = Nombres(*bd_, "SELECT Nombre FROM Peliculas ORDER BY Nombre");
    EXPECT_LT(orden.indexOf("Adox CHS 100 II"), orden.indexOf("Fomapan 100"));
    EXPECT_LT(orden.indexOf("Fomapan 100"), orden.indexOf("ILFORD HP5 Plus"));
    EXPECT_LT(orden.indexOf("ILFORD HP5 Plus"), orden.indexOf("Kodak T-Max 100"));
}

TEST_F(BaseDatosTest, CamposNulosYTextoSeguro) {
    bd_->Insertar("Tiempos",
                  {{"IdPelicula", 1}, {"IdRevelador", 2}, {"Tiempo35", QVariant()}, {"ISO", "400"}});
    Consulta c = bd_->Consultar("SELECT t.Tiempo35, t.ISO, t.IdRevelador FROM Tiempos t");
    ASSERT_FALSE(c.Fin());
    EXPECT_TRUE(c.Campo("Tiempo35").isNull());
    EXPECT_EQ(TextoSeguro(c.Campo("Tiempo35")), "");
    EXPECT_EQ(TextoSeguro(c.Campo("iso")), "400");
    EXPECT_EQ(TextoSeguro(c.Campo("IdRevelador")), "2");
    EXPECT_THROW(c.Campo("NoExiste"), ErrorBD);
    c.Siguiente();
    EXPECT_TRUE(c.Fin());
}

TEST_F(BaseDatosTest, ActualizarEInsertarDevuelvenClaves) {
    const qint64 id =
        bd_->Insertar("NotasMiasPelicula", {{"IdPelicula", 1}, {"IdRevelador", 2}, {"Texto", "a"}});
    const qint64 id2 =
        bd_->Insertar("NotasMiasPelicula", {{"IdPelicula", 1}, {"IdRevelador", 3}, {"Texto", "b"}});
    EXPECT_EQ(id2, id + 1);
    EXPECT_EQ(bd_->Actualizar("NotasMiasPelicula", "IdNota", id, {{"Texto", "o'k"}}), 1);
    EXPECT_EQ(Nombres(*bd_, "SELECT Texto FROM NotasMiasPelicula ORDER BY IdNota"),
              (QStringList{"o'k", "b"}));
}

TEST_F(BaseDatosTest, TablaNotasMiasSeCreaUnaVezConClaveAutomatica) {
    CrearTablaNotasMias();
    CrearTablaNotasMias(); // already there: ignored
    ASSERT_TRUE(bd_->ExisteTabla("NotasPeliRevMias"));
    const qint64 a = bd_->Insertar("NotasPeliRevMias", {{"Tipo", 1}, {"Texto", "0123"}});
    const qint64 b = bd_->Insertar("NotasPeliRevMias", {{"Tipo", 1}, {"Texto", "x"}});
    EXPECT_GT(a, 0);
    EXPECT_EQ(b, a + 1);
    // MEMO keeps digits as text.
    EXPECT_EQ(Nombres(*bd_, "SELECT Texto FROM NotasPeliRevMias WHERE IdNota=" + QString::number(a)),
              QStringList{"0123"});
}

// Statements are kept compiled between uses; nothing of one use may reach the next.
TEST_F(BaseDatosTest, UnaSentenciaReutilizadaEmpiezaDeCero) {
    const QString porPatron = "SELECT Nombre FROM Peliculas WHERE Nombre LIKE ? ORDER BY IdPelicula";
    const auto filtrar = [&](const QString& patron) {
        QStringList r;
        for (Consulta c = bd_->Consultar(porPatron, {patron}); !c.Fin(); c.Siguiente())
            r << c.Campo(0).toString();
        return r;
    };
    // The compiled pattern of the last run is not applied to the next.
    EXPECT_EQ(filtrar("kodak*"), (QStringList{"Kodak Tri-X 400", "Kodak T-Max 100"}));
    EXPECT_EQ(filtrar("*ilford*"), QStringList{"ILFORD HP5 Plus"});
    EXPECT_THROW(filtrar("*[abc*"), ErrorBD);
    EXPECT_EQ(filtrar("Fomapan*"), QStringList{"Fomapan 100"});

    // Two queries of the same text open at once each keep their own rows.
    const QString porId = "SELECT Nombre FROM Peliculas WHERE IdPelicula = ?";
    Consulta exterior = bd_->Consultar(porId, {1});
    {
        Consulta interior = bd_->Consultar(porId, {2});
        EXPECT_EQ(interior.Campo(0).toString(), "Kodak Tri-X 400");
    }
    EXPECT_EQ(exterior.Campo(0).toString(), "ILFORD HP5 Plus");
    exterior = bd_->Consultar(porId, {3});
    EXPECT_EQ(exterior.Campo(0).toString(), "Fomapan 100");

    // A statement that failed runs again; a repeated query sees what changed since.
    const QString cuantas = "SELECT COUNT(*) FROM Peliculas";
    EXPECT_EQ(bd_->Consultar(cuantas).Campo(0).toInt(), 10);
    EXPECT_THROW(bd_->Insertar("Peliculas", {{"IdPelicula", 1}, {"Nombre", "repetida"}}), ErrorBD);
    EXPECT_EQ(bd_->Insertar("Peliculas", {{"IdPelicula", 11}, {"Nombre", "nueva"}}), 11);
    EXPECT_EQ(bd_->Consultar(cuantas).Campo(0).toInt(), 11);

    // Many different texts: the reserve stays bounded and every query still answers.
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(bd_->Consultar("SELECT " + QString::number(i)).Campo(0).toInt(), i);
    EXPECT_EQ(bd_->Consultar(cuantas).Campo(0).toInt(), 11);
}

TEST(AperturaBases, UnaConsultaPuedeDurarMasQueSuBase) {
    CarpetaPruebas carpeta(false);
    BaseDatos::Opciones o;
    o.crear = true;
    auto bd = BaseDatos::Abrir(carpeta.Archivo("suelta.db"), o);
    bd->Ejecutar("CREATE TABLE T (N INTEGER)");
    bd->Ejecutar("INSERT INTO T VALUES (1), (2)");
    Consulta c = bd->Consultar("SELECT N FROM T ORDER BY N");
    bd.reset();
    // The connection is closed once the last query ends.
    EXPECT_EQ(c.Campo(0).toInt(), 1);
    c.Siguiente();
    EXPECT_EQ(c.Campo(0).toInt(), 2);
}

TEST(TraduccionDDL, SoloTiposFueraDeTextos) {
    EXPECT_EQ(TraducirDDL("CREATE TABLE T (Id COUNTER, N LONG, M memo, D 'COUNTER', [LONG] TEXT)"),
              "CREATE TABLE T (Id INTEGER, N INTEGER, M TEXT, D 'COUNTER', [LONG] TEXT)");
    EXPECT_EQ(TraducirDDL("SELECT COUNTER FROM T"), "SELECT COUNTER FROM T");
}

TEST(AperturaBases, AbrirYCerrarDosVecesEsInofensivo) {
    CarpetaPruebas carpeta(false);
    EXPECT_EQ(ReferenceDb(), nullptr);
    AbrirBasesDatos();
    BaseDatos* ref = ReferenceDb();
    BaseDatos* notas = NotesDb();
    ASSERT_NE(ref, nullptr);
    ASSERT_NE(notas, nullptr);
    AbrirBasesDatos();
    EXPECT_EQ(ReferenceDb(), ref);
    EXPECT_EQ(NotesDb(), notas);
    CerrarBasesDatos();
    CerrarBasesDatos();
    EXPECT_EQ(ReferenceDb(), nullptr);
    EXPECT_EQ(NotesDb(), nullptr);
}

TEST(AperturaBases, ReferenciaSoloAbreConSuClave) {
    CarpetaPruebas carpeta(false);
    EXPECT_NO_THROW(BaseDatos::Abrir(RutaBDReferencia(), kClaveBDReferencia));
    try {
        BaseDatos::Abrir(RutaBDReferencia(), "otra");
        FAIL() << "opened with a wrong key";
    } catch (const ErrorBD& e) {
        EXPECT_TRUE(e.Descripcion().contains("not a database")) << e.Descripcion().toStdString();
    }
    EXPECT_THROW(BaseDatos::Abrir(RutaBDReferencia()), ErrorBD);
    // The notes database has no key.
    EXPECT_NO_THROW(BaseDatos::Abrir(RutaBDNotas()));
}

// The message names the file, in Spanish, with the engine's text after it.
TEST(AperturaBases, ArchivoAusenteOCorruptoFallaNombrandoElArchivo) {
    CarpetaPruebas carpeta(false);
    auto error = [] {
        try {
            AbrirBasesDatos();
        } catch (const ErrorBD& e) {
            return e.Descripcion();
        }
        return QStringLiteral("(abierta)");
    };
    QFile::remove(RutaBDNotas());
    EXPECT_EQ(error(), "No se pudo abrir la base de datos notasp.mdb: no se encuentra el archivo " +
                           QDir::toNativeSeparators(RutaBDNotas()) + u'.');
    // The ReferenceDb had opened; it stays open and the notes handle empty.
    EXPECT_NE(ReferenceDb(), nullptr);
    EXPECT_EQ(NotesDb(), nullptr);
    CerrarBasesDatos();
    carpeta.Escribir("tz.mdb", QByteArray(4096, 'x'));
    const QString corrupta = error();
    EXPECT_TRUE(corrupta.startsWith("No se pudo abrir la base de datos tz.mdb: ")) << corrupta.toStdString();
    EXPECT_GT(corrupta.size(), QStringLiteral("No se pudo abrir la base de datos tz.mdb: ").size());
    EXPECT_EQ(ReferenceDb(), nullptr);
}

TEST(AperturaBases, CrearNoSobrescribeUnaBaseExistente) {
    CarpetaPruebas carpeta(false);
    EXPECT_THROW(CrearBaseNotas(RutaBDNotas()), ErrorBD);
    EXPECT_NO_THROW(BaseDatos::Abrir(RutaBDNotas())->Consultar("SELECT * FROM NotasPersonales"));
}

TEST(PatronJetTest, CasosDeCoincidencia) {
    auto p = [](const char* patron) { return *PatronJet::Compilar(patron); };
    EXPECT_TRUE(p("*").Coincide(QStringView(u"")));
    EXPECT_TRUE(p("a*b*c").Coincide(QStringView(u"aXbYbc")));
    EXPECT_FALSE(p("a*b*c").Coincide(QStringView(u"aXbYbcd")));
    EXPECT_TRUE(p("*[0-9]").Coincide(QStringView(u"x7")));
    EXPECT_TRUE(p("[!0-9]*").Coincide(QStringView(u"x7")));
    EXPECT_TRUE(p("a[]b").Coincide(QStringView(u"ab")));
    EXPECT_TRUE(p("*ß*").Coincide(QStringView(u"STRASSE ß")));
    EXPECT_TRUE(p("*Ω*").Coincide(QStringView(u"ω")));
    EXPECT_FALSE(PatronJet::Compilar("a[b").has_value());
}

TEST(PatronJetTest, SubcadenaAsciiEnTextosAsciiYNoAscii) {
    const auto p = *PatronJet::Compilar("*tri-x*");
    EXPECT_TRUE(p.Coincide(std::string_view("Kodak TRI-X 400")));
    EXPECT_TRUE(p.Coincide(std::string_view("tri-x")));
    EXPECT_FALSE(p.Coincide(std::string_view("tri-")));
    EXPECT_FALSE(p.Coincide(std::string_view("trtri x")));
    EXPECT_TRUE(p.Coincide(std::string_view("trtri-x")));
    EXPECT_TRUE(PatronJet::Compilar("**")->Coincide(std::string_view("")));
    // Letters outside ASCII that fold into it still match an ASCII pattern.
    EXPECT_TRUE(PatronJet::Compilar("*kelvin*")->Coincide(QStringView(u"\u212Aelvin")));
    EXPECT_TRUE(PatronJet::Compilar("*abck*")->Coincide(QStringView(u"abc\u212A")));
    EXPECT_FALSE(PatronJet::Compilar("*abcd*")->Coincide(QStringView(u"abc\u212A")));
    EXPECT_TRUE(PatronJet::Compilar("*ámbar*")->Coincide(QStringView(u"Película ÁMBAR")));
    EXPECT_FALSE(PatronJet::Compilar("*ambar*")->Coincide(QStringView(u"Película ÁMBAR")));
}

#include "datos/ConstructorDatos.h"
#include "datos/CargaDatos.h"
#include "datos/CopiaCsv.h"
#include "maintenance/EdicionReferencia.h"
#include "shell/AlmacenDatos.h"
#include "shell/BaseDatos.h"
#include "shell/NombreArchivo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

const QString kCsv = QStringLiteral(GARVOLA_DATOS_CSV);

qint64 Contar(BaseDatos& bd, const QString& tabla) {
    Consulta c = bd.Consultar(u"SELECT COUNT(*) AS n FROM [" + tabla + u"]");
    return c.Campo(QStringLiteral("n")).toLongLong();
}

QString ErrorAlConstruir(const QString& destino, const QString& csv) {
    try {
        ConstruirCarpetaPrograma(destino, csv);
    } catch (const ErrorBD& e) {
        return e.Descripcion();
    }
    return {};
}

class ConstructorDatos : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        carpeta_ = new QTemporaryDir;
        creado_ = new QStringList(ConstruirCarpetaPrograma(carpeta_->path(), kCsv));
        datos_ = new ConjuntoDatos(LeerConjuntoDatos(kCsv));
    }
    static void TearDownTestSuite() {
        delete datos_;
        delete creado_;
        delete carpeta_;
    }
    static QString Ruta(const QString& relativo) { return QDir(carpeta_->path()).filePath(relativo); }

    static QTemporaryDir* carpeta_;
    static QStringList* creado_;
    static ConjuntoDatos* datos_;
};
QTemporaryDir* ConstructorDatos::carpeta_ = nullptr;
QStringList* ConstructorDatos::creado_ = nullptr;
ConjuntoDatos* ConstructorDatos::datos_ = nullptr;

} // namespace

TEST_F(ConstructorDatos, LasBasesTienenLasFilasDeLosCsvYLaDeReferenciaPideLaClave) {
    EXPECT_TRUE(creado_->contains(Ruta(QStringLiteral("tz.mdb"))));
    EXPECT_FALSE(QFile::exists(Ruta(QStringLiteral("tz.mdb.nuevo"))));
    auto ref = BaseDatos::Abrir(Ruta(QStringLiteral("tz.mdb")), kClaveBDReferencia);
    auto notas = BaseDatos::Abrir(Ruta(QStringLiteral("notasp.mdb")));
    for (const auto& [tabla, csv] : *datos_) {
        BaseDatos& bd = tabla == u"NotasPersonales" ? *notas : *ref;
        EXPECT_EQ(Contar(bd, tabla), qint64(csv.filas.size())) << qPrintable(tabla);
    }
    EXPECT_GE(datos_->at(QStringLiteral("Peliculas")).filas.size(), 40u);
    EXPECT_THROW(BaseDatos::Abrir(Ruta(QStringLiteral("tz.mdb")), QStringLiteral("otra")), ErrorBD);

    // Null and empty survive the trip: a sheet-film time the maker does not give is Null.
    const TablaCsv& tiempos = datos_->at(QStringLiteral("Tiempos"));
    qint64 sinHoja = 0;
    for (const FilaCsv& f : tiempos.filas)
        sinHoja += !tiempos.Valor(f, QStringLiteral("TiempoHoja")).has_value();
    ASSERT_GT(sinHoja, 0);
    Consulta t = ref->Consultar(QStringLiteral("SELECT COUNT(*) AS n FROM Tiempos WHERE TiempoHoja IS NULL"));
    EXPECT_EQ(t.Campo(QStringLiteral("n")).toLongLong(), sinHoja);
    Consulta n = notas->Consultar(QStringLiteral("SELECT Texto FROM NotasPersonales"));
    EXPECT_TRUE(n.Campo(QStringLiteral("Texto")).toString().startsWith(u"{\\rtf"));
}

TEST_F(ConstructorDatos, CadaCodigoDeTiemposTieneDescripcion) {
    auto ref = BaseDatos::Abrir(Ruta(QStringLiteral("tz.mdb")), kClaveBDReferencia);
    int codigos = 0;
    for (Consulta c = ref->Consultar(QStringLiteral("SELECT Notas FROM Tiempos")); !c.Fin(); c.Siguiente()) {
        const QStringList lista = CodigosNotas(TextoSeguro(c.Campo(QStringLiteral("Notas"))));
        EXPECT_FALSE(lista.isEmpty()) << "every time says where it comes from";
        for (const QString& codigo : lista) {
            Consulta d = ref->Consultar(
                QStringLiteral("SELECT DescripcionES FROM NotasPeliRev WHERE Codigo = ?"), {codigo});
            ASSERT_FALSE(d.Fin()) << qPrintable(codigo);
            EXPECT_FALSE(TextoSeguro(d.Campo(QStringLiteral("DescripcionES"))).isEmpty());
            ++codigos;
        }
    }
    EXPECT_GT(codigos, 0);
}

// Spanish mode shows Spanish: a base text of the formula tables has its Spanish column filled.
TEST_F(ConstructorDatos, LasFormulasTienenSusTextosEnEspanol) {
    int comprobados = 0;
    for (const char* tabla : {"Formulas", "Ingredientes"}) {
        const TablaCsv& csv = datos_->at(QString::fromLatin1(tabla));
        for (const QString& columna : csv.cabecera) {
            const QString base = columna.chopped(2);
            if (!columna.endsWith(u"ES") || csv.Columna(base) < 0)
                continue;
            for (const FilaCsv& f : csv.filas) {
                if (csv.Valor(f, base).value_or(QString()).isEmpty())
                    continue;
                EXPECT_FALSE(csv.Valor(f, columna).value_or(QString()).isEmpty())
                    << tabla << ", line " << f.linea << ": " << qPrintable(columna);
                ++comprobados;
            }
        }
    }
    EXPECT_GT(comprobados, 100);
}

TEST_F(ConstructorDatos, CadaProductoTieneSuImagenDondeLaBuscanLasVentanas) {
    auto ref = BaseDatos::Abrir(Ruta(QStringLiteral("tz.mdb")), kClaveBDReferencia);
    auto existe = [&](const QString& carpeta, const QString& nombre) {
        const QString base = Ruta(u"imag/" + carpeta + u'/' + NombreArchivoSeguro(nombre));
        return QFile::exists(base + u".jpg") || QFile::exists(base + u".webp");
    };
    for (Consulta c = ref->Consultar(QStringLiteral("SELECT DISTINCT p.Nombre FROM Peliculas p INNER JOIN "
                                                    "Tiempos t ON t.IdPelicula = p.IdPelicula"));
         !c.Fin(); c.Siguiente())
        EXPECT_TRUE(existe(QStringLiteral("films"), c.Campo(QStringLiteral("Nombre")).toString()));
    for (Consulta c = ref->Consultar(QStringLiteral("SELECT Nombre FROM Reveladores")); !c.Fin();
         c.Siguiente())
        EXPECT_TRUE(existe(QStringLiteral("devs"), c.Campo(QStringLiteral("Nombre")).toString()));
    for (Consulta c = ref->Consultar(QStringLiteral("SELECT DISTINCT Pelicula FROM PeliculasDisc")); !c.Fin();
         c.Siguiente())
        EXPECT_TRUE(existe(QStringLiteral("films/discont"), c.Campo(QStringLiteral("Pelicula")).toString()));
    for (Consulta c = ref->Consultar(QStringLiteral("SELECT DISTINCT Revelador FROM ReveladoresDisc"));
         !c.Fin(); c.Siguiente())
        EXPECT_TRUE(existe(QStringLiteral("devs/discont"), c.Campo(QStringLiteral("Revelador")).toString()));

    const QStringList webp = QDir(Ruta(QStringLiteral("imag/films"))).entryList({QStringLiteral("*.webp")});
    ASSERT_FALSE(webp.isEmpty());
    QFile f(Ruta(u"imag/films/" + webp.first()));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray cabecera = f.read(12);
    EXPECT_TRUE(cabecera.startsWith("RIFF") && cabecera.mid(8, 4) == "WEBP");
    for (int i = 1; i <= 6; ++i)
        EXPECT_TRUE(QFile::exists(Ruta(QStringLiteral("imag/tz_fnd_%1.jpg").arg(i, 2, 10, QChar(u'0')))));
    EXPECT_TRUE(QDir(Ruta(QStringLiteral("imag/curvas"))).isEmpty());
}

TEST_F(ConstructorDatos, LosDocumentosSonPdfPorFabricante) {
    const QStringList pdf = QDir(Ruta(QStringLiteral("datasheets"))).entryList({QStringLiteral("*.pdf")});
    EXPECT_TRUE(pdf.contains(QStringLiteral("Ilford_tiempos_de_revelado.pdf")));
    // Rows that name a film without its id still go under the maker of its technical sheet.
    EXPECT_TRUE(pdf.contains(QStringLiteral("Foma_Bohemia_tiempos_de_revelado.pdf")));
    EXPECT_FALSE(pdf.contains(QStringLiteral("Fomapan_tiempos_de_revelado.pdf")));
    QFile f(Ruta(QStringLiteral("otrosdoc/Compensacion_de_temperatura.pdf")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");
}

TEST(ConstructorDatosRepetido, UnaSegundaPasadaNoCambiaNadaYConservaLasNotas) {
    QTemporaryDir dir;
    ConstruirCarpetaPrograma(dir.path(), kCsv);
    {
        auto notas = BaseDatos::Abrir(dir.filePath(QStringLiteral("notasp.mdb")));
        notas->Insertar(QStringLiteral("NotasPersonales"), {{QStringLiteral("Titulo"), QStringLiteral("Mía")},
                                                            {QStringLiteral("Texto"), QStringLiteral("x")}});
    }
    const QString fondo = dir.filePath(QStringLiteral("imag/tz_fnd_02.jpg"));
    QFile::remove(fondo);
    const QStringList segunda = ConstruirCarpetaPrograma(dir.path(), kCsv);
    EXPECT_EQ(segunda, QStringList{fondo}) << "only what went missing is made again";
    auto notas = BaseDatos::Abrir(dir.filePath(QStringLiteral("notasp.mdb")));
    EXPECT_EQ(Contar(*notas, QStringLiteral("NotasPersonales")), 2);
    EXPECT_TRUE(ConstruirCarpetaPrograma(dir.path(), kCsv).isEmpty());
}

// A line the build refuses is named with its file, number and reason, and the folder is left
// without a database, not even half a one.
TEST(ConstructorDatosErrores, UnaLineaRechazadaNoDejaBase) {
    const struct {
        const char* archivo;
        int linea;
        const char* texto;
        const char* error;
    } casos[] = {
        {"Tiempos.csv", 4, "2,2,1+4,\"sin cerrar", "Tiempos.csv, línea 4: comillas sin cerrar"},
        // The repeated id comes after the row it repeats, so every reference still resolves.
        {"Reveladores.csv", 2, "1,Ilford ID-11\n1,Clave repetida",
         "Reveladores.csv, línea 3: clave repetida (IdRevelador): ya está en la línea 2"},
        {"Ingredientes.csv", 5, "1,1,,,primero,Agua,,1,l",
         "Ingredientes.csv, línea 5: Orden no es un número: 'primero'"},
        {"Tiempos.csv", 2, "999,2,1+4,400,6:00,6:00,,20,[IL-DDX]",
         "Tiempos.csv, línea 2: IdPelicula 999 no existe en Peliculas"},
        {"Tiempos.csv", 2, "5,2,1+4,400,6:00,6:00,,20,[NO-EXISTE]",
         "Tiempos.csv, línea 2: el código [NO-EXISTE] no tiene descripción"},
    };
    for (const auto& caso : casos) {
        CopiaCsv csv;
        csv.CambiarLinea(QString::fromLatin1(caso.archivo), caso.linea, caso.texto);
        QTemporaryDir destino;
        EXPECT_THAT(ErrorAlConstruir(destino.path(), csv.Ruta()).toStdString(), HasSubstr(caso.error));
        EXPECT_TRUE(QDir(destino.path()).isEmpty()) << caso.error;
    }
}

// Updating a folder draws the pictures it lacks, so it runs under a window-system application.
TEST(EdicionCarpeta, LaCarpetaRecibeLoQueLeFaltaSinSobrescribirNada) {
    const QDateTime momento(QDate(2026, 3, 7), QTime(9, 5, 2));
    QTemporaryDir dir;
    const QString foto = dir.filePath(QStringLiteral("imag/films/Ilford HP5 Plus.jpg"));
    QDir().mkpath(dir.filePath(QStringLiteral("imag/films")));
    {
        QFile f(foto);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("mía");
    }
    QStringList hecho = ActualizarCarpetaPrograma(dir.path(), kCsvEnvio, momento);
    EXPECT_TRUE(hecho.contains(u"Creado: " + dir.filePath(kArchivoBDReferencia)));
    EXPECT_FALSE(hecho.contains(u"Creado: " + foto));
    EXPECT_GT(hecho.filter(QStringLiteral("Creado: ")).size(), 50);
    QFile f(foto);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("mía"));
    auto bd = BaseDatos::Abrir(dir.filePath(kArchivoBDReferencia), kClaveBDReferencia);
    EXPECT_EQ(LeerEdicionBase(*bd).datos, LeerEdicionConjunto(kCsvEnvio));
    bd.reset();

    const QString fondo = dir.filePath(QStringLiteral("imag/tz_fnd_03.jpg"));
    QFile::remove(fondo);
    hecho = ActualizarCarpetaPrograma(dir.path(), kCsvEnvio, momento);
    ASSERT_EQ(hecho.size(), 2);
    EXPECT_THAT(hecho[0].toStdString(), HasSubstr("ya tiene la edición"));
    EXPECT_EQ(hecho[1], u"Creado: " + fondo);
}

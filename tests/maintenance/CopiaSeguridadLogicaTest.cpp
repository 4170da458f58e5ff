#include "maintenance/CopiaSeguridad.h"
#include "shell/AlmacenDatos.h"

#include "soporte/CarpetaPruebas.h"
#include "soporte/DialogosGuion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <vector>

namespace {

qint64 Filas(BaseDatos& bd, const QString& tabla) {
    return bd.Consultar("SELECT count(*) FROM " + tabla).Campo(0).toLongLong();
}

class CopiaSeguridadTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 1; i <= 20; ++i) {
            ReferenceDb()->Insertar("NotasMiasPelicula",
                                    {{"IdPelicula", i}, {"IdRevelador", 1}, {"Texto", "nota"}});
            NotesDb()->Insertar("NotasPersonales",
                                {{"Titulo", QString("T" + QString::number(i))}, {"Texto", "x"}});
        }
    }
    // The folder of a backup at a fixed moment, created.
    QString Carpeta(const QString& hora = "090502") {
        const QString c = CarpetaRespaldo(QDateTime(QDate(2024, 3, 7), QTime::fromString(hora, "HHmmss")));
        EXPECT_TRUE(CrearCarpetaRespaldo(c));
        return c;
    }
    static void EsperarAbiertas() {
        ASSERT_NE(ReferenceDb(), nullptr);
        ASSERT_NE(NotesDb(), nullptr);
        EXPECT_EQ(Filas(*ReferenceDb(), "NotasMiasPelicula"), 20);
        EXPECT_EQ(Filas(*NotesDb(), "NotasPersonales"), 20);
    }

    CarpetaPruebas carpeta_;
};

TEST_F(CopiaSeguridadTest, CarpetaConFechaYHoraJuntoAlPrograma) {
    const QString c = Carpeta();
    EXPECT_EQ(QDir(c).absolutePath(),
              QDir(carpeta_.Archivo("respaldo_de_datos/240307 090502")).absolutePath());
    EXPECT_TRUE(c.endsWith(QDir::separator()));
}

TEST_F(CopiaSeguridadTest, CopiasCompactadasConLosMismosDatosYLaReferenciaConClave) {
    // Deleted rows leave free pages that compaction gives back.
    ReferenceDb()->Ejecutar("CREATE TABLE Relleno (x TEXT)");
    for (int i = 0; i < 400; ++i)
        ReferenceDb()->Insertar("Relleno", {{"x", QString(1000, u'r')}});
    ReferenceDb()->Ejecutar("DROP TABLE Relleno");
    ReferenceDb()->Ejecutar("PRAGMA user_version = 7");

    const QString c = Carpeta();
    const ResultadoRespaldo r =
        RespaldarBases(c, [](const QString& aviso) { ADD_FAILURE() << aviso.toStdString(); });
    EXPECT_EQ(r.referencia, EstadoCopia::Compactada);
    EXPECT_EQ(r.notas, EstadoCopia::Compactada);
    EXPECT_TRUE(r.errorReapertura.isEmpty());
    EXPECT_TRUE(r.TodoBien());
    EsperarAbiertas();

    const QString copia = QDir(c).filePath("tz.mdb");
    EXPECT_LT(QFileInfo(copia).size(), QFileInfo(RutaBDReferencia()).size() / 2);
    EXPECT_THROW(BaseDatos::Abrir(copia), ErrorBD);
    EXPECT_THROW(BaseDatos::Abrir(copia, "otra"), ErrorBD);
    auto ref = BaseDatos::Abrir(copia, kClaveBDReferencia);
    EXPECT_EQ(Filas(*ref, "NotasMiasPelicula"), 20);
    EXPECT_EQ(ref->Consultar("PRAGMA user_version").Campo(0).toInt(), 7);
    // The copy keeps the schema the program relies on, indexes included.
    EXPECT_EQ(ref->Consultar("SELECT count(*) FROM sqlite_master").Campo(0),
              ReferenceDb()->Consultar("SELECT count(*) FROM sqlite_master").Campo(0));
    auto notas = BaseDatos::Abrir(QDir(c).filePath("notasp.mdb"));
    EXPECT_EQ(Filas(*notas, "NotasPersonales"), 20);
    EXPECT_EQ(QDir(c).entryList(QDir::Files), QStringList({"notasp.mdb", "tz.mdb"}));
}

TEST_F(CopiaSeguridadTest, DosCopiasEnElMismoSegundoLaSegundaSustituyeALaPrimera) {
    const QString c = Carpeta();
    ASSERT_TRUE(RespaldarBases(c).TodoBien());
    NotesDb()->Ejecutar("DELETE FROM NotasPersonales WHERE Titulo = 'T1'");
    ASSERT_TRUE(RespaldarBases(Carpeta()).TodoBien());
    EXPECT_EQ(Filas(*BaseDatos::Abrir(QDir(c).filePath("notasp.mdb")), "NotasPersonales"), 19);
    EXPECT_EQ(Filas(*BaseDatos::Abrir(QDir(c).filePath("tz.mdb"), kClaveBDReferencia), "NotasMiasPelicula"),
              20);
}

TEST_F(CopiaSeguridadTest, UnaCopiaQueFallaEsErrorYLasBasesSeReabren) {
    const QString c = Carpeta();
    // Something that is not a file stands where the copy goes.
    ASSERT_TRUE(QDir(c).mkdir("tz.mdb"));
    const ResultadoRespaldo r = RespaldarBases(c);
    EXPECT_EQ(r.referencia, EstadoCopia::Error);
    EXPECT_EQ(r.notas, EstadoCopia::Compactada);
    EXPECT_FALSE(r.TodoBien());
    EsperarAbiertas();
    EXPECT_EQ(InformeRespaldo(r), "Copia realizada en:\n" + c + "\n\ntz.mdb: ERROR\nnotasp.mdb: OK");
}

TEST_F(CopiaSeguridadTest, UnaCompactacionQueFallaDejaLaCopiaSinCompactar) {
    const QString c = Carpeta();
    ASSERT_TRUE(QDir(c).mkdir("~tmp_notasp.mdb"));
    const ResultadoRespaldo r = RespaldarBases(c);
    EXPECT_EQ(r.referencia, EstadoCopia::Compactada);
    EXPECT_EQ(r.notas, EstadoCopia::SinCompactar);
    EXPECT_TRUE(r.TodoBien());
    EXPECT_EQ(Filas(*BaseDatos::Abrir(QDir(c).filePath("notasp.mdb")), "NotasPersonales"), 20);
    EXPECT_EQ(InformeRespaldo(r),
              "Copia realizada en:\n" + c + "\n\ntz.mdb: OK\nnotasp.mdb: OK (sin compactar)");
}

TEST_F(CopiaSeguridadTest, UnaCopiaDanadaNoSeDaPorBuena) {
    const QString c = Carpeta();
    const QString copia = QDir(c).filePath("notasp.mdb");
    ASSERT_TRUE(CopiarArchivo(RutaBDNotas(), copia));
    EXPECT_TRUE(CopiaSana(copia, {}));
    // The page headers after the first page: the file still opens, its tables do not check sound.
    QFile f(copia);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const QByteArray cabecera = f.read(100);
    const int pagina = (quint8(cabecera[16]) << 8) | quint8(cabecera[17]);
    ASSERT_GT(pagina, 0);
    for (qint64 p = pagina; p < f.size(); p += pagina) {
        f.seek(p);
        f.write(QByteArray(8, '\x5a'));
    }
    f.close();
    EXPECT_FALSE(CopiaSana(copia, {}));
    EXPECT_FALSE(CompactarCopia(copia, {}));
    EXPECT_FALSE(QFileInfo::exists(QDir(c).filePath("~tmp_notasp.mdb")));
    EXPECT_FALSE(CopiaSana(QDir(c).filePath("tz.mdb"), kClaveBDReferencia));
}

TEST_F(CopiaSeguridadTest, UnaBaseQueNoSePuedeReabrirSeNombraYQuedaCerrada) {
    CerrarBasesDatos();
    QFile f(RutaBDReferencia());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray(8192, '\x11'));
    f.close();
    QStringList avisos;
    const ResultadoRespaldo r = RespaldarBases(Carpeta(), [&](const QString& a) { avisos << a; });
    ASSERT_EQ(avisos.size(), 1);
    EXPECT_EQ(avisos[0], r.errorReapertura);
    EXPECT_TRUE(avisos[0].startsWith("No se pudo volver a abrir la base de datos tz.mdb:\n"))
        << avisos[0].toStdString();
    EXPECT_EQ(ReferenceDb(), nullptr);
    // The damaged file was copied, but its copy is not reported as sound.
    EXPECT_EQ(r.referencia, EstadoCopia::Error);
    EXPECT_EQ(r.notas, EstadoCopia::Compactada);
    EXPECT_FALSE(r.TodoBien());
}

// The logic asks nothing: the window asks the question and shows what the copy returns.
TEST_F(CopiaSeguridadTest, LaCopiaNoPreguntaNadaYDevuelveSuInforme) {
    const QDateTime momento(QDate(2024, 3, 7), QTime(9, 5, 2));
    std::vector<QString> avisos;
    const MensajeCopia m = CopiarBasesDatos(momento, [&](const QString& a) { avisos.push_back(a); });
    EXPECT_TRUE(Guion().llamadas.empty());
    EXPECT_TRUE(avisos.empty());
    EXPECT_EQ(m.texto, "Copia realizada en:\n" + CarpetaRespaldo(momento) + "\n\ntz.mdb: OK\nnotasp.mdb: OK");
    EXPECT_EQ(m.icono, Icono::Informacion);
    EXPECT_TRUE(QFileInfo(CarpetaRespaldo(momento) + "tz.mdb").isFile());
    EsperarAbiertas();
}

TEST_F(CopiaSeguridadTest, UnaCarpetaQueNoSePuedeCrearSeDevuelveSinPreguntar) {
    carpeta_.Escribir("respaldo_de_datos", "un archivo, no una carpeta");
    const QDateTime momento(QDate(2024, 3, 7), QTime(9, 5, 2));
    const MensajeCopia m = CopiarBasesDatos(momento);
    EXPECT_TRUE(Guion().llamadas.empty());
    EXPECT_EQ(m.texto, "No se pudo crear la carpeta:\n" + CarpetaRespaldo(momento));
    EXPECT_EQ(m.icono, Icono::Exclamacion);
    EsperarAbiertas();
}

} // namespace

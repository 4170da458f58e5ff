#include "intercambio/MisDatos.h"
#include "shell/AlmacenDatos.h"

#include "intercambio/DatosMios.h"
#include "soporte/CarpetaPruebas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

// A user's data exported from one program folder, kept outside it.
class MisDatosTest : public ::testing::Test {
protected:
    QString Exportar(const QString& nombre) {
        const QString ruta = fuera_.path() + u'/' + nombre;
        CarpetaPruebas origen;
        datos_mios::LlenarReferencia();
        datos_mios::LlenarMisDatos();
        original_ = datos_mios::Volcar();
        const ResumenExportacion r = ExportarMisDatos(ruta);
        EXPECT_TRUE(r.omitidas.isEmpty()) << r.omitidas.join(u'\n').toStdString();
        return ruta;
    }
    // A package written by hand: the manifest and the given files.
    QString Paquete(const std::map<QString, QByteArray>& archivos, const QByteArray& version = "1") {
        const QString ruta = fuera_.path() + QStringLiteral("/a_mano");
        QDir(ruta).removeRecursively();
        ArchivosPaquete todos{
            {kArchivoManifiesto, "Formato,Version,Fecha\r\nGarvola mis datos," + version + ",\r\n"}};
        todos.insert(archivos.begin(), archivos.end());
        EscribirContenedor(ruta, todos);
        return ruta;
    }
    QString ErrorAlLeer(const QString& ruta) {
        try {
            LeerMisDatos(ruta);
        } catch (const ErrorBD& e) {
            return e.Descripcion();
        }
        ADD_FAILURE() << "accepted";
        return {};
    }

    QTemporaryDir fuera_;
    QStringList original_;
};

TEST_F(MisDatosTest, ExportarEImportarEnUnaCarpetaVaciaDevuelveTodoEnZipYEnCarpeta) {
    for (const QString& nombre : {QStringLiteral("mis_datos.ZIP"), QStringLiteral("carpeta/mis datos")}) {
        SCOPED_TRACE(nombre.toStdString());
        const QString ruta = Exportar(nombre);
        EXPECT_EQ(QFileInfo(ruta).isDir(), !nombre.endsWith(QStringLiteral(".ZIP")));
        CarpetaPruebas destino;
        // A data update renumbered every film, developer and formula: notes follow the names.
        datos_mios::LlenarReferencia(100);
        const PaqueteMisDatos p = LeerMisDatos(ruta);
        const PlanImportacion plan = PlanificarImportacion(p);
        EXPECT_EQ(plan.Existentes(), 0);
        EXPECT_TRUE(plan.sinDestino.isEmpty());
        EXPECT_EQ(plan.conteos[size_t(ClaseDatos::TiemposPropios)].nuevos, 2);
        EXPECT_EQ(plan.conteos[size_t(ClaseDatos::NotasPeliculaRevelador)].nuevos, 2);
        EXPECT_TRUE(datos_mios::Volcar().filter(QStringLiteral("T|")).isEmpty()) << "the plan wrote";
        ImportarMisDatos(p, false);
        EXPECT_EQ(datos_mios::Volcar(), original_);
    }
}

TEST_F(MisDatosTest, LosDuplicadosSeCuentanYSoloSeReemplazanCuandoSePide) {
    const QString ruta = Exportar(QStringLiteral("d.zip"));
    CarpetaPruebas destino;
    datos_mios::LlenarReferencia();
    datos_mios::LlenarMisDatos();
    // The same time typed with other case and blanks, and edited notes: the same keys.
    NotesDb()->Ejecutar(
        "UPDATE TiemposPropios SET Pelicula = ' ilford hp5 plus ', Tiempo35 = '20:00' WHERE EI = '1600'");
    ReferenceDb()->Ejecutar("UPDATE Formulas SET MisNotasFormulas = 'editada' WHERE IdFormula = 30");
    NotesDb()->Ejecutar("UPDATE NotasPersonales SET Texto = 'editada' WHERE Titulo = ''");
    const QStringList editado = datos_mios::Volcar();

    const PaqueteMisDatos p = LeerMisDatos(ruta);
    const PlanImportacion plan = PlanificarImportacion(p);
    EXPECT_EQ(plan.Nuevos(), 0);
    for (const ConteoClase& c : plan.conteos)
        EXPECT_EQ(c.sinDestino, 0);
    EXPECT_EQ(plan.conteos[size_t(ClaseDatos::TiemposPropios)].existentes, 2);
    EXPECT_EQ(plan.conteos[size_t(ClaseDatos::PeliculasReveladoresPropios)].existentes, 2);
    EXPECT_EQ(plan.conteos[size_t(ClaseDatos::NotasFormulas)].existentes, 1);
    EXPECT_EQ(plan.conteos[size_t(ClaseDatos::NotasPersonales)].existentes, 2);

    ImportarMisDatos(p, false);
    EXPECT_EQ(datos_mios::Volcar(), editado);
    ImportarMisDatos(p, true);
    EXPECT_EQ(datos_mios::Volcar(), original_);
}

TEST_F(MisDatosTest, UnaFilaRepetidaEnElArchivoSeAnadeUnaVez) {
    CarpetaPruebas carpeta;
    const QString ruta =
        Paquete({{ArchivoClase(ClaseDatos::PeliculasReveladoresPropios),
                  "Tipo,Nombre,FechaModif\r\nPelicula,Foma,\r\npelicula, FOMA ,\r\nRevelador,Foma,\r\n"}});
    const PlanImportacion hecho = ImportarMisDatos(LeerMisDatos(ruta), false);
    EXPECT_EQ(hecho.conteos[size_t(ClaseDatos::PeliculasReveladoresPropios)].nuevos, 2);
    EXPECT_EQ(hecho.conteos[size_t(ClaseDatos::PeliculasReveladoresPropios)].existentes, 1);
    EXPECT_EQ(NotesDb()->Consultar("SELECT COUNT(*) FROM PeliculasPropias").Campo(0).toInt(), 1);
}

TEST_F(MisDatosTest, LasNotasSinPeliculaOFormulaSeInformanYElRestoSeImporta) {
    CarpetaPruebas carpeta;
    datos_mios::LlenarReferencia();
    const QString ruta =
        Paquete({{ArchivoClase(ClaseDatos::NotasFormulas), "Formula,Texto\r\nD-76,mía\r\nPerdida,x\r\n"},
                 {ArchivoClase(ClaseDatos::NotasPeliculaRevelador),
                  "Vista,Pelicula,Revelador,Texto,FechaModif\r\nRevelador,Agfa APX 25,Rodinal,x,\r\n"}});
    const PlanImportacion hecho = ImportarMisDatos(LeerMisDatos(ruta), false);
    EXPECT_EQ(hecho.conteos[size_t(ClaseDatos::NotasFormulas)].nuevos, 1);
    EXPECT_EQ(hecho.conteos[size_t(ClaseDatos::NotasFormulas)].sinDestino, 1);
    EXPECT_EQ(hecho.conteos[size_t(ClaseDatos::NotasPeliculaRevelador)].sinDestino, 1);
    ASSERT_EQ(hecho.sinDestino.size(), 2);
    EXPECT_THAT(hecho.sinDestino.join(u'\n').toStdString(), HasSubstr("notas_formulas.csv, línea 3"));
    EXPECT_THAT(hecho.sinDestino.join(u'\n').toStdString(), HasSubstr("Agfa APX 25"));
    EXPECT_THAT(TextoImportado(hecho, false).toStdString(), HasSubstr("Perdida"));
    EXPECT_EQ(datos_mios::Volcar(), QStringList{"F|D-76|mía"});
}

TEST_F(MisDatosTest, UnArchivoMalFormadoSeRechazaNombrandoArchivoYLineaSinEscribirNada) {
    CarpetaPruebas carpeta;
    datos_mios::LlenarReferencia();
    datos_mios::LlenarMisDatos();
    const QStringList antes = datos_mios::Volcar();
    const QString tiempos = ArchivoClase(ClaseDatos::TiemposPropios);
    const QByteArray cabecera =
        "Pelicula,Revelador,Dilucion,EI,Tiempo35,Tiempo120,TiempoHoja,Temperatura,Agitacion,"
        "Nota,FechaModif\r\n";
    const QByteArray buena = "A,B,1+1,100,5:00,,,20,,,\r\n";
    struct Caso {
        QString archivo;
        QByteArray contenido;
        const char* esperado;
    };
    const std::vector<Caso> casos = {
        {tiempos, cabecera + buena + buena + "A,B,1+1\r\n", "tiempos_propios.csv, línea 4"},
        {tiempos, cabecera + buena + "A,\"B\r\n", "tiempos_propios.csv, línea 3: comillas sin cerrar"},
        {tiempos, cabecera + buena + buena + "A,B\xff,1,1,,,,,,,\r\n",
         "tiempos_propios.csv, línea 4: el texto no está en UTF-8"},
        {tiempos, cabecera + ",B,1,1,,,,,,,\r\n",
         "tiempos_propios.csv, línea 2: la columna Pelicula está vacía"},
        {tiempos, "Pelicula,Revelador\r\nA,B\r\n", "tiempos_propios.csv, línea 1: falta la columna Dilucion"},
        {tiempos, cabecera + buena + "A,B,1+1,cien,5:00,,,20,,,\r\n",
         "tiempos_propios.csv, línea 3: EI: escriba"},
        {ArchivoClase(ClaseDatos::NotasPeliculaRevelador),
         "Vista,Pelicula,Revelador,Texto,FechaModif\r\nFormula,A,B,,\r\n",
         "notas_peliculas_reveladores.csv, línea 2"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.esperado);
        // The good files go first: nothing of them may be written either.
        const QString ruta =
            Paquete({{ArchivoClase(ClaseDatos::NotasPersonales), "Fecha,Titulo,Texto\r\n,nueva,\r\n"},
                     {c.archivo, c.contenido}});
        EXPECT_THAT(ErrorAlLeer(ruta).toStdString(), HasSubstr(c.esperado));
        EXPECT_EQ(datos_mios::Volcar(), antes);
    }
    EXPECT_THAT(ErrorAlLeer(Paquete({}, "2")).toStdString(), HasSubstr("manifiesto.csv, línea 2: versión 2"));
    QFile::remove(fuera_.path() + QStringLiteral("/a_mano/manifiesto.csv"));
    EXPECT_THAT(ErrorAlLeer(fuera_.path() + QStringLiteral("/a_mano")).toStdString(),
                HasSubstr("Falta manifiesto.csv"));
    QFile basura(fuera_.path() + QStringLiteral("/basura.zip"));
    ASSERT_TRUE(basura.open(QIODevice::WriteOnly));
    basura.write("PK\x03\x04 no es un zip");
    basura.close();
    EXPECT_THAT(ErrorAlLeer(basura.fileName()).toStdString(), HasSubstr("No es un archivo ZIP válido"));
}

TEST_F(MisDatosTest, UnFalloAlEscribirDejaLasDosBasesComoEstaban) {
    const QString ruta = Exportar(QStringLiteral("f.zip"));
    CarpetaPruebas carpeta;
    datos_mios::LlenarReferencia();
    // The last kind written fails, after the notes of the ReferenceDb and the own times went in.
    NotesDb()->Ejecutar("CREATE TRIGGER lleno BEFORE INSERT ON NotasPersonales BEGIN SELECT RAISE(ABORT, "
                        "'disco lleno'); END");
    const PaqueteMisDatos p = LeerMisDatos(ruta);
    EXPECT_THROW(ImportarMisDatos(p, false), ErrorBD);
    EXPECT_TRUE(datos_mios::Volcar().isEmpty()) << datos_mios::Volcar().join(u'\n').toStdString();
}

TEST_F(MisDatosTest, UnMiembroQueSeInflaDeMasSeRechaza) {
    const QString ruta = fuera_.path() + QStringLiteral("/bomba.zip");
    // Zipped with its folder, as a file manager does.
    EscribirContenedor(ruta, {{u"mis datos/" + kArchivoManifiesto, QByteArray(2 * 1024 * 1024, ' ')}});
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray zip = f.readAll();
    EXPECT_LT(zip.size(), 64 * 1024);
    EXPECT_EQ(LeerZip(zip, {kArchivoManifiesto}, 4 * 1024 * 1024).at(kArchivoManifiesto).size(),
              2 * 1024 * 1024);
    try {
        LeerZip(zip, {kArchivoManifiesto}, 1024 * 1024);
        ADD_FAILURE() << "accepted";
    } catch (const ErrorBD& e) {
        EXPECT_THAT(e.Descripcion().toStdString(), HasSubstr("manifiesto.csv: ocupa más de 1 MB"));
    }
}

TEST_F(MisDatosTest, UnaNotaSinPeliculaEnLosDatosNoSeExportaPeroSeSenala) {
    CarpetaPruebas carpeta;
    datos_mios::LlenarReferencia();
    // A NotesDb from before the own times, which could not be completed: its notes still go out.
    NotesDb()->Ejecutar("DROP TABLE TiemposPropios");
    NotesDb()->Insertar("NotasPersonales", {{"Titulo", "vieja"}});
    ReferenceDb()->Insertar("NotasMiasRevelador",
                            {{"IdPelicula", 999}, {"IdRevelador", 20}, {"Texto", "huérfana"}});
    const QString ruta = fuera_.path() + QStringLiteral("/h.zip");
    const ResumenExportacion r = ExportarMisDatos(ruta);
    ASSERT_EQ(r.omitidas.size(), 1);
    EXPECT_THAT(TextoExportado(r, ruta).toStdString(), HasSubstr("película 999"));
    EXPECT_EQ(r.filas[size_t(ClaseDatos::NotasPeliculaRevelador)], 0);
    EXPECT_EQ(r.filas[size_t(ClaseDatos::NotasPersonales)], 1);
}

TEST(EscribirCsv, LoEscritoSeLeeIgualConNullVacioComasComillasYSaltos) {
    const std::vector<std::vector<ValorCsv>> filas = {
        {QStringLiteral("a,b"), ValorCsv(), QString()},
        {QStringLiteral("\"x\""), QStringLiteral("l1\r\nl2\nl3"), QStringLiteral(" borde ")},
    };
    const TablaCsv t = AnalizarCsv(EscribirCsv({"A", "B", "C"}, filas), QStringLiteral("t.csv"), true);
    ASSERT_EQ(t.filas.size(), filas.size());
    for (size_t i = 0; i < filas.size(); ++i)
        EXPECT_EQ(t.filas[i].campos, filas[i]);
    EXPECT_EQ(t.filas[1].linea, 3);
}

} // namespace

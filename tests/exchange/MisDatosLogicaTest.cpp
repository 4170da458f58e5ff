#include "exchange/ExportacionMisDatos.h"
#include "exchange/ImportacionMisDatos.h"
#include "shell/AlmacenDatos.h"

#include "devtimes/FixtureTiempos.h"
#include "exchange/DatosMios.h"
#include "soporte/CarpetaPruebas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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
    EXPECT_THAT(ErrorAlLeer(Paquete({}, QByteArray::number(kVersionMisDatos + 1))).toStdString(),
                HasSubstr("manifiesto.csv, línea 2: versión " + std::to_string(kVersionMisDatos + 1)));
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
    // A kind written after the notes of the ReferenceDb and the own times went in fails.
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

TEST_F(MisDatosTest, OtroProgramaQueLeeTzMdbHaceFallarLaImportacionSinEscribirNadaEnNingunaBase) {
    const QString ruta = Exportar(QStringLiteral("l.zip"));
    CarpetaPruebas carpeta;
    datos_mios::LlenarReferencia();
    const PaqueteMisDatos p = LeerMisDatos(ruta);
    {
        // Another program in the middle of a read of the reference file.
        auto otro = BaseDatos::Abrir(RutaBDReferencia(), kClaveBDReferencia);
        otro->Comenzar();
        Consulta lectura = otro->Consultar("SELECT Nombre FROM Peliculas");
        ASSERT_FALSE(lectura.Fin());
        ReferenceDb()->Ejecutar("PRAGMA busy_timeout = 200");
        try {
            ImportarMisDatos(p, false);
            ADD_FAILURE() << "imported";
        } catch (const ErrorBD& e) {
            EXPECT_THAT(e.Descripcion().toStdString(), HasSubstr("otro programa está usando tz.mdb"));
        }
        // Both files, through their own connections: the own times of notasp.mdb are not there.
        EXPECT_TRUE(datos_mios::Volcar().isEmpty()) << datos_mios::Volcar().join(u'\n').toStdString();
    }
    ImportarMisDatos(p, false);
    EXPECT_EQ(datos_mios::Volcar(), original_);
}

TEST_F(MisDatosTest, NotasSinTituloGuardadasEnElMismoSegundoVuelvenTodas) {
    CarpetaPruebas origen;
    for (const char* texto : {"una", "otra", "otra", static_cast<const char*>(nullptr)})
        NotesDb()->Insertar("NotasPersonales", {{"Fecha", "2026-05-06 07:08:09"},
                                                {"Titulo", ""},
                                                {"Texto", texto ? QVariant(texto) : QVariant()}});
    const QStringList notas = datos_mios::Volcar();
    const QString ruta = fuera_.path() + QStringLiteral("/n.zip");
    ExportarMisDatos(ruta);
    const PaqueteMisDatos p = LeerMisDatos(ruta);
    // Into the same data: all are there already.
    EXPECT_EQ(PlanificarImportacion(p).conteos[size_t(ClaseDatos::NotasPersonales)].existentes, 4);
    // One of the twins is gone: it alone comes back.
    NotesDb()->Ejecutar(
        "DELETE FROM NotasPersonales WHERE Id = (SELECT MAX(Id) FROM NotasPersonales WHERE Texto = 'otra')");
    EXPECT_EQ(ImportarMisDatos(p, false).conteos[size_t(ClaseDatos::NotasPersonales)].nuevos, 1);
    EXPECT_EQ(datos_mios::Volcar(), notas);

    CarpetaPruebas destino;
    EXPECT_EQ(ImportarMisDatos(p, false).conteos[size_t(ClaseDatos::NotasPersonales)].nuevos, 4);
    EXPECT_EQ(datos_mios::Volcar(), notas);
}

TEST_F(MisDatosTest, LosValoresQueUnaHojaTomariaPorFormulasSalenDesactivadosYVuelvenIguales) {
    CarpetaPruebas origen;
    datos_mios::LlenarReferencia();
    const QStringList peligrosos = {"=HYPERLINK(\"http://x\";\"y\")",
                                    "+1",
                                    "-2",
                                    "@SUM(A1)",
                                    "\tTab",
                                    "\rRetorno",
                                    "'ya con apóstrofo",
                                    "''dos"};
    for (const QString& v : peligrosos) {
        NotesDb()->Insertar("NotasPersonales",
                            {{"Fecha", "2026-01-01 00:00:00"}, {"Titulo", v}, {"Texto", v}});
        // Names are stored trimmed, as their dialog leaves them.
        if (!v.front().isSpace())
            NotesDb()->Insertar("PeliculasPropias", {{"Nombre", QString(v + u" casera")}});
    }
    NotesDb()->Insertar("TiemposPropios", {{"Pelicula", "=A1"},
                                           {"Revelador", "@B"},
                                           {"Dilucion", "-1+1"},
                                           {"EI", "100"},
                                           {"Tiempo35", "5:00"},
                                           {"Temperatura", "20"},
                                           {"Nota", "=1+1"}});
    // As the own-time dialog records them.
    NotesDb()->Insertar("PeliculasPropias", {{"Nombre", "=A1"}});
    NotesDb()->Insertar("ReveladoresPropios", {{"Nombre", "@B"}});
    const QStringList original = datos_mios::Volcar();
    const QString ruta = fuera_.path() + QStringLiteral("/formulas");
    ExportarMisDatos(ruta);
    for (const QString& archivo : ArchivosMisDatos()) {
        QFile f(ruta + u'/' + archivo);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        // Read as a spreadsheet does: no value may begin as a formula.
        const TablaCsv t = AnalizarCsv(f.readAll(), archivo, true);
        for (const FilaCsv& fila : t.filas)
            for (const ValorCsv& v : fila.campos)
                if (v && !v->isEmpty()) {
                    EXPECT_FALSE(QStringLiteral("=+-@\t\r").contains(v->front()))
                        << archivo.toStdString() << ": " << v->toStdString();
                }
    }
    CarpetaPruebas destino;
    datos_mios::LlenarReferencia();
    ImportarMisDatos(LeerMisDatos(ruta), false);
    EXPECT_EQ(datos_mios::Volcar().join(u'\n').toStdString(), original.join(u'\n').toStdString());

    // A package of the first version had no marks: its apostrophes are the user's own.
    const QString v1 =
        Paquete({{ArchivoClase(ClaseDatos::NotasPersonales), "Fecha,Titulo,Texto\r\n,'mía,\r\n"}}, "1");
    ImportarMisDatos(LeerMisDatos(v1), false);
    EXPECT_EQ(NotesDb()
                  ->Consultar("SELECT COUNT(*) FROM NotasPersonales WHERE Titulo = ?", {"'mía"})
                  .Campo(0)
                  .toInt(),
              1);
}

TEST_F(MisDatosTest, LosNombresDeReferenciaSeReconocenSinMayusculasAcentosNiEspacios) {
    CarpetaPruebas carpeta;
    datos_mios::LlenarReferencia();
    NotesDb()->Insertar("PeliculasPropias", {{"Nombre", "Foma Fomapan"}});
    const QString ruta = Paquete(
        {{ArchivoClase(ClaseDatos::TiemposPropios), "Pelicula,Revelador,Dilucion,EI,Tiempo35,Tiempo120,"
                                                    "TiempoHoja,Temperatura,Agitacion,Nota,FechaModif\r\n"
                                                    "ilford  hp5 plus,RODINAL,1+50,400,9:00,,,20,,,\r\n"
                                                    "FOMA fomapán,Ródinal ,1+25,100,7:00,,,20,,,\r\n"},
         {ArchivoClase(ClaseDatos::PeliculasReveladoresPropios),
          "Tipo,Nombre,FechaModif\r\nPelicula,Ílford HP5 plus,\r\nRevelador,rodinal,\r\nPelicula,fomapan "
          "foma,\r\n"}});
    const PlanImportacion hecho = ImportarMisDatos(LeerMisDatos(ruta), false);
    EXPECT_EQ(hecho.conteos[size_t(ClaseDatos::PeliculasReveladoresPropios)].nuevos, 1);
    EXPECT_EQ(hecho.conteos[size_t(ClaseDatos::PeliculasReveladoresPropios)].existentes, 2);
    EXPECT_EQ(datos_mios::Volcar().filter(QRegularExpression("^[TPR]\\|")),
              (QStringList{"P|Foma Fomapan|<null>", "P|fomapan foma|<null>",
                           "T|Foma Fomapan|Rodinal|1+25|100|7:00|<null>|<null>|20|<null>|<null>|<null>",
                           "T|Ilford HP5 Plus|Rodinal|1+50|400|9:00|<null>|<null>|20|<null>|<null>|<null>"}));
}

// The own-time dialog and the import tell "the same own time" by one rule: what one takes for an
// equal time, so does the other.
TEST_F(MisDatosTest, UnTiempoIgualLoEsParaElDialogoYParaLaImportacion) {
    CarpetaPruebas carpeta;
    datos_mios::LlenarReferencia();
    const TiempoPropio guardado = fixture::Propio("Ilford HP5 Plus", "Rodinal", "1+50", "400");
    const qint64 id = GuardarTiempoPropio(guardado);
    const QByteArray cabecera = "Pelicula,Revelador,Dilucion,EI,Tiempo35,Tiempo120,TiempoHoja,Temperatura,"
                                "Agitacion,Nota,FechaModif\r\n";

    // Typed again with other accents, case and blanks.
    TiempoPropio escrito = guardado;
    escrito.id = 0;
    escrito.pelicula = "ílford  HP5 plus";
    escrito.revelador = "RODINAL ";
    EXPECT_EQ(ClaveTiempoPropio(escrito), ClaveTiempoPropio(guardado));
    EXPECT_EQ(BuscarTiempoIgual(escrito), id);
    PlanImportacion plan = PlanificarImportacion(
        LeerMisDatos(Paquete({{ArchivoClase(ClaseDatos::TiemposPropios),
                               cabecera + "ílford  HP5 plus,RODINAL ,1+50,400,10:00,,,20,,,\r\n"}})));
    EXPECT_EQ(plan.conteos[size_t(ClaseDatos::TiemposPropios)].existentes, 1);
    EXPECT_EQ(plan.conteos[size_t(ClaseDatos::TiemposPropios)].nuevos, 0);

    // Another dilution is another time for both.
    escrito.dilucion = "1+25";
    EXPECT_FALSE(BuscarTiempoIgual(escrito));
    plan = PlanificarImportacion(
        LeerMisDatos(Paquete({{ArchivoClase(ClaseDatos::TiemposPropios),
                               cabecera + "ílford  HP5 plus,RODINAL ,1+25,400,10:00,,,20,,,\r\n"}})));
    EXPECT_EQ(plan.conteos[size_t(ClaseDatos::TiemposPropios)].nuevos, 1);
}

TEST_F(MisDatosTest, UnPaquetePequenoDeMillonesDeCamposOFilasSeRechazaAlLeerlas) {
    struct Caso {
        QString archivo;
        QByteArray contenido;
        const char* esperado;
    };
    const QByteArray cabecera = "Fecha,Titulo,Texto\r\n";
    const QString notas = ArchivoClase(ClaseDatos::NotasPersonales);
    const std::vector<Caso> casos = {
        {kArchivoManifiesto, QByteArray(60 * 1024 * 1024, ','),
         "manifiesto.csv, línea 1: la cabecera tiene más de 16 columnas"},
        {notas, cabecera + QByteArray("x,,\r\n").repeated(kLimitesMisDatos.filas + 1),
         "notas_personales.csv, línea 250002: el archivo tiene más de 250000 filas"},
        {notas, cabecera + ",," + QByteArray(kLimitesMisDatos.largoCampo + 1, 'x') + "\r\n",
         "notas_personales.csv, línea 2: un campo ocupa más de 16777216 bytes"},
        {notas, cabecera + QByteArray(1000, ',') + "\r\n",
         "notas_personales.csv, línea 2: más de 3 campos, la cabecera tiene 3"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.esperado);
        ArchivosPaquete archivos{{kArchivoManifiesto, "Formato,Version\r\nGarvola mis datos,2\r\n"}};
        archivos[c.archivo] = c.contenido;
        const QString zip = fuera_.path() + QStringLiteral("/grande.zip");
        EscribirContenedor(zip, archivos);
        EXPECT_LT(QFileInfo(zip).size(), 1024 * 1024);
        EXPECT_THAT(ErrorAlLeer(zip).toStdString(), HasSubstr(c.esperado));
    }
}

TEST_F(MisDatosTest, LaLecturaInformaDeSuAvanceYSePuedeCancelar) {
    const QString ruta = Exportar(QStringLiteral("avance.zip"));
    qint64 ultimo = -1, total = 0;
    LeerMisDatos(ruta, [&](qint64 hechos, qint64 de) {
        EXPECT_GE(hechos, ultimo);
        ultimo = hechos;
        total = de;
        return true;
    });
    EXPECT_GT(total, 0);
    EXPECT_EQ(ultimo, total);
    try {
        LeerMisDatos(ruta, [](qint64, qint64) { return false; });
        ADD_FAILURE() << "not cancelled";
    } catch (const ErrorBD& e) {
        EXPECT_EQ(e.Descripcion(), QStringLiteral("Importación cancelada."));
    }
}

TEST_F(MisDatosTest, LosFallosDelArchivoZipSeExplicanEnEspanol) {
    // Two members of one name: written under two names of the same length, then renamed in place.
    const QString ruta = fuera_.path() + QStringLiteral("/doble.zip");
    EscribirContenedor(ruta, {{kArchivoManifiesto, "a"}, {QStringLiteral("manifiestX.csv"), "b"}});
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray zip = f.readAll();
    f.close();
    zip.replace("manifiestX.csv", "manifiesto.csv");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(zip);
    f.close();
    const QString doble = ErrorAlLeer(ruta);
    EXPECT_THAT(doble.toStdString(), HasSubstr("dos entradas con el mismo nombre"));
    // Cut short.
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(zip.left(zip.size() / 2));
    f.close();
    const QString cortado = ErrorAlLeer(ruta);
    EXPECT_THAT(cortado.toStdString(), HasSubstr("No es un archivo ZIP válido"));
    for (const QString& m : {doble, cortado}) {
        SCOPED_TRACE(m.toStdString());
        EXPECT_FALSE(m.contains(QRegularExpression("\\b(file|archive|exists|such|not|already)\\b")))
            << "English";
    }
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

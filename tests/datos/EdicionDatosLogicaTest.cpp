#include "datos/CargaDatos.h"
#include "datos/ConstructorDatos.h"
#include "datos/CopiaCsv.h"
#include "datos/EdicionDatos.h"
#include "devtimes/TiemposPropios.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"
#include "shell/Rutas.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

const QDateTime kMomento(QDate(2026, 3, 7), QTime(9, 5, 2));

QByteArray Huella(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QStringList Columna(BaseDatos& bd, const QString& sql) {
    QStringList r;
    for (Consulta c = bd.Consultar(sql); !c.Fin(); c.Siguiente())
        r << TextoSeguro(c.Campo(0));
    return r;
}

qint64 Contar(BaseDatos& bd, const QString& tabla) {
    return bd.Consultar(u"SELECT COUNT(*) FROM [" + tabla + u']').Campo(0).toLongLong();
}

// A program folder whose databases hold the shipped data as an older edition, and notes of
// every kind the user writes.
class EdicionDatos : public ::testing::Test {
protected:
    static void SetUpTestSuite() { datos_ = new ConjuntoDatos(LeerConjuntoDatos(kCsvEnvio)); }
    static void TearDownTestSuite() { delete datos_; }

    void SetUp() override {
        auto ref = CrearBaseReferencia(Ref());
        CargarDatos(*ref, EsquemaReferencia(), *datos_);
        auto notas = CrearBaseNotas(dir_.filePath(kArchivoBDNotas));
        CargarDatos(*notas, EsquemaNotas(), *datos_);
        notas->Insertar(QStringLiteral("NotasPersonales"), {{QStringLiteral("Titulo"), QStringLiteral("Mía")},
                                                            {QStringLiteral("Texto"), QStringLiteral("x")}});
        // An own time of a film by the name the new edition gives it.
        notas->Insertar(QStringLiteral("TiemposPropios"),
                        {{QStringLiteral("Pelicula"), QStringLiteral("Ilford FP4 Plus")},
                         {QStringLiteral("Revelador"), QStringLiteral("Mi revelador")},
                         {QStringLiteral("EI"), QStringLiteral("200")},
                         {QStringLiteral("Tiempo35"), QStringLiteral("9:00")}});
        // As the program writes them: NotasPeliRevMias is made at start-up.
        const QString previa = CarpetaPrograma();
        FijarCarpetaPrograma(dir_.path());
        ref.reset();
        AbrirBasesDatos();
        CrearTablaNotasMias();
        BaseDatos& bd = *ReferenceDb();
        bd.Insertar(QStringLiteral("NotasMiasPelicula"),
                    {{QStringLiteral("IdPelicula"), 1},
                     {QStringLiteral("IdRevelador"), 2},
                     {QStringLiteral("Texto"), QStringLiteral("HP5 en DD-X: 7 min")}});
        bd.Insertar(QStringLiteral("NotasMiasRevelador"),
                    {{QStringLiteral("IdPelicula"), 3},
                     {QStringLiteral("IdRevelador"), 1},
                     {QStringLiteral("Texto"), QStringLiteral("ID-11 1+1")}});
        bd.Insertar(QStringLiteral("NotasPeliRevMias"), {{QStringLiteral("Tipo"), 1},
                                                         {QStringLiteral("IdPelicula"), 4},
                                                         {QStringLiteral("Titulo"), QStringLiteral("Propia")},
                                                         {QStringLiteral("Texto"), QStringLiteral("texto")}});
        bd.Ejecutar(
            QStringLiteral("UPDATE Formulas SET MisNotasFormulas = 'Mezclar a 50 °C' WHERE IdFormula = 1"));
        bd.Ejecutar(QStringLiteral("UPDATE Formulas SET MisNotasFormulas = '' WHERE IdFormula = 2"));
        // What the old edition shipped differs from the new one.
        bd.Ejecutar(QStringLiteral("DELETE FROM Tiempos WHERE IdPelicula = 5"));
        bd.Ejecutar(QStringLiteral("UPDATE Peliculas SET Nombre = 'Nombre antiguo' WHERE IdPelicula = 2"));
        // A file made before editions were recorded.
        bd.Ejecutar(QStringLiteral("DROP TABLE EdicionDatos"));
        bd.Ejecutar(QStringLiteral("PRAGMA user_version = 0"));
        CerrarBasesDatos();
        FijarCarpetaPrograma(previa);
    }

    QString Ref() const { return dir_.filePath(kArchivoBDReferencia); }
    QString Respaldo() const {
        return dir_.filePath(u"respaldo_de_datos/" + kMomento.toString(QStringLiteral("yyMMdd HHmmss")));
    }
    QStringList NotasUsuario() {
        auto bd = BaseDatos::Abrir(Ref(), kClaveBDReferencia);
        return Columna(*bd, QStringLiteral("SELECT Texto FROM NotasMiasPelicula")) +
               Columna(*bd, QStringLiteral("SELECT Texto FROM NotasMiasRevelador")) +
               Columna(*bd, QStringLiteral("SELECT Titulo || ':' || Texto FROM NotasPeliRevMias")) +
               Columna(
                   *bd,
                   QStringLiteral(
                       "SELECT IdFormula || ':' || MisNotasFormulas FROM Formulas WHERE MisNotasFormulas IS "
                       "NOT NULL ORDER BY IdFormula"));
    }
    QString ErrorAlActualizar(const ConjuntoDatos& datos) {
        try {
            ActualizarBaseReferencia(dir_.path(), datos, 2, kMomento);
        } catch (const ErrorBD& e) {
            return e.Descripcion();
        }
        return {};
    }

    const QStringList notasEsperadas_{QStringLiteral("HP5 en DD-X: 7 min"), QStringLiteral("ID-11 1+1"),
                                      QStringLiteral("Propia:texto"), QStringLiteral("1:Mezclar a 50 °C"),
                                      QStringLiteral("2:")};
    QTemporaryDir dir_;
    static ConjuntoDatos* datos_;
};
ConjuntoDatos* EdicionDatos::datos_ = nullptr;

} // namespace

TEST_F(EdicionDatos, UnaEdicionNuevaReemplazaLosDatosYConservaCadaNota) {
    ASSERT_EQ(NotasUsuario(), notasEsperadas_);
    {
        auto bd = BaseDatos::Abrir(Ref(), kClaveBDReferencia);
        const EdicionBase antes = LeerEdicionBase(*bd);
        EXPECT_EQ(antes.esquema, 1);
        EXPECT_EQ(antes.datos, 1);
    }
    const QStringList informe = ActualizarBaseReferencia(dir_.path(), *datos_, 2, kMomento);
    ASSERT_EQ(informe.size(), 2);
    EXPECT_THAT(informe[1].toStdString(), HasSubstr("de la edición 1 a la 2"));

    EXPECT_EQ(NotasUsuario(), notasEsperadas_);
    auto bd = BaseDatos::Abrir(Ref(), kClaveBDReferencia);
    for (const auto& [tabla, csv] : *datos_)
        if (tabla != u"NotasPersonales") {
            EXPECT_EQ(Contar(*bd, tabla), qint64(csv.filas.size())) << qPrintable(tabla);
        }
    EXPECT_EQ(Columna(*bd, QStringLiteral("SELECT Nombre FROM Peliculas WHERE IdPelicula = 2")),
              QStringList{QStringLiteral("Ilford FP4 Plus")});
    const EdicionBase despues = LeerEdicionBase(*bd);
    EXPECT_EQ(despues.esquema, kEdicionEsquema);
    EXPECT_EQ(despues.datos, 2);
    // The rebuilt tables keep their indexes.
    EXPECT_FALSE(Columna(*bd, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND "
                                             "tbl_name = 'Tiempos'"))
                     .isEmpty());

    // Both databases were copied aside first, as they were.
    auto copia = BaseDatos::Abrir(Respaldo() + u"/tz.mdb", kClaveBDReferencia);
    EXPECT_EQ(LeerEdicionBase(*copia).datos, 1);
    EXPECT_EQ(Columna(*copia, QStringLiteral("SELECT Nombre FROM Peliculas WHERE IdPelicula = 2")),
              QStringList{QStringLiteral("Nombre antiguo")});
    EXPECT_EQ(Contar(*copia, QStringLiteral("NotasPeliRevMias")), 1);
    auto notas = BaseDatos::Abrir(Respaldo() + u"/notasp.mdb");
    EXPECT_EQ(Contar(*notas, QStringLiteral("NotasPersonales")),
              qint64(datos_->at(QStringLiteral("NotasPersonales")).filas.size()) + 1);
    EXPECT_THAT(informe[0].toStdString(), HasSubstr("respaldo_de_datos"));

    // The own time now stands beside the reference film of that name, which is no own entry.
    const QString previa = CarpetaPrograma();
    FijarCarpetaPrograma(dir_.path());
    AbrirBasesDatos();
    const auto lista =
        MezclarLista(LeerLista(true, QStringLiteral("FP4")), LeerNombresPropios(true, QStringLiteral("FP4")));
    ASSERT_EQ(lista.size(), 1u);
    EXPECT_EQ(lista[0].id, 2);
    const auto propios = LeerTiemposPropios(true, QStringLiteral("Ilford FP4 Plus"), {});
    ASSERT_EQ(propios.size(), 1u);
    EXPECT_EQ(propios[0].tiempo35, QStringLiteral("9:00"));
    CerrarBasesDatos();
    FijarCarpetaPrograma(previa);
}

// The shipped edition over the one before it: what the user kept about films the reference data
// has no times for (own times, a note on a film whose technical sheet changes) outlives the update.
TEST_F(EdicionDatos, LaEdicionDeEnvioSobreLaAnteriorConservaLoPropioDeLasPeliculasSinTiempos) {
    const int edicion = LeerEdicionConjunto(kCsvEnvio);
    ASSERT_GE(edicion, 2);
    const QString pelicula = QStringLiteral("Kentmere Pan 200");
    {
        auto bd = BaseDatos::Abrir(Ref(), kClaveBDReferencia);
        RegistrarEdicion(*bd, edicion - 1, kMomento);
        ASSERT_EQ(
            bd->Consultar(QStringLiteral("SELECT COUNT(*) FROM Tiempos WHERE IdPelicula = 11")).Campo(0), 0)
            << "the film chosen has no reference times";
        bd->Insertar(QStringLiteral("NotasMiasPelicula"),
                     {{QStringLiteral("IdPelicula"), 25},
                      {QStringLiteral("IdRevelador"), 13},
                      {QStringLiteral("Texto"), QStringLiteral("R 100: kit")}});
        bd->Ejecutar(
            QStringLiteral("UPDATE PeliculasInfoTec SET ProcesoCompatible = 'Blanco y negro inversible' "
                           "WHERE IdPelicula = 25"));
        auto notas = BaseDatos::Abrir(dir_.filePath(kArchivoBDNotas));
        for (const char* ei : {"200", "400"})
            notas->Insertar(QStringLiteral("TiemposPropios"),
                            {{QStringLiteral("Pelicula"), pelicula},
                             {QStringLiteral("Revelador"), QStringLiteral("Rodinal")},
                             {QStringLiteral("EI"), QString::fromLatin1(ei)},
                             {QStringLiteral("Tiempo35"), QStringLiteral("11:00")}});
    }

    const QStringList informe = ActualizarBaseReferencia(dir_.path(), *datos_, edicion, kMomento);
    ASSERT_EQ(informe.size(), 2);
    EXPECT_THAT(
        informe[1].toStdString(),
        HasSubstr(QStringLiteral("de la edición %1 a la %2").arg(edicion - 1).arg(edicion).toStdString()));

    QStringList notas = notasEsperadas_;
    notas.insert(1, QStringLiteral("R 100: kit"));
    EXPECT_EQ(NotasUsuario(), notas);
    auto bd = BaseDatos::Abrir(Ref(), kClaveBDReferencia);
    EXPECT_EQ(LeerEdicionBase(*bd).datos, edicion);
    EXPECT_EQ(Columna(*bd, QStringLiteral("SELECT Texto FROM NotasMiasPelicula WHERE IdPelicula = 25")),
              QStringList{QStringLiteral("R 100: kit")});
    EXPECT_EQ(
        Columna(*bd, QStringLiteral("SELECT ProcesoCompatible FROM PeliculasInfoTec WHERE IdPelicula = 25")),
        QStringList{QStringLiteral("Kit de inversión FOMAPAN R-100")});
    bd.reset();

    const QString previa = CarpetaPrograma();
    FijarCarpetaPrograma(dir_.path());
    AbrirBasesDatos();
    const auto propios = LeerTiemposPropios(true, pelicula, {});
    CerrarBasesDatos();
    FijarCarpetaPrograma(previa);
    ASSERT_EQ(propios.size(), 2u);
    for (const auto& t : propios)
        EXPECT_EQ(t.tiempo35, QStringLiteral("11:00"));
}

TEST_F(EdicionDatos, LaMismaEdicionOUnaAnteriorNoCambianNada) {
    ActualizarBaseReferencia(dir_.path(), *datos_, 2, kMomento);
    QDir(Respaldo()).removeRecursively();
    const QByteArray antes = Huella(Ref());
    const QStringList misma = ActualizarBaseReferencia(dir_.path(), *datos_, 2, kMomento.addSecs(60));
    ASSERT_EQ(misma.size(), 1);
    EXPECT_THAT(misma[0].toStdString(), HasSubstr("ya tiene la edición 2"));
    const QStringList anterior = ActualizarBaseReferencia(dir_.path(), *datos_, 1, kMomento.addSecs(60));
    ASSERT_EQ(anterior.size(), 1);
    EXPECT_THAT(anterior[0].toStdString(), HasSubstr("más nueva"));
    EXPECT_EQ(Huella(Ref()), antes);
    EXPECT_FALSE(
        QDir(dir_.filePath(QStringLiteral("respaldo_de_datos"))).exists(QStringLiteral("260307 090602")));
}

TEST_F(EdicionDatos, UnFalloAMitadDejaLaBaseIgualByteAByteYDiceElMotivo) {
    const QByteArray ref = Huella(Ref());
    const QByteArray notas = Huella(dir_.filePath(kArchivoBDNotas));

    // A value the engine refuses, met after the old tables were dropped.
    ConjuntoDatos roto = *datos_;
    TablaCsv& tiempos = roto.at(QStringLiteral("Tiempos"));
    tiempos.filas.back().campos[size_t(tiempos.Columna(QStringLiteral("IdPelicula")))] = QStringLiteral("x");
    const QString error = ErrorAlActualizar(roto);
    EXPECT_THAT(error.toStdString(), HasSubstr("no se ha actualizado y queda como estaba"));
    EXPECT_THAT(error.toStdString(),
                HasSubstr(QStringLiteral("Tiempos.csv, línea %1: IdPelicula no es un número")
                              .arg(tiempos.filas.back().linea)
                              .toStdString()));
    EXPECT_EQ(Huella(Ref()), ref);

    // A formula the user wrote about, missing from the new edition.
    ConjuntoDatos sinFormula = *datos_;
    TablaCsv& formulas = sinFormula.at(QStringLiteral("Formulas"));
    formulas.filas.erase(formulas.filas.begin());
    EXPECT_THAT(ErrorAlActualizar(sinFormula).toStdString(), HasSubstr("falta la fórmula 1"));
    EXPECT_EQ(Huella(Ref()), ref);

    // The very last write fails.
    {
        auto bd = BaseDatos::Abrir(Ref(), kClaveBDReferencia);
        RegistrarEdicion(*bd, 1, kMomento);
        bd->Ejecutar(QStringLiteral("CREATE TRIGGER Lleno BEFORE INSERT ON EdicionDatos BEGIN "
                                    "SELECT RAISE(ABORT, 'disco lleno'); END"));
    }
    const QByteArray conTrigger = Huella(Ref());
    EXPECT_THAT(ErrorAlActualizar(*datos_).toStdString(), HasSubstr("disco lleno"));
    EXPECT_EQ(Huella(Ref()), conTrigger);
    EXPECT_EQ(Huella(dir_.filePath(kArchivoBDNotas)), notas);
    EXPECT_EQ(NotasUsuario(), notasEsperadas_);
}

TEST_F(EdicionDatos, SinCopiaApartePosibleNoSeActualiza) {
    // A file where the backup folder should go.
    QDir().mkpath(dir_.filePath(QStringLiteral("respaldo_de_datos")));
    QFile f(Respaldo());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const QByteArray antes = Huella(Ref());
    EXPECT_THAT(ErrorAlActualizar(*datos_).toStdString(), HasSubstr("tz.mdb no se ha cambiado"));
    EXPECT_EQ(Huella(Ref()), antes);
}

// The rules every edition of the data set keeps.
TEST(EdicionReglasCsv, SeRechazanConArchivoLineaYMotivo) {
    const auto error = [](const CopiaCsv& csv) -> std::string {
        try {
            LeerConjuntoDatos(csv.Ruta());
        } catch (const ErrorBD& e) {
            return e.Descripcion().toStdString();
        }
        return {};
    };
    {
        CopiaCsv csv;
        csv.CambiarLinea(QStringLiteral("NotasPeliRev.csv"), 2, "IL-DDX,\"  \"");
        EXPECT_THAT(error(csv),
                    HasSubstr("NotasPeliRev.csv, línea 2: el código [IL-DDX] no tiene descripción"));
    }
    {
        CopiaCsv csv;
        csv.CambiarLinea(QStringLiteral("Tiempos.csv"), 3, csv.Linea(QStringLiteral("Tiempos.csv"), 2));
        EXPECT_THAT(error(csv), HasSubstr("Tiempos.csv, línea 3: clave repetida"));
        EXPECT_THAT(error(csv), HasSubstr("ya está en la línea 2"));
    }
    {
        CopiaCsv csv;
        csv.CambiarLinea(QStringLiteral("Peliculas.csv"), 3, "2,Ilford HP5 Plus");
        EXPECT_THAT(error(csv), HasSubstr("Peliculas.csv, línea 3: clave repetida (Nombre)"));
        csv.CambiarLinea(QStringLiteral("Peliculas.csv"), 3, "2,Ilford FP4 Plus");
        // The empty piece after the last line break: a row appended.
        const int ultima =
            int(LeerCsv(QDir(csv.Ruta()).filePath(QStringLiteral("Peliculas.csv"))).filas.size()) + 2;
        csv.CambiarLinea(QStringLiteral("Peliculas.csv"), ultima, "1,Otra película");
        EXPECT_THAT(error(csv), HasSubstr("clave repetida (IdPelicula): ya está en la línea 2"));
    }
    for (const QByteArray& tiempo :
         {QByteArray("6.30"), QByteArray("6 min"), QByteArray("6:75"), QByteArray("6:00 a 7:00")}) {
        CopiaCsv csv;
        csv.CambiarLinea(QStringLiteral("Tiempos.csv"), 2, "5,2,1+4,400," + tiempo + ",6:00,,20,[IL-DDX]");
        EXPECT_THAT(error(csv), HasSubstr("Tiempos.csv, línea 2: Tiempo35 '" + tiempo.toStdString() +
                                          "' no es un tiempo m:ss"));
    }
    for (const QByteArray& tiempo :
         {QByteArray("12:30"), QByteArray("6:00-7:00"), QByteArray("6:00 – 7:30")}) {
        CopiaCsv csv;
        csv.CambiarLinea(QStringLiteral("Tiempos.csv"), 2, "5,2,1+4,400," + tiempo + ",6:00,,20,[IL-DDX]");
        EXPECT_EQ(error(csv), "") << tiempo.toStdString();
    }
}

TEST(EdicionReglasCsv, UnIdNoCambiaDeNombreNiDesapareceEntreEdiciones) {
    CopiaCsv csv;
    ASSERT_TRUE(QFile::exists(QDir(csv.Ruta()).filePath(kArchivoIdsAnteriores)));
    const auto error = [&]() -> std::string {
        try {
            LeerConjuntoDatos(csv.Ruta());
        } catch (const ErrorBD& e) {
            return e.Descripcion().toStdString();
        }
        return {};
    };
    // Spelling in another case is the same film.
    csv.CambiarLinea(QStringLiteral("Peliculas.csv"), 2, "1,ILFORD  HP5 plus");
    EXPECT_EQ(error(), "");
    csv.CambiarLinea(QStringLiteral("Peliculas.csv"), 2, "1,Kodak Tri-X 400 nueva");
    EXPECT_THAT(error(),
                HasSubstr("Peliculas.csv, línea 2: el id 1 era «Ilford HP5 Plus» en la edición anterior"));

    CopiaCsv otra;
    otra.Escribir(kArchivoIdsAnteriores, "Tabla,Id,Nombre\nReveladores,99,Revelador retirado\n");
    try {
        LeerConjuntoDatos(otra.Ruta());
        ADD_FAILURE() << "a dropped id passes";
    } catch (const ErrorBD& e) {
        EXPECT_THAT(e.Descripcion().toStdString(), HasSubstr("Reveladores.csv: falta el id 99"));
    }

    // The record is made from a data set, and that data set passes against it.
    QFile::remove(QDir(otra.Ruta()).filePath(kArchivoIdsAnteriores));
    RegistrarIds(otra.Ruta());
    const TablaCsv registro = LeerCsv(QDir(otra.Ruta()).filePath(kArchivoIdsAnteriores));
    const ConjuntoDatos datos = LeerConjuntoDatos(otra.Ruta());
    EXPECT_EQ(registro.filas.size(), datos.at(QStringLiteral("Peliculas")).filas.size() +
                                         datos.at(QStringLiteral("Reveladores")).filas.size() +
                                         datos.at(QStringLiteral("Formulas")).filas.size());
}

TEST(EdicionReglasCsv, LaEdicionDelConjuntoEsUnNumero) {
    CopiaCsv csv;
    EXPECT_GE(LeerEdicionConjunto(csv.Ruta()), 2);
    csv.Escribir(kArchivoEdicion, "dos\n");
    EXPECT_THROW(LeerEdicionConjunto(csv.Ruta()), ErrorBD);
    QFile::remove(QDir(csv.Ruta()).filePath(kArchivoEdicion));
    EXPECT_EQ(LeerEdicionConjunto(csv.Ruta()), 1);
}

// The own tanks, bottles and sessions in the user-data package.
#include "exchange/ExportacionMisDatos.h"
#include "exchange/ImportacionMisDatos.h"
#include "session/AlmacenSesiones.h"
#include "shell/AlmacenDatos.h"

#include "exchange/DatosMios.h"
#include "soporte/CarpetaPruebas.h"

#include <QDir>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

const QByteArray kCabeceraSesiones =
    "Fecha,Tanque,MlTanque35,MlTanque120,Carretes35,Carretes120,Hojas,Pelicula,Revelador,Dilucion,EI,"
    "DecimasBano,SegundosRevelado,MlTrabajo,MlConcentrado,MlAgua,IdBotella,Banos,Nota,FechaModif\r\n";
const QByteArray kCabeceraBotellas = "IdBotella,Revelador,Dilucion,Mezclada,Ml,Nota,FechaModif\r\n";

const ConteoClase& De(const PlanImportacion& p, ClaseDatos c) {
    return p.conteos[size_t(c)];
}

class SesionesMisDatosTest : public ::testing::Test {
protected:
    QString Paquete(const ArchivosPaquete& archivos, const QByteArray& version = "3") {
        const QString ruta = fuera_.path() + QStringLiteral("/a_mano");
        QDir(ruta).removeRecursively();
        ArchivosPaquete todos{
            {kArchivoManifiesto, "Formato,Version\r\nGarvola mis datos," + version + "\r\n"}};
        todos.insert(archivos.begin(), archivos.end());
        EscribirContenedor(ruta, todos);
        return ruta;
    }
    QStringList Sesiones() {
        return datos_mios::Volcar().filter(QRegularExpression(QStringLiteral("^[QBS]\\|")));
    }

    QTemporaryDir fuera_;
};

} // namespace

TEST_F(SesionesMisDatosTest, ExportarBorrarEImportarDevuelveLoMismoYDosVecesNoAnadeNada) {
    const QString ruta = fuera_.path() + QStringLiteral("/mios.zip");
    CarpetaPruebas carpeta;
    datos_mios::LlenarSesiones();
    const QStringList original = Sesiones();
    ASSERT_EQ(original.size(), 2 + 2 + 5);
    const ResumenExportacion r = ExportarMisDatos(ruta);
    EXPECT_EQ(r.filas[size_t(ClaseDatos::SesionesRevelado)], 5);
    EXPECT_THAT(TextoExportado(r, ruta).toStdString(), HasSubstr("Botellas de revelador: 2"));

    BorrarTodasMisSesiones();
    ASSERT_TRUE(Sesiones().isEmpty());
    const PaqueteMisDatos p = LeerMisDatos(ruta);
    const PlanImportacion plan = PlanificarImportacion(p);
    EXPECT_EQ(De(plan, ClaseDatos::TanquesPropios).nuevos, 2);
    EXPECT_EQ(De(plan, ClaseDatos::BotellasRevelador).nuevos, 2);
    EXPECT_EQ(De(plan, ClaseDatos::SesionesRevelado).nuevos, 5);
    EXPECT_THAT(TextoPlan(plan).toStdString(), HasSubstr("Sesiones de revelado: 5 nuevas, 0 ya existen"));
    EXPECT_THAT(TextoPlan(plan).toStdString(), HasSubstr("Tanques propios: 2 nuevos"));
    EXPECT_TRUE(Sesiones().isEmpty()) << "the plan wrote";

    ImportarMisDatos(p, false);
    // The ids deleted are never given again: the sessions follow their bottles to new ids.
    EXPECT_EQ(Sesiones(), original);
    for (const Botella& b : LeerBotellas())
        EXPECT_GT(b.id, 9);
    for (const Botella& b : LeerBotellas())
        EXPECT_EQ(LeerSesionesBotella(b.id).size(), b.revelador == u"Rodinal" ? 1u : 2u);

    const PlanImportacion otra = ImportarMisDatos(LeerMisDatos(ruta), false);
    for (ClaseDatos c :
         {ClaseDatos::TanquesPropios, ClaseDatos::BotellasRevelador, ClaseDatos::SesionesRevelado}) {
        EXPECT_EQ(De(otra, c).nuevos, 0);
        EXPECT_EQ(De(otra, c).sinDestino, 0);
    }
    EXPECT_EQ(De(otra, ClaseDatos::SesionesRevelado).existentes, 5);
    EXPECT_EQ(Sesiones(), original);

    // Into another program folder, whose ids start afresh.
    CarpetaPruebas destino;
    ImportarMisDatos(LeerMisDatos(ruta), false);
    EXPECT_EQ(Sesiones(), original);
}

TEST_F(SesionesMisDatosTest, UnPaqueteAnteriorSinSesionesSeImportaIgual) {
    CarpetaPruebas carpeta;
    datos_mios::LlenarSesiones();
    const QStringList antes = Sesiones();
    const QString ruta =
        Paquete({{ArchivoClase(ClaseDatos::NotasPersonales), "Fecha,Titulo,Texto\r\n,vieja,\r\n"}}, "2");
    const PlanImportacion hecho = ImportarMisDatos(LeerMisDatos(ruta), true);
    EXPECT_EQ(hecho.Nuevos(), 1);
    EXPECT_EQ(Sesiones(), antes);
}

// A hand-made package: a session whose bottle the package lacks, and one that names none.
TEST_F(SesionesMisDatosTest, UnaSesionSinSuBotellaEnElPaqueteLlegaSinBotella) {
    CarpetaPruebas carpeta;
    const qint64 mia = GuardarBotella(Botella{0, "Otra", "stock", QDate(2026, 1, 1), 500, {}});
    const QString ruta =
        Paquete({{ArchivoClase(ClaseDatos::BotellasRevelador), kCabeceraBotellas + "1,Rodinal,,,,,\r\n"},
                 {ArchivoClase(ClaseDatos::SesionesRevelado),
                  kCabeceraSesiones + "2026-12-01 10:00:00,,,,,,,A,,,,,,,,,7,,,\r\n"
                                      "2026-12-01T11:00:00,,,,,,,B,,,,,,,,,1,,,\r\n"
                                      "2026-12-01 12:00:00,,,,,,,C,,,,,,,,,,,,\r\n"}});
    const PlanImportacion hecho = ImportarMisDatos(LeerMisDatos(ruta), false);
    EXPECT_EQ(De(hecho, ClaseDatos::SesionesRevelado).nuevos, 3);
    EXPECT_EQ(De(hecho, ClaseDatos::SesionesRevelado).sinDestino, 0);
    std::map<QString, qint64> botellaDe;
    for (const Sesion& s : LeerSesiones())
        botellaDe[s.pelicula] = s.idBotella;
    qint64 rodinal = 0;
    for (const Botella& b : LeerBotellas())
        if (b.revelador == u"Rodinal")
            rodinal = b.id;
    EXPECT_NE(rodinal, mia);
    EXPECT_EQ(botellaDe["A"], 0) << "a bottle the package lacks is none, not the target's bottle 7";
    EXPECT_EQ(botellaDe["B"], rodinal);
    EXPECT_EQ(botellaDe["C"], 0);
    EXPECT_EQ(LeerSesionesBotella(rodinal).front().cuando, QDateTime(QDate(2026, 12, 1), QTime(11, 0)));
}

TEST_F(SesionesMisDatosTest, UnaLineaMalaSeRechazaNombrandoArchivoYLinea) {
    CarpetaPruebas carpeta;
    datos_mios::LlenarSesiones();
    const QStringList antes = datos_mios::Volcar();
    const QString sesiones = ArchivoClase(ClaseDatos::SesionesRevelado);
    const QString botellas = ArchivoClase(ClaseDatos::BotellasRevelador);
    const QByteArray buena = "2026-12-01 10:00:00,T,,,,,,A,,,,,,,,,,,,\r\n";
    struct Caso {
        QString archivo;
        QByteArray contenido;
        const char* esperado;
    };
    const std::vector<Caso> casos = {
        {sesiones, kCabeceraSesiones + buena + "ayer,T,,,,,,A,,,,,,,,,,,,\r\n",
         "sesiones_revelado.csv, línea 3: la columna Fecha dice «ayer»"},
        {sesiones, kCabeceraSesiones + buena + ",T,,,,,,A,,,,,,,,,,,,\r\n",
         "línea 3: la columna Fecha está vacía"},
        {sesiones, kCabeceraSesiones + buena + "2026-12-01 10:00:00,T,-5,,,,,A,,,,,,,,,,,,\r\n",
         "línea 3: la columna MlTanque35 dice «-5»; se espera un número entero"},
        {sesiones, kCabeceraSesiones + buena + "2026-12-01 10:00:00,T,,,,,,A,,,,,,,\"12,5\",,,,,\r\n",
         "línea 3: la columna MlConcentrado dice «12,5»"},
        {sesiones, kCabeceraSesiones + buena + "2026-12-01 10:00:00,T,,,,,,A,,,,,,,nan,,,,,\r\n",
         "línea 3: la columna MlConcentrado"},
        {sesiones,
         kCabeceraSesiones + buena + "2026-12-01 10:00:00,T,,,,,,A,,,,,,,,,,\"[{\"\"etapa\"\":1.5}]\",,\r\n",
         "línea 3: la columna Banos no se entiende"},
        {botellas, kCabeceraBotellas + "1,R,,2026-02-30,,,\r\n",
         "botellas_revelador.csv, línea 2: la columna Mezclada"},
        {botellas, kCabeceraBotellas + "1,R,,,,,\r\n 1 ,S,,,,,\r\n",
         "línea 3: la botella 1 ya está en otra línea"},
        {botellas, kCabeceraBotellas + "uno,R,,,,,\r\n", "línea 2: la columna IdBotella dice «uno»"},
        {ArchivoClase(ClaseDatos::TanquesPropios),
         "Nombre,Ml35,Ml120,MaxCarretes35,MaxCarretes120,FechaModif\r\n,1,,,,\r\n",
         "tanques_propios.csv, línea 2: la columna Nombre está vacía"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.esperado);
        // A good file goes first: nothing of it may be written either.
        const QString ruta =
            Paquete({{ArchivoClase(ClaseDatos::NotasPersonales), "Fecha,Titulo,Texto\r\n,nueva,\r\n"},
                     {c.archivo, c.contenido}});
        try {
            LeerMisDatos(ruta);
            ADD_FAILURE() << "accepted";
        } catch (const ErrorBD& e) {
            EXPECT_THAT(e.Descripcion().toStdString(), HasSubstr(c.esperado));
        }
        EXPECT_EQ(datos_mios::Volcar(), antes);
    }
}

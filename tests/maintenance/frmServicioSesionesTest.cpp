// The service window's clearing of own tanks, bottles and sessions, and the backup that holds them.
#include "maintenance/frmServicio.h"
#include "session/AlmacenSesiones.h"
#include "shell/AlmacenDatos.h"

#include "exchange/DatosMios.h"
#include "soporte/AnfitrionPrueba.h"
#include "soporte/CarpetaPruebas.h"
#include "soporte/DialogosGuion.h"

#include <QDir>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kPregunta = QStringLiteral(
    "Se borrarán todos mis tanques, botellas de revelador y sesiones de revelado.\n¿Continuar?");

class frmServicioSesionesTest : public ::testing::Test {
protected:
    void SetUp() override {
        datos_mios::LlenarReferencia();
        datos_mios::LlenarMisDatos();
        todo_ = datos_mios::Volcar();
        w_ = anfitrion_.Abrir<frmServicio>();
    }
    void Pulsar() {
        QTest::mouseClick(w_->findChild<QPushButton*>(QStringLiteral("cmdBorrarSesionesRevelado")),
                          Qt::LeftButton);
    }
    static QStringList Sesiones() {
        return datos_mios::Volcar().filter(QRegularExpression(QStringLiteral("^[QBS]\\|")));
    }
    const DialogosGuion::Llamada& Ultima() { return Guion().llamadas.back(); }

    CarpetaPruebas carpeta_;
    AnfitrionPrueba anfitrion_;
    frmServicio* w_ = nullptr;
    QStringList todo_;
};

} // namespace

TEST_F(frmServicioSesionesTest, NoYCancelarNoBorranNadaYSiBorraSoloLoSuyo) {
    ASSERT_EQ(Sesiones().size(), 9);
    for (const Respuesta r : {Respuesta::No, Respuesta::Cancelar}) {
        Guion().llamadas.clear();
        Guion().respuestas = {r};
        Pulsar();
        ASSERT_EQ(Guion().llamadas.size(), 1u);
        EXPECT_EQ(Ultima().tipo, DialogosGuion::Tipo::SiNo);
        EXPECT_EQ(Ultima().titulo, "Borrar notas");
        EXPECT_EQ(Ultima().texto, kPregunta);
        EXPECT_EQ(Ultima().icono, Icono::Pregunta);
        EXPECT_EQ(datos_mios::Volcar(), todo_);
    }
    Guion().llamadas.clear();
    Guion().respuestas = {Respuesta::Si};
    Pulsar();
    ASSERT_EQ(Guion().llamadas.size(), 2u);
    EXPECT_EQ(Ultima().texto, "Tanques, botellas y sesiones borrados.");
    EXPECT_EQ(Ultima().icono, Icono::Informacion);
    EXPECT_TRUE(Sesiones().isEmpty());
    QStringList resto = todo_;
    for (const QString& s : todo_.filter(QRegularExpression(QStringLiteral("^[QBS]\\|"))))
        resto.removeOne(s);
    EXPECT_EQ(datos_mios::Volcar(), resto);
}

// The backup copies notasp.mdb whole: the copy holds the tanks, bottles and sessions.
TEST_F(frmServicioSesionesTest, LaCopiaDeSeguridadLosGuarda) {
    Guion().respuestas = {Respuesta::Si};
    QTest::mouseClick(w_->findChild<QPushButton*>(QStringLiteral("cmdCopiaRespaldoBBDD")), Qt::LeftButton);
    ASSERT_TRUE(Ultima().texto.endsWith("notasp.mdb: OK")) << Ultima().texto.toStdString();
    const QStringList carpetas =
        QDir(carpeta_.Archivo("respaldo_de_datos")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(carpetas.size(), 1);
    auto copia = BaseDatos::Abrir(carpeta_.Archivo("respaldo_de_datos/" + carpetas[0] + "/notasp.mdb"));
    for (const char* tabla : {"TanquesPropios", "BotellasRevelador", "SesionesRevelado"})
        EXPECT_EQ(
            copia->Consultar(u"SELECT count(*) FROM " + QString::fromLatin1(tabla)).Campo(0).toInt(),
            NotesDb()->Consultar(u"SELECT count(*) FROM " + QString::fromLatin1(tabla)).Campo(0).toInt())
            << tabla;
    EXPECT_EQ(
        copia->Consultar(QStringLiteral("SELECT Banos FROM SesionesRevelado WHERE IdBotella = 5")).Campo(0),
        NotesDb()
            ->Consultar(QStringLiteral("SELECT Banos FROM SesionesRevelado WHERE IdBotella = 5"))
            .Campo(0));
}

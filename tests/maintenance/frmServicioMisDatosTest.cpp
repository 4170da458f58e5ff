#include "maintenance/frmServicio.h"
#include "shell/AlmacenDatos.h"

#include "exchange/DatosMios.h"
#include "soporte/CarpetaPruebas.h"
#include "soporte/DialogosGuion.h"
#include "soporte/VentanaPrueba.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

// The service window's export, import and clearing of own times, driven through its buttons.
class frmServicioMisDatosTest : public ::testing::Test {
protected:
    void SetUp() override {
        datos_mios::LlenarReferencia();
        datos_mios::LlenarMisDatos();
        original_ = datos_mios::Volcar();
        v_.Abrir();
        // A picture of the window for a look by eye: GARVOLA_CAPTURAS=/tmp/carpeta
        if (const QString destino = qEnvironmentVariable("GARVOLA_CAPTURAS"); !destino.isEmpty())
            v_.w->grab().save(destino + QStringLiteral("/frmServicio.png"));
    }
    void Pulsar(const char* boton) { QTest::mouseClick(v_.C<QPushButton>(boton), Qt::LeftButton); }
    const DialogosGuion::Llamada& Ultima() { return Guion().llamadas.back(); }
    QString Exportar(const QString& nombre) {
        const QString ruta = fuera_.path() + u'/' + nombre;
        Guion().archivos = {ruta};
        Pulsar("cmdExportarMisDatos");
        return ruta;
    }
    std::string Texto(const DialogosGuion::Llamada& l) { return l.texto.toStdString(); }
    // The package is read on a worker thread; the questions come once it is read.
    void Esperar() {
        QElapsedTimer reloj;
        reloj.start();
        while (v_.w && v_.w->Importando() && reloj.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_TRUE(!v_.w || !v_.w->Importando()) << "still reading";
    }
    void Importar() {
        Pulsar("cmdImportarMisDatos");
        Esperar();
    }

    CarpetaPruebas carpeta_;
    VentanaPrueba<frmServicio> v_;
    QTemporaryDir fuera_;
    QStringList original_;
};

TEST_F(frmServicioMisDatosTest, LosBotonesNuevosVanDebajoDeLosDeSiempre) {
    const int debajo = v_.C("cmdCopiaRespaldoBBDD")->geometry().bottom();
    int anterior = debajo;
    for (const auto& [nombre, texto] : std::vector<std::pair<const char*, const char*>>{
             {"cmdExportarMisDatos", "Exportar mis datos…"},
             {"cmdImportarMisDatos", "Importar mis datos…"},
             {"cmdBorrarTiemposPropios", "Borrar todos mis tiempos"},
             {"cmdBorrarSesionesRevelado", "Borrar mis tanques, botellas y sesiones"}}) {
        QPushButton* b = v_.C<QPushButton>(nombre);
        EXPECT_EQ(b->text(), QString::fromUtf8(texto));
        EXPECT_GT(b->y(), anterior) << nombre;
        EXPECT_LE(b->geometry().bottom(), v_.w->height()) << nombre;
        anterior = b->geometry().bottom();
    }
}

TEST_F(frmServicioMisDatosTest, ExportarBorrarEImportarDevuelveLoMio) {
    const QString ruta = Exportar(QStringLiteral("mios.zip"));
    ASSERT_TRUE(QFileInfo(ruta).isFile());
    EXPECT_EQ(Guion().llamadas[0].tipo, DialogosGuion::Tipo::PedirArchivo);
    EXPECT_EQ(Ultima().titulo, "Exportar mis datos");
    EXPECT_THAT(Texto(Ultima()), HasSubstr("Tiempos propios: 2"));

    Guion().respuestas = {Respuesta::No};
    Pulsar("cmdBorrarTiemposPropios");
    EXPECT_EQ(Ultima().titulo, "Borrar notas");
    EXPECT_EQ(Ultima().texto, "Se borrarán todos mis tiempos, películas y reveladores propios.\n¿Continuar?");
    EXPECT_EQ(datos_mios::Volcar(), original_);
    Guion().respuestas = {Respuesta::Si};
    Pulsar("cmdBorrarTiemposPropios");
    EXPECT_EQ(Ultima().texto, "Tiempos propios borrados.");
    const QStringList borrado = datos_mios::Volcar();
    EXPECT_TRUE(borrado.filter(QRegularExpression("^[TPR]\\|")).isEmpty())
        << borrado.join(u'\n').toStdString();
    EXPECT_EQ(borrado.size(), original_.size() - 4);

    // The notes are still there: the question offers to keep or replace them.
    Guion().llamadas.clear();
    Guion().archivos = {ruta};
    Guion().respuestas = {Respuesta::Si};
    Importar();
    ASSERT_EQ(Guion().llamadas.size(), 3u);
    EXPECT_EQ(Guion().llamadas[1].tipo, DialogosGuion::Tipo::SiNoCancelar);
    EXPECT_THAT(Texto(Guion().llamadas[1]), HasSubstr("Tiempos propios: 2 nuevos, 0 ya existen"));
    EXPECT_THAT(Texto(Guion().llamadas[1]), HasSubstr("Notas personales: 0 nuevas, 2 ya existen"));
    EXPECT_THAT(Texto(Ultima()), HasSubstr("4 datos añadidos"));
    EXPECT_EQ(datos_mios::Volcar(), original_);
}

TEST_F(frmServicioMisDatosTest, ReemplazarSoloCuandoSeElige) {
    const QString ruta = Exportar(QStringLiteral("carpeta"));
    ReferenceDb()->Ejecutar("UPDATE Formulas SET MisNotasFormulas = 'cambiada' WHERE IdFormula = 30");
    const QStringList cambiado = datos_mios::Volcar();

    Guion().archivos = {ruta + QStringLiteral("/manifiesto.csv")};
    Guion().respuestas = {Respuesta::Cancelar};
    Importar();
    EXPECT_EQ(datos_mios::Volcar(), cambiado);
    Guion().archivos = {ruta};
    Guion().respuestas = {Respuesta::Si};
    Importar();
    EXPECT_EQ(datos_mios::Volcar(), cambiado);
    EXPECT_THAT(Texto(Ultima()), HasSubstr("ya existentes conservados"));
    Guion().archivos = {ruta};
    Guion().respuestas = {Respuesta::No};
    Importar();
    EXPECT_EQ(datos_mios::Volcar(), original_);
    EXPECT_THAT(Texto(Ultima()), HasSubstr("reemplazados"));
}

TEST_F(frmServicioMisDatosTest, UnPaqueteMalFormadoSeExplicaYNoEscribeNada) {
    const QString ruta = Exportar(QStringLiteral("malo"));
    QFile f(ruta + QStringLiteral("/notas_formulas.csv"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Formula,Texto\r\nD-76,bien\r\nD-76,\"sin cerrar\r\n");
    f.close();
    NotesDb()->Ejecutar("DELETE FROM TiemposPropios");
    const QStringList antes = datos_mios::Volcar();
    Guion().llamadas.clear();
    Guion().archivos = {ruta};
    Importar();
    ASSERT_EQ(Guion().llamadas.size(), 2u);
    EXPECT_EQ(Ultima().titulo, "Importar mis datos");
    EXPECT_THAT(Texto(Ultima()), HasSubstr("notas_formulas.csv, línea 3: comillas sin cerrar"));
    EXPECT_THAT(Texto(Ultima()), HasSubstr("No se ha escrito nada."));
    EXPECT_EQ(datos_mios::Volcar(), antes);
}

TEST_F(frmServicioMisDatosTest, ElPaqueteSeLeeEnOtroHiloConAvanceYLaVentanaSigueRespondiendo) {
    // Enough own times for the reading to take a while.
    NotesDb()->Ejecutar(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30000) "
        "INSERT INTO TiemposPropios (Pelicula, Revelador, Dilucion, EI, Tiempo35, Temperatura) "
        "SELECT 'Película ' || i, 'Rodinal', '1+50', i, '9:00', '20' FROM n");
    const QString ruta = Exportar(QStringLiteral("grande.zip"));
    NotesDb()->Ejecutar("DELETE FROM TiemposPropios");
    const QStringList antes = datos_mios::Volcar();
    Guion().llamadas.clear();
    Guion().archivos = {ruta};
    Guion().respuestas = {Respuesta::Cancelar};
    Pulsar("cmdImportarMisDatos");
    // The click has returned while the package is still being read.
    EXPECT_TRUE(v_.w->Importando());
    EXPECT_TRUE(v_.C<QProgressBar>("barImportarMisDatos")->isVisible());
    EXPECT_FALSE(v_.C<QPushButton>("cmdImportarMisDatos")->isEnabled());
    EXPECT_EQ(Guion().llamadas.size(), 1u);
    if (const QString destino = qEnvironmentVariable("GARVOLA_CAPTURAS"); !destino.isEmpty())
        v_.w->grab().save(destino + QStringLiteral("/frmServicio_importando.png"));
    Esperar();
    EXPECT_FALSE(v_.C<QProgressBar>("barImportarMisDatos")->isVisible());
    EXPECT_TRUE(v_.C<QPushButton>("cmdImportarMisDatos")->isEnabled());
    ASSERT_EQ(Guion().llamadas.size(), 2u);
    EXPECT_THAT(Texto(Ultima()), HasSubstr("Tiempos propios: 30002 nuevos"));
    EXPECT_EQ(datos_mios::Volcar(), antes);
}

TEST_F(frmServicioMisDatosTest, CerrarLaVentanaMientrasLeeNoPreguntaNiEscribeNada) {
    const QString ruta = Exportar(QStringLiteral("cerrar.zip"));
    NotesDb()->Ejecutar("DELETE FROM TiemposPropios");
    const QStringList antes = datos_mios::Volcar();
    Guion().llamadas.clear();
    Guion().archivos = {ruta};
    Pulsar("cmdImportarMisDatos");
    ASSERT_TRUE(v_.w->Importando());
    delete v_.w;
    QCoreApplication::processEvents();
    EXPECT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(datos_mios::Volcar(), antes);
}

TEST_F(frmServicioMisDatosTest, OtroProgramaQueLeeTzMdbDejaTodoComoEstabaYElMensajeLoDice) {
    const QString ruta = Exportar(QStringLiteral("bloqueo.zip"));
    NotesDb()->Ejecutar("DELETE FROM TiemposPropios");
    NotesDb()->Ejecutar("DELETE FROM NotasPersonales");
    // Something to write in each file.
    ReferenceDb()->Ejecutar("DELETE FROM NotasMiasPelicula");
    const QStringList antes = datos_mios::Volcar();
    auto otro = BaseDatos::Abrir(RutaBDReferencia(), kClaveBDReferencia);
    otro->Comenzar();
    Consulta lectura = otro->Consultar("SELECT Nombre FROM Peliculas");
    ReferenceDb()->Ejecutar("PRAGMA busy_timeout = 200");
    Guion().archivos = {ruta};
    Guion().respuestas = {Respuesta::Si};
    Importar();
    EXPECT_EQ(Ultima().titulo, "Importar mis datos");
    EXPECT_THAT(Texto(Ultima()), HasSubstr("otro programa está usando tz.mdb o notasp.mdb"));
    EXPECT_THAT(Texto(Ultima()), HasSubstr("No se ha escrito nada."));
    EXPECT_EQ(datos_mios::Volcar(), antes);
}

TEST_F(frmServicioMisDatosTest, CancelarElDialogoDeArchivoNoHaceNada) {
    Guion().archivos = {std::nullopt, std::nullopt};
    Pulsar("cmdExportarMisDatos");
    Importar();
    EXPECT_EQ(Guion().llamadas.size(), 2u);
    EXPECT_EQ(datos_mios::Volcar(), original_);
}

} // namespace

#include "devtimes/FormularioTiempoPropio.h"
#include "devtimes/TiemposPropios.h"
#include "devtimes/frmPeliculasReveladores.h"
#include "devtimes/frmTiempoPropio.h"
#include "exchange/ExportacionMisDatos.h"
#include "exchange/ImportacionMisDatos.h"
#include "maintenance/frmServicio.h"

#include "devtimes/FixtureTiempos.h"
#include "devtimes/ManejoVentana.h"
#include "soporte/DialogosGuion.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using Ventana = ManejoVentana<frmPeliculasReveladores>;

// An open search window follows every change of the own data, whichever window makes it.
class RecargaPropios : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::Pelicula(1, "Kodak Tri-X 400");
        fixture::Revelador(10, "Rodinal");
        fixture::Revelador(11, "D-76");
        fixture::Revelador(12, "Xtol");
        fixture::Tiempo(1, 11, "400", "20", "9:45");
        fixture::Tiempo(1, 10, "400", "20", "13:00");
    }
    static QStringList Propias(const Ventana& v) { return FilasPropias(v.Grid()); }
    static TiempoPropio Propio(const QString& revelador, const QString& ei) {
        return fixture::Propio("Kodak Tri-X 400", revelador, "1+50", ei);
    }

    CarpetaPruebas carpeta_;
};

} // namespace

// Clearing in the service window takes the own rows away at once; a row made stale behind the
// window's back is not edited silently.
TEST_F(RecargaPropios, BorrarTodosYUnaFilaQueYaNoExiste) {
    GuardarTiempoPropio(Propio("Rodinal", "800"));
    Ventana v;
    v.Clic("Kodak Tri-X 400");
    ASSERT_EQ(Propias(v), QStringList{"Rodinal 800"});

    auto* servicio = v.anfitrion.Abrir<frmServicio>();
    Guion().respuestas = {Respuesta::Si};
    QTest::mouseClick(servicio->findChild<QPushButton*>("cmdBorrarTiemposPropios"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(Guion().llamadas.back().texto, "Tiempos propios borrados.");
    EXPECT_TRUE(Propias(v).isEmpty());
    EXPECT_EQ(v.ventana->FilasDatos(), 2);

    // Another program (or copy) deletes it: the window cannot know until asked to edit it.
    GuardarTiempoPropio(Propio("Xtol", "1600"));
    QCoreApplication::processEvents();
    ASSERT_EQ(Propias(v), QStringList{"Xtol 1600"});
    NotesDb()->Ejecutar("DELETE FROM TiemposPropios");
    Guion().llamadas.clear();
    v.MenuFila(3);
    v.Elegir("mnuEditarMiTiempo");
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Guion().llamadas[0].tipo, DialogosGuion::Tipo::Informar);
    EXPECT_TRUE(Guion().llamadas[0].texto.startsWith("Ese tiempo propio ya no existe"));
    EXPECT_EQ(v.DialogoPropio(), nullptr);
    EXPECT_TRUE(Propias(v).isEmpty());
}

// An import through the service window shows what it brought in the open search window.
TEST_F(RecargaPropios, ImportarRecargaLaBusquedaAbierta) {
    QTemporaryDir fuera;
    const QString paquete = fuera.path() + "/mios.zip";
    GuardarTiempoPropio(Propio("D-76", "1600"));
    ExportarMisDatos(paquete);
    BorrarTodosMisTiempos();
    Ventana v;
    v.Clic("Kodak Tri-X 400");
    ASSERT_TRUE(Propias(v).isEmpty());

    auto* servicio = v.anfitrion.Abrir<frmServicio>();
    Guion().archivos = {paquete};
    Guion().respuestas = {Respuesta::Si};
    QTest::mouseClick(servicio->findChild<QPushButton*>("cmdImportarMisDatos"), Qt::LeftButton);
    // The package is read on a worker thread; the question and the write come once it is read.
    QElapsedTimer reloj;
    reloj.start();
    while (servicio->Importando() && reloj.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_FALSE(servicio->Importando());
    QCoreApplication::processEvents();
    EXPECT_EQ(Propias(v), QStringList{"D-76 1600"});
}

// A reference row with an EI pair and a range of times is copied as a time the dialog takes as it
// stands, the note saying what the reference gave.
TEST_F(RecargaPropios, CopiarUnaFilaConParDeEIYRangoDeTiempos) {
    fixture::Tiempo(1, 12, "100/200", "20", "5:00-6:00");
    Ventana v;
    v.Clic("Kodak Tri-X 400");
    ASSERT_EQ(v.Fila(3)[2], "100/200");
    v.MenuFila(3);
    v.Elegir("mnuCopiarComoMiTiempo");
    GuardarPropio(v.DialogoPropio());
    EXPECT_TRUE(Guion().llamadas.empty());
    const auto propios = LeerTiemposPropios(true, "Kodak Tri-X 400", {});
    ASSERT_EQ(propios.size(), 1u);
    EXPECT_EQ(propios[0].ei, "100");
    EXPECT_EQ(propios[0].tiempo35, "5:00");
    EXPECT_EQ(propios[0].tiempo120, "9:00");
    EXPECT_EQ(propios[0].nota,
              "Según la referencia: EI 100/200 (se copia 100); 35 mm 5:00-6:00 (se copia 5:00).");
    EXPECT_EQ(Propias(v), QStringList{"Xtol 100"});
}

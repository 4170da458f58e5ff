// What modules ask of each other, served by the main window as the program runs: each request
// reaches the window that serves it, driven as a user drives the windows.
#include "app/frmMDI.h"
#include "calculators/CompensacionTemp.h"
#include "calculators/frmCalcTiempoTemp.h"
#include "devtimes/frmPeliculasReveladores.h"
#include "devtimes/frmTiempoPropio.h"
#include "filmsheet/frmImagenCompleta.h"
#include "filmsheet/frmPeliculasInfoTec.h"
#include "session/CifrasFabricante.h"
#include "session/frmSesionRevelado.h"
#include "timer/CuadernoRevelado.h"
#include "timer/frmTemporizador.h"

#include "devtimes/FixtureTiempos.h"
#include "devtimes/ManejoVentana.h"
#include "soporte/DialogosGuion.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Peticiones : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::Pelicula(1, "Kodak Tri-X 400");
        fixture::Pelicula(2, "Ilford HP5 Plus");
        fixture::Revelador(10, "ID-11");
        fixture::Revelador(11, "Rodinal");
        fixture::Tiempo(2, 10, "400", "22", QVariant(), {}, "1+1");
        fixture::Tiempo(2, 11, "400", "20", "11:00", {}, "1+25");
        fixture::Tiempo(1, 11, "400", "20", "13:00", {}, "1+50");
        w.show();
    }
    void TearDown() override {
        for (auto* m : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(m))
                d->reject();
        w.Area()->closeAllSubWindows();
    }
    frmPeliculasReveladores* Busqueda() {
        w.Accion("mnuBuscarPeliRevel")->trigger();
        auto* b = w.Abierto<frmPeliculasReveladores>();
        b->Marco()->resize(1100, 700);
        QCoreApplication::processEvents();
        return b;
    }
    static void Elegir(QWidget* ventana, const QString& nombre) {
        auto* lista = ventana->findChild<QListWidget*>("lstItems");
        const auto items = lista->findItems(nombre, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(items[0]).center());
    }
    static QString Caja(QWidget* ventana, const char* nombre) {
        return ventana->findChild<QLineEdit*>(QString::fromLatin1(nombre))->text();
    }
    // A temperature as the timer shows it, one decimal in the user's locale.
    static QString Grados(int grados) { return QLocale().toString(double(grados), 'f', 1); }

    CarpetaPruebas carpeta;
    frmMDI w;
};

} // namespace

// A double click on a grid row, and its context menu, load the timer with that row.
TEST_F(Peticiones, UnaFilaDeLaBusquedaLlenaElTemporizador) {
    auto* b = Busqueda();
    Elegir(b, QStringLiteral("Ilford HP5 Plus"));
    auto* g = b->findChild<QTableWidget*>("grdTiempos");
    ASSERT_EQ(g->item(0, 0)->text(), QStringLiteral("ID-11"));
    const QPoint punto = g->visualItemRect(g->item(0, 2)).center();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, punto);
    EXPECT_EQ(w.Abierto<frmTemporizador>(), nullptr) << "un clic solo no lo abre";
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, punto);
    auto* t = w.Abierto<frmTemporizador>();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(Caja(t, "txtPelicula"), QStringLiteral("Ilford HP5 Plus"));
    EXPECT_EQ(Caja(t, "txtRevelador"), QStringLiteral("ID-11"));
    EXPECT_EQ(Caja(t, "txtDilucion"), QStringLiteral("1+1"));
    EXPECT_EQ(Caja(t, "txtEI"), QStringLiteral("400"));
    EXPECT_EQ(t->findChild<QComboBox*>("cboFormato")->currentText(), QStringLiteral("120"))
        << "sin tiempo de 35 mm toma el primero presente";
    EXPECT_EQ(Caja(t, "txtTiempoBase"), QStringLiteral("09:00"));
    EXPECT_EQ(Caja(t, "txtTempBase"), Grados(22));

    const QPoint punto2 = g->visualItemRect(g->item(1, 0)).center();
    Q_EMIT g->customContextMenuRequested(punto2);
    b->findChild<QMenu*>("menuGrid")->hide();
    b->findChild<QAction*>("mnuIniciarTemporizador")->trigger();
    EXPECT_EQ(w.Abierto<frmTemporizador>(), t) << "el mismo temporizador";
    EXPECT_EQ(Caja(t, "txtRevelador"), QStringLiteral("Rodinal"));
    EXPECT_EQ(t->findChild<QComboBox*>("cboFormato")->currentText(), QStringLiteral("35 mm"));
    EXPECT_EQ(Caja(t, "txtTiempoBase"), QStringLiteral("11:00"));
    EXPECT_EQ(Caja(t, "txtTempBase"), Grados(20));
}

// The technical sheet follows the film chosen while its box is checked, in front of the search
// window, which keeps the keyboard.
TEST_F(Peticiones, LaFichaTecnicaSigueALaBusqueda) {
    auto* b = Busqueda();
    auto* chk = b->findChild<QCheckBox*>("chkInfoTecnica");
    Elegir(b, QStringLiteral("Ilford HP5 Plus"));
    EXPECT_EQ(w.Abierto<frmPeliculasInfoTec>(), nullptr);
    chk->click();
    auto* ficha = w.Abierto<frmPeliculasInfoTec>();
    ASSERT_NE(ficha, nullptr);
    EXPECT_EQ(ficha->IdPelicula(), 2);
    EXPECT_EQ(ficha->windowTitle(), QStringLiteral("Info técnica: Ilford HP5 Plus"));
    EXPECT_EQ(w.Area()->activeSubWindow(), b->Marco());
    EXPECT_EQ(w.Area()->subWindowList(QMdiArea::StackingOrder).last(), ficha->Marco());
    Elegir(b, QStringLiteral("Kodak Tri-X 400"));
    EXPECT_EQ(w.Abierto<frmPeliculasInfoTec>(), ficha);
    EXPECT_EQ(ficha->IdPelicula(), 1);
    EXPECT_EQ(w.Area()->activeSubWindow(), b->Marco());
    chk->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.Abierto<frmPeliculasInfoTec>(), nullptr);
}

// A double click on the film's picture shows it full size, titled with the film's name.
TEST_F(Peticiones, LaFotoDeLaBusquedaSeVeCompleta) {
    fixture::Foto(carpeta, "imag\\films\\Ilford HP5 Plus.jpg", 40, 20, Qt::red);
    auto* b = Busqueda();
    Elegir(b, QStringLiteral("Ilford HP5 Plus"));
    auto* pic = b->findChild<QWidget*>("picImagen");
    QTest::mouseDClick(pic, Qt::LeftButton, {}, pic->rect().center());
    auto* completa = w.Abierto<frmImagenCompleta>();
    ASSERT_NE(completa, nullptr);
    EXPECT_TRUE(completa->RutaImagen().endsWith(QStringLiteral("Ilford HP5 Plus.jpg")));
    EXPECT_EQ(completa->windowTitle(), QStringLiteral("Ilford HP5 Plus"));
    EXPECT_TRUE(completa->isVisible());
}

// The calculator hands its inputs to the timer, which corrects the time as the calculator does.
TEST_F(Peticiones, LaCalculadoraEntregaSuResultadoAlTemporizador) {
    w.Accion("mnuCalcTiempoTemp")->trigger();
    auto* calc = w.Abierto<frmCalcTiempoTemp>();
    ASSERT_NE(calc, nullptr);
    calc->findChild<QLineEdit*>("txtTempAct")->setText(QStringLiteral("24.0"));
    QTest::mouseClick(calc->findChild<QPushButton*>("btnTemporizador"), Qt::LeftButton);
    auto* t = w.Abierto<frmTemporizador>();
    ASSERT_NE(t, nullptr);
    const QString resultado = calc->findChild<QLabel*>("lblFactor")->text();
    // Regla 7, HC-110, normal: 10:00 at 20 °C becomes 06:44 at 24 °C, as the calculator shows.
    EXPECT_EQ(Caja(t, "txtEtapa0"), QStringLiteral("06:44"));
    EXPECT_TRUE(t->findChild<QLabel*>("lblCorreccion")->text().contains(resultado));
}

// A log entry saved as an own time through its dialog shows in the open search window, which keeps
// the row the user looks at.
TEST_F(Peticiones, UnTiempoDelCuadernoApareceEnLaBusquedaAbierta) {
    auto* b = Busqueda();
    Elegir(b, QStringLiteral("Kodak Tri-X 400"));
    auto* g = b->findChild<QTableWidget*>("grdTiempos");
    ASSERT_EQ(g->rowCount() >= 1, true);
    EntradaCuaderno e;
    e.pelicula = "Kodak Tri-X 400";
    e.revelador = "Rodinal";
    e.dilucion = "1+50";
    e.ei = "800";
    e.formato = "35 mm";
    e.decimasBase = e.decimasBano = 200;
    e.segundosBase = e.segundos = 960;
    ASSERT_NE(GuardarEnCuaderno(e), 0);

    w.Accion("mnuTemporizador")->trigger();
    auto* t = w.Abierto<frmTemporizador>();
    ASSERT_NE(t, nullptr);
    auto* log = t->findChild<QListWidget*>("lstCuaderno");
    ASSERT_EQ(log->count(), 1);
    MenuContextual(log->viewport(), log->visualItemRect(log->item(0)).center());
    Disparar(t, "mnuGuardarComoMiTiempo");
    auto* d = t->findChild<frmTiempoPropio*>();
    ASSERT_NE(d, nullptr) << "el diálogo cuelga del temporizador";
    EXPECT_EQ(d->findChild<QLineEdit*>("txt35")->text(), QStringLiteral("16:00"));
    GuardarPropio(d);
    EXPECT_TRUE(Guion().llamadas.empty());
    EXPECT_EQ(FilasPropias(g), QStringList{"Rodinal 800"});
}

// A grid row planned as a session, and the session handed to the timer: its corrected time, bath
// temperature and every bath as the timer's stages.
TEST_F(Peticiones, UnaSesionPlanificadaLlenaElTemporizador) {
    auto* b = Busqueda();
    Elegir(b, QStringLiteral("Ilford HP5 Plus"));
    auto* g = b->findChild<QTableWidget*>("grdTiempos");
    ASSERT_EQ(g->item(1, 0)->text(), QStringLiteral("Rodinal"));
    auto* planificar = b->findChild<QAction*>("mnuPlanificarSesion");
    ASSERT_NE(planificar, nullptr);
    // Below the rows there is nothing to plan.
    Q_EMIT g->customContextMenuRequested(QPoint(5, g->viewport()->height() - 2));
    b->findChild<QMenu*>("menuGrid")->hide();
    EXPECT_FALSE(planificar->isEnabled());
    Q_EMIT g->customContextMenuRequested(g->visualItemRect(g->item(1, 0)).center());
    b->findChild<QMenu*>("menuGrid")->hide();
    ASSERT_TRUE(planificar->isEnabled());
    planificar->trigger();
    auto* s = w.Abierto<frmSesionRevelado>();
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(
        s->findChild<QComboBox*>("cboFila")->currentText().startsWith(QStringLiteral("Rodinal 1+25")));
    auto* cbo = s->findChild<QComboBox*>("cboTanque");
    cbo->setCurrentIndex(cbo->findText(QStringLiteral("Espiral de 2 carretes"), Qt::MatchStartsWith));
    s->findChild<QLineEdit*>("txtCarretes35")->setText(QStringLiteral("2"));
    s->findChild<QLineEdit*>("txtTempBano")->setText(QStringLiteral("22"));
    ASSERT_TRUE(s->Plan().error.isEmpty()) << qPrintable(s->Plan().error);
    EXPECT_EQ(s->Plan().mlTrabajo, 500);
    QTest::mouseClick(s->findChild<QPushButton*>("btnIniciar"), Qt::LeftButton);
    auto* t = w.Abierto<frmTemporizador>();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(Caja(t, "txtRevelador"), QStringLiteral("Rodinal"));
    EXPECT_EQ(t->findChild<QComboBox*>("cboFormato")->currentText(), QStringLiteral("35 mm"));
    EXPECT_EQ(Caja(t, "txtTiempoBase"), QStringLiteral("11:00"));
    EXPECT_TRUE(Caja(t, "txtTempBano").startsWith(QStringLiteral("22")));
    EXPECT_EQ(Caja(t, "txtEtapa0"), FormatoMinSeg(s->Plan().segundosRevelado))
        << "el mismo tiempo que el plan";
    const std::vector<Bano> banos = BanosPorDefecto();
    for (const Bano& bano : banos) {
        const bool unico = std::count_if(banos.begin(), banos.end(),
                                         [&](const Bano& o) { return o.etapa == bano.etapa; }) == 1;
        if (!bano.omitido && unico) {
            EXPECT_EQ(Caja(t, QStringLiteral("txtEtapa%1").arg(bano.etapa).toLatin1().constData()),
                      FormatoMinSeg(bano.segundos))
                << qPrintable(NombreEtapa(bano.etapa));
        }
    }
    EXPECT_TRUE(Guion().llamadas.empty());
}

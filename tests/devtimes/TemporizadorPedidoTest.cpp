#include "devtimes/frmPeliculasReveladores.h"

#include "FixtureTiempos.h"
#include "ManejoVentana.h"

#include <QAction>
#include <QMenu>

namespace {
class TemporizadorPedido : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::Pelicula(2, "Ilford HP5 Plus");
        fixture::Revelador(10, "ID-11");
        fixture::Revelador(11, "Rodinal");
        fixture::Tiempo(2, 10, "400", "22", QVariant(), {}, "1+1");
        fixture::Tiempo(2, 11, "400", "20", "11:00", {}, "1+25");
    }
    CarpetaPruebas carpeta_;
};
} // namespace

// A double click on a row, or its context menu, asks the host to load the timer with that row.
TEST_F(TemporizadorPedido, DobleClicYMenuDeLaFilaLoPiden) {
    ManejoVentana<frmPeliculasReveladores> v;
    v.Clic(QStringLiteral("Ilford HP5 Plus"));
    ASSERT_EQ(v.Fila(1)[0], QStringLiteral("ID-11"));
    QTableWidget* g = v.Grid();
    const QPoint punto = g->visualItemRect(g->item(0, 2)).center();
    // A real double click: press and release, then the double-click press.
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, punto);
    EXPECT_TRUE(v.anfitrion.revelados.empty()) << "un clic solo no lo pide";
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, punto);
    ASSERT_EQ(v.anfitrion.revelados.size(), 1u);
    const DatosRevelado& d = v.anfitrion.revelados[0];
    EXPECT_EQ(d.pelicula, QStringLiteral("Ilford HP5 Plus"));
    EXPECT_EQ(d.revelador, QStringLiteral("ID-11"));
    EXPECT_EQ(d.dilucion, QStringLiteral("1+1"));
    EXPECT_EQ(d.ei, QStringLiteral("400"));
    EXPECT_FALSE(d.segundos[Formato35].has_value());
    EXPECT_EQ(d.segundos[Formato120], 540);
    EXPECT_EQ(d.decimasBase, 220);

    // The context menu of another row asks again, for that row.
    const QPoint punto2 = g->visualItemRect(g->item(1, 0)).center();
    Q_EMIT g->customContextMenuRequested(punto2);
    auto* accion = v.ventana->findChild<QAction*>(QStringLiteral("mnuIniciarTemporizador"));
    ASSERT_NE(accion, nullptr);
    v.ventana->findChild<QMenu*>(QStringLiteral("menuGrid"))->hide();
    accion->trigger();
    ASSERT_EQ(v.anfitrion.revelados.size(), 2u);
    EXPECT_EQ(v.anfitrion.revelados[1].revelador, QStringLiteral("Rodinal"));
    EXPECT_EQ(v.anfitrion.revelados[1].segundos[Formato35], 660);
    EXPECT_EQ(v.anfitrion.revelados[1].decimasBase, 200);
}

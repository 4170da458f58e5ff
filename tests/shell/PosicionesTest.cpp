#include "shell/Posiciones.h"
#include "shell/AjustesUsuario.h"
#include "soporte/AnfitrionPrueba.h"

#include "soporte/CarpetaPruebas.h"

#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

class VentanaConPosicion : public VentanaModulo {
public:
    explicit VentanaConPosicion(Anfitrion&) { resize(300, 200); }
    void Cargar() override { RestaurarPosicionVentana(QStringLiteral("Prueba"), this); }
};

void Guardar(const char* clave, const QString& valor) {
    GuardarAjuste("Garvola", "Prueba", clave, valor);
}

void GuardarLugar(int estado, int izquierda, int arriba, int ancho, int alto) {
    Guardar("State", QString::number(estado));
    Guardar("Left", QString::number(izquierda));
    Guardar("Top", QString::number(arriba));
    Guardar("Width", QString::number(ancho));
    Guardar("Height", QString::number(alto));
}

// State, Left, Top, Width and Height as stored.
QStringList Lugar() {
    QStringList r;
    for (const char* clave : {"State", "Left", "Top", "Width", "Height"})
        r << LeerAjuste("Garvola", "Prueba", clave, "");
    return r;
}

} // namespace

TEST(PosicionesTest, RestauraDesde1001TwipsYNoPorDebajo) {
    CarpetaPruebas carpeta(false);
    QWidget w;
    w.move(10, 20);
    w.resize(300, 200);
    GuardarLugar(0, 1500, 750, 1000, 3000);
    RestaurarPosicionVentana("Prueba", &w);
    EXPECT_EQ(w.pos(), QPoint(10, 20));
    EXPECT_EQ(w.size(), QSize(300, 200));

    GuardarLugar(0, 1500, 750, 1001, 3000);
    RestaurarPosicionVentana("Prueba", &w);
    EXPECT_EQ(w.pos(), QPoint(100, 50));
    // 1001 / 15 = 66.73 pixels.
    EXPECT_EQ(w.size(), QSize(67, 200));
}

TEST(PosicionesTest, ValoresQueFaltanOInvalidosUsanLoActual) {
    CarpetaPruebas carpeta(false);
    QWidget w;
    w.move(10, 20);
    w.resize(300, 200);
    Guardar("Width", "6000");
    RestaurarPosicionVentana("Prueba", &w);
    EXPECT_EQ(w.pos(), QPoint(10, 20));
    EXPECT_EQ(w.size(), QSize(400, 200));
    Guardar("Width", "ancho");
    RestaurarPosicionVentana("Prueba", &w);
    EXPECT_EQ(w.size(), QSize(400, 200));
}

TEST(PosicionesTest, VentanaDeModuloEnElMarcoEstados1Y2) {
    CarpetaPruebas carpeta(false);
    AnfitrionPrueba mdi(true);
    GuardarLugar(1, 300, 150, 6000, 4500);
    auto* v = mdi.Abrir<VentanaConPosicion>();
    QWidget* marco = v->Marco();
    ASSERT_NE(marco, v);
    EXPECT_FALSE(marco->isMinimized());
    EXPECT_EQ(marco->geometry(), QRect(20, 10, 400, 300));

    marco->move(45, 30);
    marco->showMinimized();
    GuardarPosicionVentana("Prueba", v);
    EXPECT_EQ(LeerAjuste("Garvola", "Prueba", "State", ""), "1");
    marco->showNormal();
    GuardarPosicionVentana("Prueba", v);
    EXPECT_EQ(Lugar(), (QStringList{"0", "675", "450", "6000", "4500"}));
    marco->close();

    Guardar("State", "2");
    v = mdi.Abrir<VentanaConPosicion>();
    EXPECT_TRUE(v->Marco()->isMaximized());
    GuardarPosicionVentana("Prueba", v);
    EXPECT_EQ(LeerAjuste("Garvola", "Prueba", "State", ""), "2");
}

// A module window closed while minimised comes back at its normal size, not as the strip.
TEST(PosicionesTest, SubventanaMinimizadaGuardaSuLugarNormal) {
    CarpetaPruebas carpeta(false);
    QMdiArea area;
    area.resize(900, 700);
    area.show();
    AnfitrionPrueba anfitrion;
    auto* v = new VentanaConPosicion(anfitrion);
    QMdiSubWindow* marco = area.addSubWindow(v);
    v->Cargar();
    marco->show();
    marco->setGeometry(45, 30, 400, 300);
    marco->showMinimized();
    ASSERT_TRUE(marco->isMinimized());
    ASSERT_LT(marco->width(), 400);
    GuardarPosicionVentana("Prueba", v);
    EXPECT_EQ(Lugar(), (QStringList{"1", "675", "450", "6000", "4500"}));

    // Maximised, it keeps the same normal place; restored, it is where it was.
    marco->showNormal();
    marco->showMaximized();
    GuardarPosicionVentana("Prueba", v);
    EXPECT_EQ(Lugar(), (QStringList{"2", "675", "450", "6000", "4500"}));
    marco->showNormal();
    EXPECT_EQ(marco->geometry(), QRect(45, 30, 400, 300));
}

TEST(PosicionesTest, AnchosDeColumnaSoloPorEncimaDe100Twips) {
    CarpetaPruebas carpeta(false);
    QTableWidget grid(3, 4);
    grid.horizontalHeader()->setMinimumSectionSize(1);
    for (int i = 0; i < 4; ++i)
        grid.setColumnWidth(i, 50);
    Guardar("Col0", "100");
    Guardar("Col1", "101");
    Guardar("Col2", "3000");
    // Col3 missing.
    RestaurarAnchosColumnas("Prueba", &grid);
    EXPECT_EQ(grid.columnWidth(0), 50);
    EXPECT_EQ(grid.columnWidth(1), 7);
    EXPECT_EQ(grid.columnWidth(2), 200);
    EXPECT_EQ(grid.columnWidth(3), 50);

    grid.setColumnWidth(3, 80);
    GuardarAnchosColumnas("Otra", &grid);
    EXPECT_EQ(LeerAjuste("Garvola", "Otra", "Col0", ""), "750");
    EXPECT_EQ(LeerAjuste("Garvola", "Otra", "Col3", ""), "1200");
    EXPECT_EQ(LeerAjuste("Garvola", "Otra", "Col4", "nada"), "nada");
}

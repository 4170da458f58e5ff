#include "shell/Lienzo.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor kFondo(255, 255, 255);
const QColor kTinta(200, 30, 40);

class LienzoTest : public ::testing::Test {
protected:
    void SetUp() override {
        lienzo_.resize(200, 100);
        lienzo_.Limpiar(kFondo);
    }
    // Pixel (px, py) of the buffer, in pixels.
    QColor P(int px, int py) const { return lienzo_.Buffer().pixelColor(px, py); }
    bool Tinta(int px, int py) const { return P(px, py) == kTinta; }
    // Pixels of row py from x1 to x2 drawn in ink, as a string of '#' and '.'.
    std::string Fila(int py, int x1, int x2) const {
        std::string s;
        for (int x = x1; x <= x2; ++x)
            s += Tinta(x, py) ? '#' : '.';
        return s;
    }
    Lienzo lienzo_;
};

} // namespace

TEST_F(LienzoTest, TwipsAPixelesConEmpateAPar) {
    EXPECT_EQ(lienzo_.AnchoTwips(), 3000);
    EXPECT_EQ(lienzo_.AltoTwips(), 1500);
    lienzo_.Punto(7, 7, kTinta);
    lienzo_.Punto(37.5, 8, kTinta);
    lienzo_.Punto(52.5, 22.5, kTinta);
    EXPECT_TRUE(Tinta(0, 0));
    EXPECT_TRUE(Tinta(2, 1));
    EXPECT_TRUE(Tinta(4, 2));
    EXPECT_FALSE(Tinta(3, 1));
    EXPECT_FALSE(Tinta(1, 0));
    EXPECT_EQ(lienzo_.PixelEn(37, 22), kTinta);
    EXPECT_FALSE(lienzo_.PixelEn(3000, 0).isValid());
    EXPECT_FALSE(lienzo_.PixelEn(-8, 0).isValid());
}

TEST_F(LienzoTest, LineasSolidasConSusExtremosYAnchos) {
    lienzo_.Linea(450, 150, 150, 150, kTinta);
    EXPECT_EQ(Fila(10, 9, 31), ".#####################.");
    EXPECT_EQ(Fila(9, 9, 31), std::string(23, '.'));
    EXPECT_EQ(Fila(11, 9, 31), std::string(23, '.'));

    lienzo_.Linea(150, 600, 450, 600, kTinta, 2);
    EXPECT_TRUE(Tinta(10, 40) && Tinta(10, 41) && Tinta(31, 41));
    EXPECT_FALSE(Tinta(10, 39) || Tinta(10, 42) || Tinta(9, 40) || Tinta(32, 40));

    lienzo_.Linea(1500, 300, 1500, 600, kTinta, 3);
    EXPECT_TRUE(Tinta(99, 19) && Tinta(101, 19) && Tinta(100, 41));
    EXPECT_FALSE(Tinta(98, 20) || Tinta(102, 20) || Tinta(100, 18) || Tinta(100, 42));

    // Diagonal (0,0)-(10,5): eleven pixels, one per column.
    lienzo_.Limpiar();
    lienzo_.Linea(0, 0, 150, 75, kTinta);
    int total = 0;
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 100; ++y)
            total += Tinta(x, y);
    EXPECT_EQ(total, 11);
    EXPECT_TRUE(Tinta(0, 0) && Tinta(10, 5));
}

TEST_F(LienzoTest, EstilosPunteadoYRayaPunto) {
    lienzo_.Linea(0, 75, 450, 75, kTinta, 1, Lienzo::Estilo::Punteado);
    EXPECT_EQ(Fila(5, 0, 30), "###...###...###...###...###...#");
    lienzo_.Linea(0, 150, 450, 150, kTinta, 1, Lienzo::Estilo::RayaPunto);
    EXPECT_EQ(Fila(10, 0, 30), "#########......###......#######");
    // Wider styled lines are solid.
    lienzo_.Linea(0, 300, 450, 300, kTinta, 2, Lienzo::Estilo::Punteado);
    EXPECT_EQ(Fila(20, 0, 30), std::string(31, '#'));

    // A line from where the last one ended keeps its pattern; another start begins afresh.
    lienzo_.Linea(0, 600, 60, 600, kTinta, 1, Lienzo::Estilo::Punteado);
    lienzo_.Linea(60, 600, 150, 600, kTinta, 1, Lienzo::Estilo::Punteado);
    EXPECT_EQ(Fila(40, 0, 11), "###...###..."); // the second line ends at pixel 10
    lienzo_.Linea(60, 900, 150, 900, kTinta, 1, Lienzo::Estilo::Punteado);
    EXPECT_EQ(Fila(60, 4, 10), "###...#");
}

TEST_F(LienzoTest, RectangulosPuntosYCirculos) {
    lienzo_.Rectangulo(300, 450, 150, 150, kTinta, true);
    EXPECT_TRUE(Tinta(10, 10) && Tinta(20, 30) && Tinta(15, 20));
    EXPECT_FALSE(Tinta(9, 10) || Tinta(21, 30) || Tinta(20, 31));

    lienzo_.Rectangulo(600, 150, 900, 450, kTinta, false);
    EXPECT_TRUE(Tinta(40, 10) && Tinta(60, 30) && Tinta(40, 30) && Tinta(60, 20));
    EXPECT_FALSE(Tinta(50, 20) || Tinta(41, 11) || Tinta(61, 20));

    lienzo_.Punto(1500, 750, kTinta, 3);
    EXPECT_TRUE(Tinta(99, 49) && Tinta(101, 51));
    EXPECT_FALSE(Tinta(98, 50) || Tinta(102, 50));

    lienzo_.Limpiar();
    lienzo_.Circulo(750, 750, 150, kTinta);
    EXPECT_TRUE(Tinta(60, 50) && Tinta(40, 50) && Tinta(50, 40) && Tinta(50, 60));
    EXPECT_FALSE(Tinta(50, 50) || Tinta(61, 50) || Tinta(59, 50));
    lienzo_.Circulo(2250, 750, 150, kTinta, 3);
    EXPECT_TRUE(Tinta(161, 50) && Tinta(159, 50) && Tinta(150, 39));
    EXPECT_FALSE(Tinta(162, 50) || Tinta(158, 50));
    lienzo_.Limpiar();
    lienzo_.Circulo(750, 750, 150, kTinta, 1, true);
    EXPECT_TRUE(Tinta(50, 50) && Tinta(60, 50) && Tinta(57, 57));
    EXPECT_FALSE(Tinta(61, 50) || Tinta(58, 58));
    // Partly outside: clipped, no crash.
    lienzo_.Circulo(0, 0, 600, kTinta, 2);
    lienzo_.Linea(-3000, -3000, 6000, 3000, kTinta, 3);
    EXPECT_TRUE(Tinta(40, 0));
}

TEST_F(LienzoTest, TextoEnSuEsquinaYMedido) {
    const QColor negro(0, 0, 0);
    lienzo_.Texto(300, 300, "HHHH", negro, 12, true);
    const QSizeF caja = lienzo_.MedirTexto("HHHH", 12, true);
    ASSERT_GT(caja.width(), 300);
    ASSERT_GT(caja.height(), 150);
    EXPECT_LT(lienzo_.MedirTexto("HH", 12, true).width(), caja.width());
    EXPECT_GT(lienzo_.MedirTexto("HHHH", 24, true).height(), caja.height());
    int negros = 0, fuera = 0;
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 100; ++y) {
            const bool oscuro = P(x, y).lightness() < 100;
            const bool dentro =
                x >= 20 && y >= 20 && x < 20 + caja.width() / 15 + 1 && y < 20 + caja.height() / 15 + 1;
            negros += oscuro && dentro;
            fuera += oscuro && !dentro;
        }
    EXPECT_GT(negros, 20);
    EXPECT_EQ(fuera, 0);
}

TEST_F(LienzoTest, ImagenEstiradaYPromediada) {
    QImage cuatro(2, 2, QImage::Format_RGB32);
    cuatro.setPixelColor(0, 0, Qt::red);
    cuatro.setPixelColor(1, 0, Qt::green);
    cuatro.setPixelColor(0, 1, Qt::blue);
    cuatro.setPixelColor(1, 1, Qt::black);
    lienzo_.DibujarEstirado(150, 150, 600, 600, cuatro);
    EXPECT_EQ(P(12, 12), QColor(Qt::red));
    EXPECT_EQ(P(47, 47), QColor(Qt::black));
    EXPECT_EQ(P(10, 49), QColor(Qt::blue));
    EXPECT_EQ(P(9, 9), kFondo);
    EXPECT_EQ(P(50, 50), kFondo);

    // A fine checkerboard reduced tenfold averages to grey.
    QImage tablero(100, 100, QImage::Format_RGB32);
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 100; ++y)
            tablero.setPixelColor(x, y, (x + y) % 2 ? Qt::white : Qt::black);
    lienzo_.DibujarEstirado(1500, 0, 150, 150, tablero);
    for (int x = 100; x < 110; x += 3)
        EXPECT_NEAR(P(x, 5).red(), 128, 10);
    lienzo_.DibujarEstirado(0, 0, 100, 100, QImage());
}

TEST_F(LienzoTest, PersisteTapadoYAlCrecer) {
    QWidget ventana;
    ventana.resize(300, 200);
    lienzo_.setParent(&ventana);
    lienzo_.move(0, 0);
    lienzo_.show();
    ventana.show();
    lienzo_.Rectangulo(0, 0, 1500, 750, kTinta, true);
    QWidget tapa(&ventana);
    tapa.setAutoFillBackground(true);
    tapa.setGeometry(0, 0, 300, 200);
    tapa.show();
    tapa.hide();
    const QImage visto = lienzo_.grab().toImage();
    EXPECT_EQ(visto.pixelColor(50, 25), kTinta);
    EXPECT_EQ(visto.pixelColor(150, 75), kFondo);

    QSignalSpy redimensionado(&lienzo_, &Lienzo::Redimensionado);
    lienzo_.Limpiar(QColor(32, 32, 32));
    lienzo_.Rectangulo(0, 0, 1500, 750, kTinta, true);
    lienzo_.resize(250, 150);
    EXPECT_EQ(redimensionado.count(), 1);
    EXPECT_EQ(lienzo_.Buffer().size(), QSize(250, 150));
    EXPECT_EQ(P(100, 50), kTinta);
    EXPECT_EQ(P(240, 140), QColor(32, 32, 32));
    lienzo_.resize(250, 0);
    lienzo_.Linea(0, 0, 300, 300, kTinta);
    lienzo_.Texto(0, 0, "x", kTinta, 8);
    EXPECT_FALSE(lienzo_.PixelEn(0, 0).isValid());
    lienzo_.setParent(nullptr);
}

TEST_F(LienzoTest, RatonEnTwips) {
    lienzo_.show();
    QSignalSpy pulsado(&lienzo_, &Lienzo::Pulsado);
    QSignalSpy movido(&lienzo_, &Lienzo::Movido);
    QSignalSpy doble(&lienzo_, &Lienzo::DobleClic);
    QTest::mousePress(&lienzo_, Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mouseRelease(&lienzo_, Qt::LeftButton, {}, QPoint(10, 20));
    ASSERT_EQ(pulsado.count(), 1);
    EXPECT_EQ(pulsado[0][0].toDouble(), 150);
    EXPECT_EQ(pulsado[0][1].toDouble(), 300);
    QMouseEvent mover(QEvent::MouseMove, QPointF(4, 6), lienzo_.mapToGlobal(QPointF(4, 6)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&lienzo_, &mover);
    ASSERT_EQ(movido.count(), 1);
    EXPECT_EQ(movido[0][0].toDouble(), 60);
    EXPECT_EQ(movido[0][1].toDouble(), 90);
    QTest::mouseDClick(&lienzo_, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(doble.count(), 1);
}

TEST_F(LienzoTest, TextoGrandeSobreElBordeSuperiorQuedaALaVista) {
    // A large result printed with its cell starting above the area, as the time calculator does:
    // whatever face stands in for the designed one, the digits land inside the area.
    lienzo_.resize(344, 46);
    lienzo_.Limpiar(kFondo);
    lienzo_.Texto(300, -210, "10:00", kTinta, 36, true);
    int arriba = 100, abajo = -1;
    for (int y = 0; y < 46; ++y)
        for (int x = 0; x < 344; ++x)
            if (P(x, y).red() > 150 && P(x, y).green() < 150) {
                arriba = std::min(arriba, y);
                abajo = std::max(abajo, y);
            }
    EXPECT_GT(arriba, 0);
    EXPECT_LT(abajo, 45);
    EXPECT_GT(abajo - arriba, 25);
}

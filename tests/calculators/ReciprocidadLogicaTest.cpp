#include "calculators/Reciprocidad.h"
#include "calculators/GraficaReciprocidad.h"

#include <gtest/gtest.h>

TEST(Reciprocidad, TablaDeTreintaYTresPeliculas) {
    const auto& t = TablaPeliculas();
    ASSERT_EQ(t.size(), 33u);
    EXPECT_EQ(TextoListaRecip(t[0]), "Fomapan 100 Classic (p=1.62)");
    EXPECT_EQ(TextoListaRecip(t[4]), "Fuji Neopan Acros 100 (1a gen) (p=1.02)");
    EXPECT_EQ(TextoListaRecip(t[6]), "Fuji Provia 100F (p=1.20)");
    EXPECT_EQ(TextoListaRecip(t[31]), "Kodak Tri-X 400 (p=1.54)");
    EXPECT_EQ(TextoListaRecip(t[32]), "Rollei Retro 80S (p=1.30)");
    EXPECT_EQ(TextoLeyendaRecip(t[31]), "Kodak Tri-X 400  p=1.54");
    EXPECT_EQ(TextoLecturaRecip(t[31]), "Kodak Tri-X 400  (p=1.54)");
    for (std::size_t i = 1; i < t.size(); ++i)
        EXPECT_LT(QString::fromUtf16(t[i - 1].nombre), QString::fromUtf16(t[i].nombre)) << i;
}

TEST(Reciprocidad, TiempoCorregido) {
    EXPECT_NEAR(TiempoCorregido(60, 1.54), 547, 0.5);
    EXPECT_NEAR(TiempoCorregido(60, 1.25), 167, 0.5);
    EXPECT_NEAR(TiempoCorregido(60, 1.02), 65, 0.5);
    EXPECT_NEAR(TiempoCorregido(120, 1.54), 1592, 0.5);
    EXPECT_NEAR(TiempoCorregido(0.5, 1.62), 0.325, 5e-4);
    for (const auto& pelicula : TablaPeliculas())
        EXPECT_DOUBLE_EQ(TiempoCorregido(1, pelicula.p), 1);
}

TEST(GraficaReciprocidad, RejillaTriXDeUnoACientoVeinte) {
    const double tcMax = TcMaximoMuestreado({1.54}, 1, 120) * 1.05;
    EXPECT_NEAR(tcMax, 1672, 1);
    EXPECT_EQ(PasoRejilla(tcMax / 6), 200);
    EXPECT_EQ(PasoRejilla(119.0 / 6), 20);
    const auto tm = ValoresRejillaTm(1, 120, 20);
    EXPECT_EQ(tm, (QList<double>{20, 40, 60, 80, 100, 120}));
    EXPECT_EQ(ValoresRejillaTc(tcMax, 200).size(), 9);
    EXPECT_EQ(ValoresRejillaTm(20, 60, 10).first(), 20);
    EXPECT_EQ(PasoRejilla(0.4), 0.5);
    EXPECT_EQ(PasoRejilla(8), 10);
}

TEST(GraficaReciprocidad, RangoCorregido) {
    auto r = CorregirRango(u"2,5", u"abc");
    EXPECT_EQ(r.tmin, 2);
    EXPECT_EQ(r.textoMax, "120");
    EXPECT_TRUE(r.valido);
    EXPECT_FALSE(CorregirRango(u"1", u"1e999").valido);
}

TEST(GraficaReciprocidad, RejillaAcotadaConValoresEnormes) {
    // 1e17 + 5 is 1e17 again: the loop must still end.
    EXPECT_LE(ValoresRejillaTm(1e17, 1e17 + 64, 5).size(), 1000);
}

TEST(GraficaReciprocidad, LeyendaEnColumnasDeCuatro) {
    GraficaRecip g;
    g.FijarMarco(6705, 6615);
    EXPECT_EQ(g.gx0, 670); // 670.5, ties to even
    EXPECT_EQ(g.gx1, 6504);
    EXPECT_EQ(g.gy0, 331);
    EXPECT_EQ(g.gy1, 5424);
    const int ancho = (6504 - 670) / 2;
    EXPECT_EQ(g.Leyenda(5, 0), QPoint(670, 5664));
    EXPECT_EQ(g.Leyenda(5, 3), QPoint(670, 5664 + 600));
    EXPECT_EQ(g.Leyenda(5, 4), QPoint(670 + ancho, 5664));
    EXPECT_EQ(g.Leyenda(1, 0), QPoint(670, 5664));
    // Beyond sixteen films the columns go on to the right at a quarter of the width.
    EXPECT_EQ(g.Leyenda(17, 16).x(), 670 + 4 * ((6504 - 670) / 4));
}

TEST(GraficaReciprocidad, LecturaNombraLaUltimaCercana) {
    GraficaRecip g;
    EXPECT_FALSE(g.LecturaPosible());
    g.FijarMarco(6705, 6615);
    g.tmMinGraf = 1;
    g.tmMaxGraf = 120;
    g.tcMaxGraf = TcMaximoMuestreado({1.25, 1.26}, 1, 120) * 1.05;
    ASSERT_TRUE(g.LecturaPosible());
    EXPECT_EQ(g.ToleranciaLectura(), 153);
    const int x = g.X(60);
    const int y = g.Y(TiempoCorregido(60, 1.25));
    auto l = g.Lectura(x, y, {1.25, 1.26}, {10, 20}, 6705);
    EXPECT_EQ(l.k, 1);
    EXPECT_EQ(l.ancho, 20 * 90 + 300);
    EXPECT_EQ(l.izquierda, x + 120);
    EXPECT_EQ(l.arriba, y - 300);
    EXPECT_EQ(g.Lectura(x, y, {1.25, 1.62}, {10, 20}, 6705).k, 0);
    EXPECT_EQ(g.Lectura(x, g.gy0 - 1, {1.25}, {10}, 6705).k, -1);
    // Near the right edge the label goes left of the pointer; near the top of a low panel, below it.
    g.FijarMarco(6705, 3000);
    const int arriba = g.Y(TiempoCorregido(120, 1.26));
    ASSERT_LT(arriba - 300, 10);
    l = g.Lectura(g.gx1, arriba, {1.25, 1.26}, {10, 20}, 6705);
    EXPECT_EQ(l.k, 1);
    EXPECT_EQ(l.izquierda, g.gx1 - l.ancho - 60);
    EXPECT_EQ(l.arriba, arriba + 120);
}

#include "calculators/GraficaReciprocidad.h"
#include "calculators/Reciprocidad.h"
#include "shell/Numeros.h"

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
    // Below a second the exposure is never shortened.
    EXPECT_EQ(TiempoCorregido(0.5, 1.62), 0.5);
    EXPECT_EQ(TiempoCorregido(0.999, 1.54), 0.999);
    EXPECT_NEAR(TiempoCorregido(1.5, 1.62), 1.929, 1e-3);
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

TEST(GraficaReciprocidad, RotulosConLosDecimalesDelPaso) {
    const double paso = PasoRejilla((2 - 0.5) / 6);
    QStringList rotulos;
    for (double v : ValoresRejillaTm(0.5, 2, paso))
        rotulos.append(TextoRejilla(v, paso));
    ASSERT_GE(rotulos.size(), 6);
    EXPECT_EQ(rotulos.removeDuplicates(), 0) << rotulos.join(u' ').toStdString();
    EXPECT_EQ(TextoRejilla(40, 20), "40");
    EXPECT_EQ(TextoRejilla(0.05, 0.05), FormatoNumero(0.05, u"0.00"));
}

TEST(GraficaReciprocidad, RangoCorregido) {
    auto r = CorregirRango(u"2,5", u"abc");
    EXPECT_EQ(r.tmin, 2.5);
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
    // Texts 60 twips a character and 200 high at 8 points, in proportion below.
    const MedidaTexto medir = [](const QString& t, double puntos) {
        return QSizeF(t.size() * 7.5 * puntos, 25 * puntos);
    };
    const QStringList cinco(5, QStringLiteral("Kodak Tri-X 400  p=1.54"));
    LeyendaRecip l = g.DisponerLeyenda(cinco, 6705, 6615, medir);
    EXPECT_EQ(l.puntos, 8);
    EXPECT_EQ(l.filas, 4);
    EXPECT_EQ(l.Lugar(3).y(), l.Lugar(0).y() + 600);
    EXPECT_EQ(l.Lugar(4), QPoint(l.Lugar(0).x() + l.anchoColumna, l.Lugar(0).y()));
    EXPECT_GT(l.Lugar(0).y(), g.gy1 + 30 + 200);
    EXPECT_EQ(g.gy1, 5424);
    // Thirty-three long names: the plot gives up height so that all fit inside the panel.
    const QStringList todas(33, QStringLiteral("Fuji Neopan Acros 100 (1a gen)  p=1.02"));
    l = g.DisponerLeyenda(todas, 6705, 6615, medir);
    EXPECT_LT(g.gy1, 5424);
    EXPECT_LE(l.Lugar(32).y() + l.altoFila, 6615);
    EXPECT_LE(l.Lugar(32).x() + 340 + medir(todas[0], l.puntos).width(), 6705);
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
    // Below a second the curve is the line without failure.
    GraficaRecip corta;
    corta.FijarMarco(6705, 6615);
    corta.tmMinGraf = 0.5;
    corta.tmMaxGraf = 2;
    corta.tcMaxGraf = TcMaximoMuestreado({1.62}, 0.5, 2) * 1.05;
    EXPECT_EQ(corta.Lectura(corta.X(0.7), corta.Y(0.7), {1.62}, {10}, 6705).k, 0);
    // Near the right edge the label goes left of the pointer; near the top of a low panel, below it.
    g.FijarMarco(6705, 3000);
    const int arriba = g.Y(TiempoCorregido(120, 1.26));
    ASSERT_LT(arriba - 300, 10);
    l = g.Lectura(g.gx1, arriba, {1.25, 1.26}, {10, 20}, 6705);
    EXPECT_EQ(l.k, 1);
    EXPECT_EQ(l.izquierda, g.gx1 - l.ancho - 60);
    EXPECT_EQ(l.arriba, arriba + 120);
}

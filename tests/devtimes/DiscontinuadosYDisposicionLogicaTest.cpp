#include "devtimes/ConsultasDiscontinuados.h"
#include "devtimes/Disposicion.h"
#include "shell/Tema.h"

#include "FixtureTiempos.h"

#include <gtest/gtest.h>

namespace {

class DiscontinuadosTest : public ::testing::Test {
protected:
    void SetUp() override {
        using fixture::Discontinuado;
        Discontinuado("PeliculasDisc", "Agfapan 25", "Rodinal", "100", "Ambos discontinuados");
        Discontinuado("PeliculasDisc", "Agfapan 25", "Rodinal", "25", "Ambos discontinuados", "18");
        Discontinuado("PeliculasDisc", "Agfapan 25", "Rodinal", "400", "Ambos discontinuados", "20", " 6 ");
        Discontinuado("PeliculasDisc", "Agfapan 25", "Atomal", "25", "Película discontinuada");
        Discontinuado("PeliculasDisc", "Panatomic-X", "D-76", "32", "Película discontinuada");
        Discontinuado("PeliculasDisc", "O'Neil 100", "D-76", "100", "Película discontinuada");
        Discontinuado("ReveladoresDisc", "Tri-X", "Microphen", "400", "Revelador discontinuado");
    }
    CarpetaPruebas carpeta_;
};

} // namespace

TEST(TextosDiscontinuados, SeConstruyenConCorchetesYComillasDobladas) {
    EXPECT_EQ(ConsultaTiemposDisc(false, "O'Neil", "20"),
              "SELECT Pelicula, Dilucion, ISO, [35mm], [120], Hoja, Temperatura, Estado FROM ReveladoresDisc "
              "WHERE Revelador = 'O''Neil' AND Temperatura = '20' ORDER BY Pelicula, ISO");
}

TEST_F(DiscontinuadosTest, NombresUnaVezTemperaturasYTiemposSinRecortar) {
    EXPECT_EQ(LeerListaDisc(true, ""), (QStringList{"Agfapan 25", "O'Neil 100", "Panatomic-X"}));
    EXPECT_EQ(LeerListaDisc(true, "o'n"), QStringList{"O'Neil 100"});
    EXPECT_TRUE(LeerListaDisc(true, "[").isEmpty());
    EXPECT_EQ(LeerListaDisc(false, ""), QStringList{"Microphen"});
    EXPECT_EQ(LeerTemperaturasDisc(true, "Agfapan 25"), (QStringList{"18", "20"}));
    EXPECT_TRUE(LeerTemperaturasDisc(true, "").isEmpty());

    const auto filas = LeerTiemposDisc(true, "Agfapan 25", "");
    ASSERT_EQ(filas.size(), 4u);
    EXPECT_EQ(filas[0], (QStringList{"Atomal", "1+9", "25", "7", "", "10", "20",
                                     QStringLiteral("Película discontinuada")}));
    // ISO in text order; blanks around a time stay.
    EXPECT_EQ(filas[1][2], "100");
    EXPECT_EQ(filas[2][2], "25");
    EXPECT_EQ(filas[3][2], "400");
    EXPECT_EQ(filas[3][3], " 6 ");
    EXPECT_EQ(LeerTiemposDisc(true, "Agfapan 25", "18").size(), 1u);
    EXPECT_EQ(LeerTiemposDisc(true, "O'Neil 100", "").size(), 1u);
    EXPECT_EQ(LeerTiemposDisc(false, "Microphen", "")[0][0], "Tri-X");
}

TEST(ColoresDeEstado, ParesEImparesPorTextoExacto) {
    EXPECT_EQ(ColorEstado("Ambos discontinuados", 2), QColor(245, 208, 208));
    EXPECT_EQ(ColorEstado("Ambos discontinuados", 1), QColor(255, 232, 232));
    EXPECT_EQ(ColorEstado(QStringLiteral("Película discontinuada"), 4), QColor(192, 216, 245));
    EXPECT_EQ(ColorEstado(QStringLiteral("Película discontinuada"), 3), QColor(208, 232, 255));
    EXPECT_EQ(ColorEstado("Revelador discontinuado", 2), QColor(192, 240, 192));
    EXPECT_EQ(ColorEstado("Revelador discontinuado", 5), QColor(208, 255, 208));
    EXPECT_EQ(ColorEstado("ambos discontinuados", 2), ColorBlanco);
    EXPECT_EQ(ColorEstado("Ambos discontinuados ", 1), ColorFilaAlterna);
    EXPECT_EQ(ColorEstado("", 1), ColorFilaAlterna);
}

TEST(Disposicion, TablaDeLaVentanaDeTiempos) {
    const auto d = DisponerTiempos(15000, 9000, 660);
    EXPECT_EQ(d.grdTiempos, QRect(3240, 660, 15000 - 3360, 9000 - 660 - 60 - 3120));
    const int GH = d.grdTiempos.height();
    EXPECT_EQ(d.lblModo, QRect(120, 810, 3000, 330));
    EXPECT_EQ(d.lstItems, QRect(120, 1140, 3000, GH - 480));
    EXPECT_EQ(d.picImagen, QRect(120, 660 + GH + 120, 3000, 3000));
    EXPECT_EQ(d.picNotas, QRect(3240, 660 + GH + 120, 11640, 2655));
    EXPECT_EQ(d.chkInfoTecnica, QRect(3240, 660 + GH + 2805, 11640, 315));
    EXPECT_EQ(d.anchoNotas, 11640 - 1080);
    EXPECT_EQ(d.anchoNotaPersonal, 11640 - 1920);
    // Too small: every minimum applies.
    const auto m = DisponerTiempos(100, 100, 660);
    EXPECT_EQ(m.grdTiempos.size(), QSize(600, 600));
    EXPECT_EQ(DisponerBotonNota(QRect(960, 1320, 5000, 1275)), QRect(6080, 1320, 720, 680));
    EXPECT_EQ(DisponerBotonNota(QRect(960, 10, 5000, 300)).height(), 270);
}

TEST(Disposicion, TablaDeLaVentanaDeDiscontinuados) {
    const auto d = DisponerDiscont(15000, 9000, 660);
    const int A = 9000 - 660 - 60, L = A - 3120;
    EXPECT_EQ(d.grdTiempos, QRect(3240, 660, 15000 - 3360, A));
    EXPECT_EQ(d.lstItems, QRect(120, 1140, 3000, L - 480));
    EXPECT_EQ(d.picImagen, QRect(120, 660 + L + 120, 3000, 3000));
    const auto m = DisponerDiscont(100, 3000, 660);
    EXPECT_EQ(m.grdTiempos.size(), QSize(600, 2280));
    EXPECT_EQ(m.lstItems.height(), 600 - 480);
}

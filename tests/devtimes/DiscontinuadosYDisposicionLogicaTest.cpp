#include "devtimes/ConsultasDiscontinuados.h"
#include "devtimes/Disposicion.h"
#include "shell/Tema.h"

#include "FixtureTiempos.h"

#include <QSet>
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

TEST(ColoresDeEstado, CadaEstadoSuColorParEImparYTextoExacto) {
    const QStringList estados{"Ambos discontinuados", QStringLiteral("Película discontinuada"),
                              "Revelador discontinuado"};
    QSet<QRgb> vistos;
    for (const QString& e : estados) {
        EXPECT_NE(ColorEstado(e, 2), ColorEstado(e, 1)) << e.toStdString();
        EXPECT_EQ(ColorEstado(e, 2), ColorEstado(e, 4));
        vistos << ColorEstado(e, 2).rgb() << ColorEstado(e, 1).rgb();
    }
    EXPECT_EQ(vistos.size(), 6);
    // Any other text, even one differing only in case or blanks, keeps the plain rows.
    EXPECT_EQ(ColorEstado("ambos discontinuados", 2), Tema::ColorBlanco);
    EXPECT_EQ(ColorEstado("Ambos discontinuados ", 1), Tema::ColorFilaAlterna);
    EXPECT_EQ(ColorEstado("", 1), Tema::ColorFilaAlterna);
}

// Edges that must meet, whatever the window size: the grid from the top bar to the notes band,
// the list beside it, the picture and notes under both, the check box on the bottom margin.
TEST(Disposicion, VentanaDeTiemposSeAjustaAlTamano) {
    for (const QSize tam : {QSize(15000, 9000), QSize(20000, 12345)}) {
        const int W = tam.width(), H = tam.height(), T = 660;
        const auto d = DisponerTiempos(W, H, T);
        EXPECT_EQ(d.grdTiempos.top(), T);
        EXPECT_EQ(d.grdTiempos.left(), d.lstItems.left() + d.lstItems.width() + 120);
        EXPECT_EQ(d.grdTiempos.left() + d.grdTiempos.width(), W - 120);
        EXPECT_EQ(d.lstItems.top() + d.lstItems.height(), T + d.grdTiempos.height());
        EXPECT_EQ(d.lstItems.top(), d.lblModo.top() + d.lblModo.height());
        EXPECT_EQ(d.picImagen.top(), T + d.grdTiempos.height() + 120);
        EXPECT_EQ(d.picNotas.top(), d.picImagen.top());
        EXPECT_EQ(d.picNotas.width(), d.grdTiempos.width());
        EXPECT_EQ(d.chkInfoTecnica.top(), d.picNotas.top() + d.picNotas.height() + 30);
        EXPECT_EQ(d.chkInfoTecnica.top() + d.chkInfoTecnica.height(), H - 60);
        EXPECT_LT(d.anchoNotaPersonal, d.anchoNotas);
    }
    // Too small: every minimum applies.
    const auto m = DisponerTiempos(100, 100, 660);
    EXPECT_EQ(m.grdTiempos.size(), QSize(600, 600));
    // The save button stands right of the note box, at least 270 twips high.
    const QRect boton = DisponerBotonNota(QRect(960, 1320, 5000, 1275));
    EXPECT_GT(boton.left(), 5000);
    EXPECT_EQ(boton.top(), 1320);
    EXPECT_EQ(DisponerBotonNota(QRect(960, 10, 5000, 300)).height(), 270);
}

TEST(Disposicion, VentanaDeDiscontinuadosSeAjustaAlTamano) {
    const int W = 15000, H = 9000, T = 660;
    const auto d = DisponerDiscont(W, H, T);
    EXPECT_EQ(d.grdTiempos.top(), T);
    EXPECT_EQ(d.grdTiempos.top() + d.grdTiempos.height(), H - 60);
    EXPECT_EQ(d.grdTiempos.left() + d.grdTiempos.width(), W - 120);
    EXPECT_EQ(d.picImagen.top() + d.picImagen.height(), H - 60);
    EXPECT_EQ(d.lstItems.top() + d.lstItems.height() + 120, d.picImagen.top());
    const auto m = DisponerDiscont(100, 3000, 660);
    EXPECT_EQ(m.grdTiempos.width(), 600);
    EXPECT_EQ(m.lstItems.height(), 600 - 480);
}

#include "devtimes/ConsultasTiempos.h"
#include "devtimes/EstimacionTiempos.h"

#include <gtest/gtest.h>

namespace {

const std::vector<PuntoEscala> kTriX = {{400, 450}, {800, 585}, {1600, 720}};

struct CasoEi {
    const char* nombre;
    std::vector<PuntoEscala> escala;
    double ei;
    std::optional<double> segundos; // nothing: no estimation
    const char16_t* texto;          // the start of what the text says
};

// Rows of a film's grid: developer, dilution, ISO, 35 mm, 120, sheet, temperature, codes.
QStringList Fila(const QString& iso, const QString& t35, const QString& t120 = "", const QString& temp = "20",
                 const QString& notas = "[KO-F4017] [AGI-KO]", const QString& dil = "stock") {
    return {"Kodak D-76", dil, iso, t35, t120, "", temp, notas};
}

} // namespace

TEST(EstimacionTiempos, MetodoPorEi) {
    const std::vector<CasoEi> casos = {
        // Half way in stops is the geometric mean of the times: sqrt(450 * 585) = 513.1.
        {"interior", kTriX, 565.685, 513.08,
         u"Estimado entre ISO 400 (7:30) e ISO 800 (9:45) de la hoja [X], "
         u"interpolación en escala logarítmica"},
        {"desordenada",
         {{1600, 720}, {400, 450}, {800, 585}},
         1131.37,
         std::sqrt(585.0 * 720),
         u"Estimado entre ISO 800"},
        {"un paso arriba", kTriX, 3200, 720 * 720 / 585.0,
         u"Extrapolado 1 paso más allá de ISO 1600 (12:00)"},
        {"dos tercios arriba", kTriX, 1600 * std::pow(2, 2.0 / 3), 720 * std::pow(720 / 585.0, 2.0 / 3),
         u"Extrapolado 2/3 de paso más allá de ISO 1600 (12:00) de la hoja [X], siguiendo el tramo desde ISO "
         u"800"},
        {"más de un paso", kTriX, 3300, std::nullopt, u"Sin estimación: ISO 3300 está a 1,0 pasos"},
        {"por debajo", kTriX, 320, std::nullopt, u"Sin estimación: ISO 320 está por debajo del menor ISO"},
        {"un solo ISO", {{400, 450}}, 800, std::nullopt, u"Sin estimación: la hoja [X] da un solo ISO"},
        {"vacía", {}, 800, std::nullopt, u"Sin estimación: la hoja [X] da un solo ISO"},
        {"meseta",
         {{100, 375}, {200, 375}, {400, 600}},
         300,
         std::nullopt,
         u"Sin estimación: la hoja [X] da el mismo tiempo a ISO 100 y a ISO 200"},
        // The knee is anywhere on the ladder: no segment of it is offered.
        {"meseta lejos",
         {{100, 375}, {200, 375}, {400, 600}, {800, 705}},
         640,
         std::nullopt,
         u"Sin estimación"},
        {"ya listado", kTriX, 800, std::nullopt, u"ISO 800 ya figura en la hoja [X]: 9:45"},
        {"dos tiempos a un ISO",
         {{400, 450}, {400, 500}, {800, 585}},
         640,
         std::nullopt,
         u"Sin estimación: la hoja [X] da dos tiempos a ISO 400"},
        {"ISO cero", kTriX, 0, std::nullopt, u"Sin estimación: ISO 0 no es"},
        {"tiempo cero descartado",
         {{400, 0}, {800, 585}, {1600, 720}},
         640,
         std::nullopt,
         u"Sin estimación: ISO 640 está por debajo"},
    };
    for (const CasoEi& c : casos) {
        SCOPED_TRACE(c.nombre);
        const Estimacion e = EstimarPorEi(c.escala, c.ei, "X");
        ASSERT_EQ(e.segundos.has_value(), c.segundos.has_value()) << e.texto.toStdString();
        if (c.segundos) {
            EXPECT_NEAR(*e.segundos, *c.segundos, 0.01);
        }
        EXPECT_TRUE(e.texto.startsWith(QString::fromUtf16(c.texto))) << e.texto.toStdString();
    }
}

TEST(EstimacionTiempos, TextosDeTiemposEIsYHojas) {
    EXPECT_EQ(EisDeTexto("400"), std::vector<double>{400});
    EXPECT_EQ(EisDeTexto(" 100/200 "), (std::vector<double>{100, 200}));
    EXPECT_TRUE(EisDeTexto("400 ?").empty());
    EXPECT_TRUE(EisDeTexto("").empty());
    EXPECT_EQ(SegundosDeTiempo("7:30"), 450);
    EXPECT_EQ(SegundosDeTiempo(" 12:05 "), 725);
    EXPECT_FALSE(SegundosDeTiempo("6:00-7:00"));
    EXPECT_FALSE(SegundosDeTiempo("7:75"));
    EXPECT_FALSE(SegundosDeTiempo("≈7:30"));
    EXPECT_EQ(TextoTiempo(450.4), "7:30");
    EXPECT_EQ(TextoTiempo(0.2), "0:01");
    EXPECT_EQ(SinMarcaEstimado("≈7:30"), "7:30");
    EXPECT_EQ(SinMarcaEstimado("7:30"), "7:30");
    EXPECT_EQ(HojaDeFila(Fila("400", "7:30")), "KO-F4017");
    EXPECT_EQ(HojaDeFila(Fila("400", "7:30", "", "20", "agitar")), "");
    EXPECT_EQ(NumeroTecleado(" 640 ", 1, 100000), 640);
    EXPECT_EQ(NumeroTecleado("22,5", 10, 30), 22.5);
    EXPECT_FALSE(NumeroTecleado("ISO 640", 1, 100000));
    EXPECT_FALSE(NumeroTecleado("0", 1, 100000));
    EXPECT_FALSE(NumeroTecleado("", 1, 100000));
    EXPECT_EQ(FamiliaRevelador("Kodak HC-110"), 1);
    EXPECT_EQ(FamiliaRevelador("Rodinal"), 1);
    EXPECT_EQ(FamiliaRevelador("Ilford Perceptol"), 2);
    EXPECT_EQ(FamiliaRevelador("Kodak D-76"), 0);
}

// The ladder never mixes sheets, dilutions, temperatures or developers; an EI pair gives two points.
TEST(EstimacionTiempos, EscalaDeUnaSolaHoja) {
    const std::vector<QStringList> filas = {
        Fila("400", "7:30"),
        Fila("800", "9:45"),
        Fila("1600", "12:00", "", "20", "[KO-F4017-FZ]"),
        Fila("3200", "14:00", "", "20", "[KO-F4017]", "1+1"),
        Fila("3200", "15:00", "", "24"),
        Fila("100/200", "6:00"),
        Fila("6400", "6:00-7:00"),
        {"Kodak HC-110", "stock", "1600", "9:00", "", "", "20", "[KO-F4017]"},
    };
    const auto escala = EscalaDeFila(filas, 0, 3);
    ASSERT_EQ(escala.size(), 4u);
    EXPECT_EQ(escala[0].ei, 400);
    EXPECT_EQ(escala[1].ei, 800);
    EXPECT_EQ(escala[2].ei, 100);
    EXPECT_EQ(escala[3].ei, 200);
    EXPECT_TRUE(EscalaDeFila(filas, 0, 4).empty());
    EXPECT_TRUE(EscalaDeFila(filas, 99, 3).empty());
}

TEST(EstimacionTiempos, FilaEstimadaPorEi) {
    const std::vector<QStringList> filas = {Fila("400", "7:30", "7:30"), Fila("800", "9:45", "6:00-7:00"),
                                            Fila("1600", "12:00", "12:00")};
    QString motivo;
    const auto r = EstimarFilaEi(filas, 0, 640, &motivo);
    ASSERT_TRUE(r) << motivo.toStdString();
    // 450 * (585/450)^log2(1.6) = 537.6 s; the 120 column has a range at 800, so its ladder skips it.
    EXPECT_EQ(r->textos,
              (QStringList{"Kodak D-76", "stock", "640", "≈8:58", "≈8:48", "", "20", "Estimado [KO-F4017]"}));
    EXPECT_TRUE(
        r->metodo.startsWith(u"Estimado entre ISO 400 (7:30) e ISO 800 (9:45) de la hoja [KO-F4017]"));
    EXPECT_TRUE(r->metodo.contains(u"Estimado entre ISO 400 (7:30) e ISO 1600 (12:00)"));

    // The 35 mm column answers; the 120 one holds a maker's range, which is said.
    const auto rango = EstimarFilaEi(filas, 1, 1000, &motivo);
    ASSERT_TRUE(rango);
    EXPECT_TRUE(rango->metodo.contains(u"120: Sin estimación: la hoja da un intervalo («6:00-7:00»)"))
        << rango->metodo.toStdString();
    EXPECT_FALSE(EstimarFilaEi(filas, 0, 200, &motivo));
    EXPECT_TRUE(motivo.startsWith(u"Sin estimación: ISO 200 está por debajo")) << motivo.toStdString();
    const std::vector<QStringList> propias = {Fila("400", "7:30", "", "20", "mi nota")};
    EXPECT_FALSE(EstimarFilaEi(propias, 0, 640, &motivo));
    EXPECT_EQ(motivo, "Sin estimación: la fila no sale de una hoja del fabricante.");
}

TEST(EstimacionTiempos, FilaEstimadaPorTemperatura) {
    const std::vector<QStringList> filas = {
        Fila("400", "9:00", "", "18"),
        Fila("400", "8:00", "", "20"),
        Fila("400", "7:00", "", "22"),
        Fila("400", "6:00", "", "24"),
        Fila("800", "1:00", "", "23"),
        Fila("400", "1:00", "", "23", "[OTRA]"),
        Fila("400", "5:00-6:00", "", "27", "[KO-F4017]", "1+1"),
    };
    QString motivo;
    // 23 °C lies between 22 and 24: the lower one is the base. Q10 2.0 over 1 °C: 420 / 2^0.1 = 391.9.
    const auto r = EstimarFilaTemperatura(filas, 1, 23, "Kodak D-76", &motivo);
    ASSERT_TRUE(r) << motivo.toStdString();
    EXPECT_EQ(r->textos,
              (QStringList{"Kodak D-76", "stock", "400", "≈6:32", "", "", "23", "Estimado [KO-F4017]"}));
    EXPECT_TRUE(r->metodo.startsWith(u"Compensado de 22 °C de la hoja [KO-F4017] a 23 °C con Q10 2,0"))
        << r->metodo.toStdString();
    EXPECT_TRUE(r->metodo.contains(u"factor ×0,933 sobre 7:00.")) << r->metodo.toStdString();

    // HC-110 is the Q10 2.2 family.
    const auto hc = EstimarFilaTemperatura(filas, 1, 21, "Kodak HC-110", &motivo);
    ASSERT_TRUE(hc);
    EXPECT_TRUE(hc->metodo.contains(u"Q10 2,2")) << hc->metodo.toStdString();

    EXPECT_FALSE(EstimarFilaTemperatura(filas, 1, 26.5, "Kodak D-76", &motivo));
    EXPECT_TRUE(motivo.contains(u"a más de 2 grados")) << motivo.toStdString();
    EXPECT_FALSE(EstimarFilaTemperatura(filas, 1, 31, "Kodak D-76", &motivo));
    EXPECT_TRUE(motivo.contains(u"de 10 a 30 °C")) << motivo.toStdString();
    EXPECT_FALSE(EstimarFilaTemperatura(filas, 1, 20, "Kodak D-76", &motivo));
    EXPECT_EQ(motivo, "20 °C ya figura en la hoja [KO-F4017].");

    // A maker's range is compensated at both ends: 26 °C from 27 °C raises both by 2^0.1.
    const auto rango = EstimarFilaTemperatura(filas, 6, 26, "Kodak D-76", &motivo);
    ASSERT_TRUE(rango) << motivo.toStdString();
    EXPECT_EQ(rango->textos[3], "≈5:22-6:26");
}

TEST(EstimacionTiempos, PosicionDeLaFilaEstimada) {
    const std::vector<QStringList> filas = {
        {"Ilford ID-11", "stock", "200"}, {"Ilford ID-11", "stock", "400"}, {"Ilford ID-11", "1+1", "400"},
        {"Kodak D-76", "stock", "400"},   {"Kodak D-76", "stock", "1600"},
    };
    EXPECT_EQ(PosicionEstimada(filas, {"Kodak D-76", "stock", "640"}), 4u);
    EXPECT_EQ(PosicionEstimada(filas, {"kodak d-76", "stock", "3200"}), 5u);
    EXPECT_EQ(PosicionEstimada(filas, {"Ilford ID-11", "stock", "640"}), 3u);
    EXPECT_EQ(PosicionEstimada(filas, {"Kodak D-76", "stock", "100"}), 3u);
    EXPECT_EQ(PosicionEstimada(filas, {"Rodinal", "1+50", "100"}), 5u);
    EXPECT_EQ(PosicionEstimada({}, {"Rodinal", "1+50", "100"}), 0u);
}

TEST(EstimacionTiempos, ConteoConTiempos) {
    EXPECT_EQ(TextoConteoConTiempos(true, 44, 24), QStringLiteral("44 películas, 24 con tiempos"));
    EXPECT_EQ(TextoConteoConTiempos(false, 0, 0), QStringLiteral("0 reveladores, 0 con tiempos"));
}

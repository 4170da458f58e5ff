#include "filmsheet/ModeloEspectral.h"

#include "shell/Numeros.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct CasoDerivacion {
    const char* nombre;
    QString rango, pico, corteRojo, corteIr, clase;
    short claseEsperada;
    double lo, hi, picoEsperado, corteRojoEsperado, xMaximo;
};

class Derivacion : public ::testing::TestWithParam<CasoDerivacion> {};

const QString kGuion = QStringLiteral("\u2013");

} // namespace

TEST_P(Derivacion, Parametros) {
    const CasoDerivacion& c = GetParam();
    const ParametrosEspectrales p = DerivarParametros(c.rango, c.pico, c.corteRojo, c.corteIr, c.clase);
    EXPECT_EQ(p.clase, c.claseEsperada);
    EXPECT_DOUBLE_EQ(p.lo, c.lo);
    EXPECT_DOUBLE_EQ(p.hi, c.hi);
    EXPECT_DOUBLE_EQ(p.pico, c.picoEsperado);
    EXPECT_DOUBLE_EQ(p.corteRojo, c.corteRojoEsperado);
    EXPECT_DOUBLE_EQ(p.xMaximo, c.xMaximo);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Derivacion,
    ::testing::Values(
        CasoDerivacion{"vacio", "", "", "", "", "pancromática", 0, 380, 700, 540, 0, 780},
        CasoDerivacion{"orto", "380" + kGuion + "650", "", "", "", "Ortocromática", 1, 380, 650, 515, 560,
                       780},
        CasoDerivacion{"infrarrojaSinCorte", "", "", "", "", "Infrarroja", 3, 380, 820, 540, 0, 900},
        CasoDerivacion{"infrarrojaCorte900", "", "", "", "900", "Infrarroja", 3, 380, 900, 540, 0, 980},
        CasoDerivacion{"infrarrojaCorte740", "", "", "", "740", "infrarroja", 3, 380, 740, 540, 0, 950},
        CasoDerivacion{"corteIrSinTexto", "", "", "", "760", "pancromática", 3, 380, 760, 540, 0, 840},
        CasoDerivacion{"extendida680", "380" + kGuion + "680", "", "", "", "Pancro. extendida", 2, 380, 750,
                       530, 0, 830},
        CasoDerivacion{"extendida700", "380|700", "", "", "", "Extendida al rojo", 2, 380, 700, 540, 0, 850},
        CasoDerivacion{"rangoAlto", "400|720", "", "", "", "pancro", 2, 400, 720, 560, 0, 800},
        CasoDerivacion{"guionAscii", "400-680", "", "", "", "pancro", 0, 400, 680, 540, 0, 780},
        CasoDerivacion{"sinSeparador", "400 680", "", "", "", "pancro", 0, 380, 700, 540, 0, 780},
        CasoDerivacion{"picoFuera", "380|660", "1200", "", "", "pancro", 0, 380, 660, 520, 0, 780},
        CasoDerivacion{"corteRojoBajo", "", "550", "390", "", "pancro", 0, 380, 700, 550, 0, 780},
        CasoDerivacion{"decimalConComa", "380|660", "545,5", "", "", "pancro", 0, 380, 660, 545.5, 0, 780},
        CasoDerivacion{"parteNoNumerica", "abc|640", "", "", "", "pancro", 0, 380, 640, 510, 0, 780}),
    [](const ::testing::TestParamInfo<CasoDerivacion>& i) { return std::string(i.param.nombre); });

TEST(ModeloEspectral, SigmasConMinimoDe15) {
    ParametrosEspectrales p = DerivarParametros("", "", "", "", "");
    EXPECT_NEAR(p.sigmaL, 160 / 3.034, 1e-9);
    EXPECT_NEAR(p.sigmaR, 160 / 3.034, 1e-9);
    // A peak below the start of the range.
    p = DerivarParametros("450|650", "320", "", "", "");
    EXPECT_DOUBLE_EQ(p.sigmaL, 15);
    EXPECT_NEAR(p.sigmaR, 330 / 3.034, 1e-9);
}

TEST(ModeloEspectral, RespuestaCalculadaAMano) {
    const ParametrosEspectrales p = DerivarParametros("", "", "", "", "");
    EXPECT_DOUBLE_EQ(RespuestaEspectral(540, p), 1.0);
    const double sigma = 160 / 3.034;
    // Main peak plus the blue secondary bump at 430.
    const double a = std::exp(-0.5 * std::pow((430 - 540) / sigma, 2)) + 0.5;
    EXPECT_NEAR(RespuestaEspectral(430, p), a, 1e-12);
    EXPECT_NEAR(RespuestaEspectral(650, p),
                std::exp(-0.5 * std::pow(110 / sigma, 2)) + 0.5 * std::exp(-0.5 * std::pow(220 / 30.0, 2)),
                1e-12);
}

TEST(ModeloEspectral, OrtocromaticaSeApagaAntesDelCorte) {
    const ParametrosEspectrales p = DerivarParametros("380|650", "", "", "", "orto");
    EXPECT_GT(RespuestaEspectral(529, p), 0.0);
    const double sin = RespuestaEspectral(545, p.pico, p.sigmaL, p.sigmaR, p.clase, p.lambda2, p.a2, 0);
    EXPECT_NEAR(RespuestaEspectral(545, p), sin * (1 - 15.0 / 30), 1e-12);
    EXPECT_EQ(RespuestaEspectral(560, p), 0.0);
    EXPECT_EQ(RespuestaEspectral(600, p), 0.0);
}

TEST(ModeloEspectral, ClasesRojaEInfrarrojaSumanSuBanda) {
    const ParametrosEspectrales ir = DerivarParametros("", "", "", "", "infrarroja");
    EXPECT_LE(RespuestaEspectral(730, ir), 1.0);
    const double base = RespuestaEspectral(730, ir.pico, ir.sigmaL, ir.sigmaR, 0, ir.lambda2, ir.a2, 0);
    EXPECT_NEAR(RespuestaEspectral(730, ir), std::min(1.0, base + 0.55), 1e-12);
}

TEST(ModeloEspectral, ColorEnLosBordesDeBanda) {
    EXPECT_EQ(ColorLongitudOnda(380), QColor(RedondearEntero(0.3 * 255), 0, RedondearEntero(0.3 * 255)));
    EXPECT_EQ(ColorLongitudOnda(440), QColor(0, 0, 255));
    EXPECT_EQ(ColorLongitudOnda(490), QColor(0, 255, 255));
    EXPECT_EQ(ColorLongitudOnda(510), QColor(0, 255, 0));
    EXPECT_EQ(ColorLongitudOnda(580), QColor(255, 255, 0));
    EXPECT_EQ(ColorLongitudOnda(645), QColor(RedondearEntero(255 * (0.3 + 0.7 * 55 / 60.0)), 0, 0));
    EXPECT_EQ(ColorLongitudOnda(700), QColor(RedondearEntero(0.3 * 255), 0, 0));
    // 400 nm: red (440-400)/60 = 2/3 and blue 1, both dimmed by 0.3 + 0.7 * 20/40 = 0.65.
    EXPECT_EQ(ColorLongitudOnda(400),
              QColor(RedondearEntero(2.0 / 3 * 0.65 * 255), 0, RedondearEntero(0.65 * 255)));
}

TEST(ModeloEspectral, Escala) {
    const EscalaEspectral e(4277, 3896, 780);
    EXPECT_EQ(e.plotW, 4157);
    EXPECT_EQ(e.plotH, 3356);
    EXPECT_EQ(e.yBot, 3416);
    EXPECT_EQ(e.X(300), 60);
    EXPECT_EQ(e.X(780), 60 + 4157);
    EXPECT_EQ(e.Y(0), 3416);
    EXPECT_EQ(e.Y(1), 60);
    EXPECT_EQ(e.Y(0.25), 3416 - RedondearEntero(3356 * std::log10(3.25)));
}

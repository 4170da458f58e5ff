#include "calculators/CompensacionTemp.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

struct Caso {
    int formula, revelador, agitacion, decimasActual;
    const char* factor;
    const char* resultado;
};

class ValoresTrabajados : public ::testing::TestWithParam<Caso> {};

ResultadoCompensacion Calcular(int formula, int revelador, int agitacion, int base, int actual,
                               const QString& min = "10", const QString& seg = "00") {
    return CalcularCompensacion({formula, base, actual, revelador, agitacion, min, seg});
}

} // namespace

TEST_P(ValoresTrabajados, FactorYTiempo) {
    const Caso& c = GetParam();
    const auto r = Calcular(c.formula, c.revelador, c.agitacion, 200, c.decimasActual);
    EXPECT_FALSE(r.error);
    EXPECT_TRUE(r.lineaFactor.startsWith(QStringLiteral("Factor: x") + c.factor))
        << r.lineaFactor.toStdString();
    EXPECT_EQ(r.resultado, c.resultado);
}

INSTANTIATE_TEST_SUITE_P(
    BaseDiezMinutosVeinteGrados, ValoresTrabajados,
    ::testing::Values(Caso{0, 0, 1, 270, "0.500", "05:00"}, Caso{0, 3, 1, 240, "0.673", "06:44"},
                      Caso{0, 2, 0, 180, "1.311", "13:06"}, Caso{0, 4, 0, 200, "1.075", "10:45"},
                      Caso{0, 1, 1, 100, "2.692", "26:55"}, Caso{1, 0, 1, 240, "0.758", "07:35"},
                      Caso{1, 1, 1, 240, "0.730", "07:18"}, Caso{1, 3, 0, 160, "1.379", "13:47"},
                      Caso{1, 4, 2, 300, "0.487", "04:52"}, Caso{1, 0, 1, 100, "2.000", "20:00"}));

TEST(CompensacionTemp, SegundosBaseIndulgente) {
    EXPECT_EQ(SegundosBase(u"10", u"00"), 600);
    EXPECT_EQ(SegundosBase(u"61", u"0"), 3600);
    EXPECT_EQ(SegundosBase(u"60", u"75"), 3659);
    EXPECT_EQ(SegundosBase(u"-3", u"-3"), 0);
    EXPECT_EQ(SegundosBase(u"", u""), 0);
    EXPECT_EQ(SegundosBase(u"12abc", u" 5"), 725);
    EXPECT_EQ(SegundosBase(u"10.5", u"11.5"), 612); // ties to even: 10 and 12
    EXPECT_EQ(SegundosBase(u"0", u"0.5"), 0);
    EXPECT_EQ(SegundosBase(u"9999999999", u"5"), 600);
    EXPECT_EQ(SegundosBase(u"1", u"-9999999999"), 600);
    EXPECT_EQ(SegundosBase(u"2147483647", u"0"), 3600);
}

TEST(CompensacionTemp, TiempoMinimoUnSegundo) {
    EXPECT_EQ(Calcular(0, 1, 1, 200, 300, "0", "0").resultado, "00:01");
    // 1 s at factor 0.5 is 0.5 s, rounded to 0 and raised to 1.
    const auto r = Calcular(0, 1, 1, 200, 270, "0", "1");
    EXPECT_DOUBLE_EQ(r.factor, 0.5);
    EXPECT_EQ(r.segundos, 1);
    EXPECT_EQ(r.lineaBase, "= 00:01");
}

TEST(CompensacionTemp, TemperaturasIgualesYExtremos) {
    for (int rev = 0; rev < 5; ++rev)
        for (int agi = 0; agi < 3; ++agi)
            EXPECT_DOUBLE_EQ(Calcular(1, rev, agi, 215, 215).factor, 1.0);
    EXPECT_DOUBLE_EQ(Calcular(0, 0, 1, 215, 215).factor, 1.0);
    EXPECT_NEAR(Calcular(0, 0, 2, 215, 215).factor, 0.926, 5e-4);
    const auto extremo = Calcular(1, 3, 2, 100, 300);
    EXPECT_FALSE(extremo.error);
    EXPECT_EQ(extremo.lineaDiferencia, QStringLiteral("´T = +20.0°C"));
}

TEST(CompensacionTemp, Textos) {
    const auto r = Calcular(1, 0, 1, 200, 240);
    EXPECT_EQ(r.lineaFormula, "factor = Q10ef ^ ((T_base - T_actual) / 10)  [Ilford]");
    EXPECT_EQ(r.lineaFactor, QStringLiteral("Factor: x0.758   Q10: 2.00   ´T: +4.0°C"));
    EXPECT_EQ(r.lineaBase, "= 10:00");
    EXPECT_EQ(Calcular(0, 1, 1, 200, 185).lineaDiferencia, QStringLiteral("´T = -1.5°C"));
    EXPECT_EQ(Calcular(0, 1, 1, 200, 200).lineaDiferencia, QStringLiteral("´T = 0.0°C"));
    EXPECT_EQ(Calcular(0, 1, 1, 200, 220).lineaDiferencia, QStringLiteral("´T = +2.0°C"));
    EXPECT_EQ(LineaFormula(0), "factor = 2 ^ (-(dT/7)) / FactAgi  [Arrhenius/Orvande]");
    // The acute accent, not a Greek delta; the degree sign of the 8-bit code page.
    EXPECT_EQ(r.lineaDiferencia[0].unicode(), 0x00B4);
    EXPECT_EQ(FormatoMinSeg(3659), "60:59");
    EXPECT_EQ(FormatoMinSeg(7384), "123:04");
    EXPECT_EQ(FormatoMinSeg(5), "00:05");

    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(Calcular(1, 0, 1, 200, 240).lineaFactor,
              QStringLiteral("Factor: x0,758   Q10: 2,00   ´T: +4,0°C"));
    QLocale::setDefault(QLocale::c());
}

TEST(CompensacionTemp, FalloAritmeticoDaErr) {
    const auto r = Calcular(0, 1, 7, 200, 240);
    EXPECT_TRUE(r.error);
    EXPECT_EQ(r.resultado, "Err");
    EXPECT_TRUE(Calcular(2, 1, 1, 200, 240).error);
}

TEST(CompensacionTemp, TemperaturaTecleadaEntera) {
    EXPECT_EQ(DecimasTecleadas("21,5"), 215);
    EXPECT_EQ(DecimasTecleadas(" 21.5 "), 215);
    EXPECT_EQ(DecimasTecleadas("10"), 100);
    EXPECT_EQ(DecimasTecleadas("30,0"), 300);
    EXPECT_EQ(DecimasTecleadas("21.25"), 212); // ties to even
    for (const char* malo : {"35", "9.9", "abc", "", "21.5x", "2 1", "21,5,0"})
        EXPECT_FALSE(DecimasTecleadas(malo)) << malo;
}

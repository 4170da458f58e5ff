#include "formulas/EscalaFormula.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace formulas;

namespace {

struct Caso {
    const char* que;
    QString cantidad, unidad;
    double mililitros;
    Cantidad esperada;
};

void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.que << " at " << c.mililitros << " ml";
}

class EscalarCantidadTest : public ::testing::TestWithParam<Caso> {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
};

// Kodak D-76 as published, then a two-part reducer whose first part is made up to 500 ml.
const Caso kCasos[] = {
    {"D-76 water", "750", "ml", 300, {"225", "ml"}},
    {"D-76 metol", "2.0", "g", 300, {"0.6", "g"}},
    {"D-76 sulfite", "100.0", "g", 300, {"30", "g"}},
    {"D-76 hydroquinone", "5.0", "g", 300, {"1.5", "g"}},
    {"D-76 make-up", "1.0", "l", 300, {"300", "ml"}},
    {"D-76 water", "750", "ml", 2500, {"1875", "ml"}},
    {"D-76 metol", "2.0", "g", 2500, {"5.0", "g"}},
    {"D-76 sulfite", "100.0", "g", 2500, {"250", "g"}},
    {"D-76 hydroquinone, a tie rounds to even", "5.0", "g", 2500, {"12", "g"}},
    {"D-76 make-up", "1.0", "l", 2500, {"2.5", "l"}},
    {"part in ml", "500", "ml", 300, {"150", "ml"}},
    {"part in ml, grams over ten", "37.5", "g", 300, {"11", "g"}},
    {"small amount", "0.2", "g", 100, {"0.02", "g"}},
    {"comma decimal", "2,5", "g", 300, {"0.75", "g"}},
    {"kilograms below one", "1.0", "kg", 300, {"300", "g"}},
    {"milligrams", "50", "mg", 300, {"15", "mg"}},
    {"unit case and blanks", " 10 ", "ML", 5000, {"50", "ML"}},
    {"not a number", "c.s.", "g", 300, {"c.s.", "g"}},
    {"a range", "1-2", "g", 300, {"1-2", "g"}},
    {"a percentage", "28", "%", 300, {"28", "%"}},
    {"no unit", "2", "", 300, {"2", ""}},
    {"empty", "", "", 300, {"", ""}},
    {"one litre leaves the stored text", "100.0", "g", 1000, {"100.0", "g"}},
};

} // namespace

TEST_P(EscalarCantidadTest, EscalaMasasYVolumenes) {
    const Caso& c = GetParam();
    EXPECT_EQ(EscalarCantidad(c.cantidad, c.unidad, c.mililitros / kVolumenPublicado), c.esperada);
}

INSTANTIATE_TEST_SUITE_P(Formulas, EscalarCantidadTest, ::testing::ValuesIn(kCasos));

TEST(EscalarFilas, SoloLasLineasDeIngrediente) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const std::vector<FilaIngrediente> filas = {{true, "", "Solución A", "", ""},
                                                {false, "1", "Metol", "2.0", "g"},
                                                {false, "1", "Agua hasta", "1.0", "l"}};
    const auto r = EscalarFilas(filas, 0.3);
    EXPECT_EQ(r[0].quimica, "Solución A");
    EXPECT_EQ(r[0].cantidad, "");
    EXPECT_EQ(r[1].cantidad, "0,6"); // the locale's separator
    EXPECT_EQ(r[2].cantidad, "300");
    EXPECT_EQ(r[2].unidad, "ml");
    EXPECT_EQ(r[1].quimica, "Metol");
    QLocale::setDefault(QLocale::c());
}

TEST(LeerVolumen, ComaOPuntoEnMlOLitros) {
    EXPECT_EQ(LeerVolumen("300", "ml"), 300);
    EXPECT_EQ(LeerVolumen(" 0,3 ", "l"), 300);
    EXPECT_EQ(LeerVolumen("2.5", "l"), 2500);
    EXPECT_EQ(LeerVolumen(",5", "l"), 500);
    for (const char* malo : {"", " ", "0", "0,0", "-1", "abc", "3 00", "1e3", "2,5,1", "1001"})
        EXPECT_FALSE(LeerVolumen(QString::fromUtf8(malo), "l")) << malo;
    EXPECT_FALSE(LeerVolumen("5", "kg"));
}

TEST(TextoFactor, HastaDosDecimales) {
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(TextoFactor(0.3), "× 0.3");
    EXPECT_EQ(TextoFactor(1 / 3.0), "× 0.33");
    EXPECT_EQ(TextoFactor(5), "× 5");
}

#include "calculators/Dilucion.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

struct Caso {
    ModoDilucion modo;
    const char16_t *a, *b, *total, *unidad;
    const char *concentrado, *agua;
};

class DilucionTrabajada : public ::testing::TestWithParam<Caso> {};

QString Mensaje(const char16_t* a, const char16_t* b, const char16_t* t, const QString& unidad) {
    return CalcularDilucion(a, b, t, unidad, ModoDilucion::PartesMasPartes).mensaje;
}

constexpr auto PP = ModoDilucion::PartesMasPartes;
constexpr auto RdD = ModoDilucion::Relacion;

} // namespace

TEST_P(DilucionTrabajada, ConcentradoYAgua) {
    const Caso& c = GetParam();
    const auto r = CalcularDilucion(c.a, c.b, c.total, QString::fromUtf16(c.unidad), c.modo);
    EXPECT_TRUE(r.mensaje.isEmpty()) << r.mensaje.toStdString();
    EXPECT_EQ(r.textoConcentrado, c.concentrado);
    EXPECT_EQ(r.textoAgua, c.agua);
}

INSTANTIATE_TEST_SUITE_P(Tabla, DilucionTrabajada,
                         ::testing::Values(Caso{PP, u"1", u"9", u"500", u"ml", "50.00 ml", "450.00 ml"},
                                           Caso{PP, u"1", u"1", u"1", u"l", "0.50 l", "0.50 l"},
                                           Caso{RdD, u"1", u"10", u"500", u"ml", "50.00 ml", "450.00 ml"},
                                           Caso{RdD, u"1", u"50", u"60", u"cl", "1.20 cl", "58.80 cl"},
                                           Caso{PP, u"1", u"31", u"250", u"ml", "7.81 ml", "242.19 ml"},
                                           Caso{PP, u"1,5", u"1,5", u"10", u"ml", "5.00 ml", "5.00 ml"}));

TEST(Dilucion, NegativosYDesbordes) {
    EXPECT_EQ(Mensaje(u"1", u"9", u"-5", "ml"), QStringLiteral("Los valores deben ser números positivos."));
    EXPECT_EQ(Mensaje(u"1", u"9", u"abc", "ML"), QStringLiteral("Los valores deben ser números positivos."));
    // Pasted numbers can overflow the volume.
    EXPECT_EQ(Mensaje(u"1e300", u"1", u"1e300", "l"),
              QStringLiteral("Error al procesar los datos. Verifique que sean números válidos."));
}

TEST(Dilucion, SeparadorDelLocale) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const auto r = CalcularDilucion(u"1", u"31", u"250", "ml", PP);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(r.textoConcentrado, "7,81 ml");
    EXPECT_DOUBLE_EQ(r.agua, 242.1875);
}

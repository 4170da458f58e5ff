#include "shell/Numeros.h"

#include <QLocale>
#include <gtest/gtest.h>

TEST(Numeros, LecturaIndulgente) {
    EXPECT_DOUBLE_EQ(LeerNumeroInicial(u"  12abc"), 12);
    EXPECT_DOUBLE_EQ(LeerNumeroInicial(u"-3"), -3);
    EXPECT_DOUBLE_EQ(LeerNumeroInicial(u"1.5.7"), 1.5);
    EXPECT_DOUBLE_EQ(LeerNumeroInicial(u"2e3x"), 2000);
    EXPECT_DOUBLE_EQ(LeerNumeroInicial(u"2e"), 2);
    EXPECT_DOUBLE_EQ(LeerNumeroInicial(u""), 0);
    EXPECT_DOUBLE_EQ(LeerNumeroInicial(u"abc"), 0);
    EXPECT_DOUBLE_EQ(LeerNumeroInicial(u"21,5"), 21);
    EXPECT_DOUBLE_EQ(LeerNumeroInicial(u"21,5", true), 21.5);
    EXPECT_DOUBLE_EQ(LeerNumeroInicial(u".5"), 0.5);
}

TEST(Numeros, RedondeoAlPar) {
    EXPECT_EQ(RedondearEntero(10.5), 10);
    EXPECT_EQ(RedondearEntero(11.5), 12);
    EXPECT_EQ(RedondearEntero(-0.5), 0);
    EXPECT_EQ(RedondearEntero(1e12), INT_MAX);
    EXPECT_EQ(TwipsAPixeles(22.5), 2);
    EXPECT_EQ(TwipsAPixeles(37.5), 2);
    EXPECT_EQ(PixelesATwips(3), 45);
}

TEST(Numeros, FormatosConSeparadorDelLocale) {
    EXPECT_EQ(FormatoNumero(0.7578, u"0.000"), "0.758");
    EXPECT_EQ(FormatoNumero(2, u"0.00"), "2.00");
    EXPECT_EQ(FormatoNumero(5, u"00"), "05");
    EXPECT_EQ(FormatoNumero(123, u"00"), "123");
    EXPECT_EQ(FormatoNumero(4, u"+0.0;-0.0;0.0"), "+4.0");
    EXPECT_EQ(FormatoNumero(-1.5, u"+0.0;-0.0;0.0"), "-1.5");
    EXPECT_EQ(FormatoNumero(0, u"+0.0;-0.0;0.0"), "0.0");
    EXPECT_EQ(FormatoNumero(-0.01, u"+0.0;-0.0;0.0"), "0.0");
    EXPECT_EQ(FormatoNumero(-2.25, u"0.0"), "-2.2");
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(FormatoNumero(0.7578, u"0.000"), "0,758");
    EXPECT_EQ(FormatoNumero(-1.5, u"+0.0;-0.0;0.0"), "-1,5");
    QLocale::setDefault(QLocale::c());
}

#include "shell/Numeros.h"

#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>
#include <gtest/gtest.h>
#include <string>

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

// The application takes the process's numeric locale from the user's environment; a Spanish one
// makes the C library read and write numbers with a comma.
TEST(Numeros, NoDependenDelLocaleNumericoDelProceso) {
    QTemporaryDir dir;
    const QString definicion = dir.filePath(QStringLiteral("es_ES"));
    if (QProcess::execute(QStringLiteral("localedef"), {"-i", "es_ES", "-f", "ISO-8859-1", definicion}) != 0)
        GTEST_SKIP() << "no Spanish locale could be built here";
    qputenv("LOCPATH", dir.path().toLocal8Bit());
    const std::string previo = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "es_ES"), nullptr);
    const double punto = LeerNumeroInicial(u"21.5");
    const double coma = LeerNumeroInicial(u"21,5", true);
    const QString escrito = FormatoNumero(20.25, u"0.00");
    std::setlocale(LC_NUMERIC, previo.c_str());
    qunsetenv("LOCPATH");
    EXPECT_DOUBLE_EQ(punto, 21.5);
    EXPECT_DOUBLE_EQ(coma, 21.5);
    EXPECT_EQ(escrito, "20.25");
}

#include "shell/Fuentes.h"

#include <gtest/gtest.h>

TEST(FuentesTest, CaraDeTextoCaraAusenteYSimbolos) {
    const QStringList familias = QFontDatabase::families();
    ASSERT_FALSE(familias.isEmpty());
    QString texto;
    for (const QString& f : familias)
        if (QFontDatabase::writingSystems(f).contains(QFontDatabase::Latin))
            texto = f;
    ASSERT_FALSE(texto.isEmpty());
    EXPECT_EQ(CharsetFuente(texto), 0);
    EXPECT_EQ(CharsetFuente(texto.toUpper()), 0);
    EXPECT_EQ(CharsetFuente("Cara que no existe 123"), 1);
    EXPECT_EQ(CharsetFuente(""), 1);

    EXPECT_EQ(CharsetDeSistemas({QFontDatabase::Symbol}), 2);
    EXPECT_EQ(CharsetDeSistemas({QFontDatabase::Latin, QFontDatabase::Symbol}), 0);
    EXPECT_EQ(CharsetDeSistemas({QFontDatabase::Greek}), 0);
}

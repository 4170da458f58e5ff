#include "shell/TextoAnsi.h"

#include <gtest/gtest.h>

TEST(TextoAnsi, CadaByteIdaYVuelta) {
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos += char(b);
    const QString texto = DesdeAnsi(todos);
    ASSERT_EQ(texto.size(), 256);
    EXPECT_EQ(texto[0x80], QChar(0x20AC));
    EXPECT_EQ(texto[0x9F], QChar(0x0178));
    EXPECT_EQ(texto[0xE9], QChar(0x00E9));
    EXPECT_EQ(texto[0x01], QChar(0x0001));
    // Bytes the code page leaves undefined.
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(texto[b], QChar(0xFFFD)) << b;
    for (int b = 0; b < 256; ++b) {
        if (texto[b] != QChar(0xFFFD)) {
            EXPECT_EQ(HaciaAnsi(texto.mid(b, 1)), QByteArray(1, char(b))) << b;
        }
    }
}

TEST(TextoAnsi, LoQueNoCabeEsUnaInterrogacionPorCaracter) {
    EXPECT_EQ(HaciaAnsi(QStringLiteral("a\U0001F600\u010D\u05E9b")), QByteArray("a???b"));
    EXPECT_EQ(HaciaAnsi(QString(QChar(0xD800)) + u'x'), QByteArray("?x"));
    EXPECT_TRUE(CabeEnAnsi(QStringLiteral("año 20 € \u0001")));
    EXPECT_FALSE(CabeEnAnsi(QStringLiteral("\U0001F600")));
    EXPECT_FALSE(CabeEnAnsi(QString(QChar(0xFFFD))));
}

TEST(TextoAnsi, OtrasPaginasNoPierdenLaUltimaLetra) {
    // The decoder holds a Hebrew letter back in case a point follows; the end of the text flushes it.
    EXPECT_EQ(DesdeCodigoPagina("\xf9\xec\xe5\xed", 1255), QStringLiteral("\u05E9\u05DC\u05D5\u05DD"));
    EXPECT_EQ(DesdeCodigoPagina("\xc3\xd0", 1258), QStringLiteral("\u0102\u0110"));
    const auto* hebreo = TablaCodigoPagina(1255);
    ASSERT_NE(hebreo, nullptr);
    EXPECT_EQ((*hebreo)[0xFA], u'\u05EA');
    EXPECT_EQ((*hebreo)[0xFF], u'\xFFFD') << "a byte the page leaves undefined";
    EXPECT_EQ(TablaCodigoPagina(99999), nullptr);
}

#include "notes/CodigosPaginaRtf.h"
#include "notes/LectorRtf.h"

#include <QTextDocument>
#include <gtest/gtest.h>
#include <iconv.h>
#include <optional>

// Every code page the reader accepts, byte by byte against the system's converter called directly.
// Where the converter defines no character the reader gives U+FFFD.

namespace {

bool EsDobleByte(int cp) {
    return cp == 932 || cp == 936 || cp == 949 || cp == 950 || cp == 1361;
}

// One conversion flushed at its end; nothing when the converter rejects the bytes.
std::optional<QString> SegunIconv(int cp, const QByteArray& bytes) {
    const QByteArray nombre = cp == 10000 ? QByteArray("MACINTOSH") : "CP" + QByteArray::number(cp);
    iconv_t cd = iconv_open("UTF-8", nombre.constData());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char salida[64];
    char* out = salida;
    size_t outLeft = sizeof salida;
    const bool bien = iconv(cd, &in, &inLeft, &out, &outLeft) != size_t(-1) && inLeft == 0 &&
                      iconv(cd, nullptr, nullptr, &out, &outLeft) != size_t(-1);
    iconv_close(cd);
    if (!bien)
        return std::nullopt;
    return QString::fromUtf8(salida, out - salida);
}

QString Escapes(const QByteArray& bytes) {
    QString s;
    for (const char b : bytes)
        s += QStringLiteral("\\'%1").arg(int(static_cast<unsigned char>(b)), 2, 16, QChar(u'0'));
    return s;
}

QString Leer(int cp, const QString& cuerpo) {
    QTextDocument doc;
    LeerRtf(QStringView(QStringLiteral("{\\rtf1\\ansi\\ansicpg%1 %2}").arg(cp).arg(cuerpo)), doc);
    return doc.toRawText(); // no-break spaces as they are
}

} // namespace

TEST(CodigosPaginaRtf, CadaByteComoElConversorDelSistema) {
    ASSERT_FALSE(CodigosPaginaRtf().isEmpty());
    for (const int cp : CodigosPaginaRtf()) {
        ASSERT_TRUE(SegunIconv(cp, "A").has_value()) << "the system has no code page " << cp;
        // Every byte of a single-byte page in one document: a byte merged into the one before
        // it, or a character held back, shifts or shortens the text.
        QByteArray bytes;
        QString esperado;
        for (int b = 0x20; b < 0x100; ++b) {
            // In a double-byte page, the bytes above ASCII that are characters on their own.
            if (EsDobleByte(cp) && b >= 0x80 && !SegunIconv(cp, QByteArray(1, char(b))))
                continue;
            bytes += char(b);
            // Windows keeps ASCII below 0x80 in its page 1361; the system's Johab table has the
            // won sign at 0x5C.
            if (cp == 1361 && b == 0x5C)
                esperado += QChar(b);
            else
                esperado += SegunIconv(cp, QByteArray(1, char(b))).value_or(QStringLiteral("\uFFFD"));
        }
        const QString leido = Leer(cp, Escapes(bytes));
        ASSERT_EQ(leido.size(), esperado.size()) << "code page " << cp;
        for (qsizetype i = 0; i < leido.size(); ++i)
            EXPECT_EQ(leido[i].unicode(), esperado[i].unicode())
                << "code page " << cp << ", byte 0x" << std::hex << (0x20 + i);
    }
}

TEST(CodigosPaginaRtf, DobleByteEscritoComoEscapesOComoLetra) {
    const int primeros[] = {0x81, 0x83, 0x88, 0x8E, 0x9F, 0xA1, 0xA4, 0xB0,
                            0xC7, 0xD8, 0xE0, 0xEA, 0xF0, 0xFC, 0xFE};
    const int segundos[] = {0x40, 0x41, 0x43, 0x5C, 0x61, 0x7B, 0x7E,
                            0x80, 0x9F, 0xA1, 0xB0, 0xE0, 0xFC, 0xFE};
    int comparados = 0;
    for (const int cp : CodigosPaginaRtf()) {
        if (!EsDobleByte(cp))
            continue;
        for (const int a : primeros) {
            for (const int b : segundos) {
                QByteArray par;
                par.append(char(a)).append(char(b));
                const std::optional<QString> esperado = SegunIconv(cp, par);
                const QString leido = Leer(cp, Escapes(par));
                if (!esperado) {
                    EXPECT_TRUE(leido.contains(QChar(0xFFFD))) << cp << ' ' << a << ' ' << b;
                    continue;
                }
                ++comparados;
                EXPECT_EQ(leido, *esperado) << cp << ' ' << a << ' ' << b;
                // The second byte as the ASCII character it equals (a brace or backslash escaped).
                if (b < 0x80) {
                    const QChar c(b);
                    const QString letra =
                        c == u'\\' || c == u'{' || c == u'}' ? QString(u'\\') + c : QString(c);
                    EXPECT_EQ(Leer(cp, Escapes(par.left(1)) + letra), *esperado)
                        << cp << ' ' << a << ' ' << b;
                }
            }
        }
    }
    EXPECT_GT(comparados, 200);
}

TEST(CodigosPaginaRtf, PaginasQueFallaban) {
    // Vietnamese: a page of its own, not the Western one; a tone mark stays a combining mark.
    EXPECT_EQ(Leer(1258, QStringLiteral("\\'c3 \\'f5 \\'fd \\'d0 A\\'ec")),
              QStringLiteral("\u0102 \u01A1 \u01B0 \u0110 A\u0301"));
    // Hebrew: the last letter of the page and of a word.
    EXPECT_EQ(Leer(1255, QStringLiteral("\\'fa \\'f9\\'ec\\'e5\\'ed")),
              QStringLiteral("\u05EA \u05E9\u05DC\u05D5\u05DD"));
    // A lead byte then its second byte as a plain letter, and a lead byte before a blank.
    EXPECT_EQ(Leer(932, QStringLiteral("\\'83A\\'83C\\'83\\\\")), QStringLiteral("\u30A2\u30A4\u30BD"));
    EXPECT_EQ(Leer(932, QStringLiteral("x\\'83 y")), QStringLiteral("x\uFFFD y"));
    // The face's character set chooses the double-byte page.
    QTextDocument doc;
    LeerRtf(
        QStringView(
            u"{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset128 B;}}\\f1\\'83A\\'83C\\f0\\'e9}"),
        doc);
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("\u30A2\u30A4\u00E9"));
    // A page the reader does not know is read as Windows-1252.
    EXPECT_EQ(Leer(12345, QStringLiteral("\\'e9\\'80")), QStringLiteral("\u00E9\u20AC"));
}

#include "notes/EscritorRtf.h"
#include "notes/LectorRtf.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QString Leer(const QString& rtf, QTextDocument& doc) {
    LeerRtf(QStringView(rtf), doc);
    return doc.toPlainText();
}

// The format of the character at a position of the plain text.
QTextCharFormat En(const QTextDocument& doc, int posicion) {
    QTextCursor c(const_cast<QTextDocument*>(&doc));
    c.setPosition(posicion + 1);
    return c.charFormat();
}
int Posicion(const QTextDocument& doc, const QString& texto) {
    return int(doc.toPlainText().indexOf(texto));
}
QString Cara(const QTextCharFormat& f) {
    const QStringList l = f.fontFamilies().toStringList();
    return l.isEmpty() ? QString() : l.first();
}
bool Negrita(const QTextCharFormat& f) {
    return f.fontWeight() >= QFont::DemiBold;
}

// What a word processor's rich-edit control writes for a short Spanish note.
const char* kNotaRichEdit =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang3082{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
    "{\\f1\\fswiss\\fprq2\\fcharset0 Arial;}{\\f2\\fnil\\fcharset2 Wingdings;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green176\\blue80;}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
    "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang10 Revelado en \\b D-76\\b0  a 20\\'ba C, "
    "\\i cami\\'f3n\\i0  y \\ul subrayado\\ulnone .\\par\r\n"
    "\\cf1\\f1\\fs28 Precio: 12 \\u8364? y \\'80 \\{llaves\\} \\\\barra\\cf0\\par\r\n"
    "\\pard\\qc{\\f2\\'4a}\\tab fin\\par\r\n"
    "}\r\n";

} // namespace

TEST(TextoRtf, LeeLoQueEscribeUnControlDeTextoEnriquecido) {
    QTextDocument doc;
    EXPECT_EQ(Leer(QString::fromLatin1(kNotaRichEdit), doc),
              QStringLiteral("Revelado en D-76 a 20º C, camión y subrayado.\n"
                             "Precio: 12 € y € {llaves} \\barra\nJ\tfin"));
    ASSERT_EQ(doc.blockCount(), 3);
    EXPECT_EQ(Cara(En(doc, 0)), "Calibri");
    EXPECT_EQ(En(doc, 0).fontPointSize(), 11);
    EXPECT_FALSE(Negrita(En(doc, 0)));
    EXPECT_TRUE(Negrita(En(doc, Posicion(doc, "D-76"))));
    EXPECT_FALSE(Negrita(En(doc, Posicion(doc, " a 20"))));
    EXPECT_TRUE(En(doc, Posicion(doc, "camión") + 4).fontItalic());
    EXPECT_TRUE(En(doc, Posicion(doc, "subrayado")).fontUnderline());
    EXPECT_FALSE(En(doc, Posicion(doc, ".\n")).fontUnderline());
    const QTextCharFormat precio = En(doc, Posicion(doc, "Precio"));
    EXPECT_EQ(Cara(precio), "Arial");
    EXPECT_EQ(precio.fontPointSize(), 14);
    EXPECT_EQ(precio.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(Cara(En(doc, Posicion(doc, "J\t"))), "Wingdings");
    EXPECT_EQ(doc.lastBlock().blockFormat().alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_NE(doc.firstBlock().blockFormat().alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
}

TEST(TextoRtf, UnicodeConSaltosYCodigosDePagina) {
    QTextDocument doc;
    // \uc2 skips two fallback characters; an escape counts as one; a group ends the skipping.
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1{\\uc2\\u8364\\'80\\'80x}{\\uc1\\u-3913?}{\\u269?}}"), doc),
              QStringLiteral("€x\uF0B7č"));
    // A surrogate pair written as two negative values, and a lone half.
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1\\uc1\\u-10179?\\u-8704? \\u-10179?x}"), doc),
              QStringLiteral("\U0001F600 \uFFFDx"));
    // The face's character set picks the code page: Cyrillic, and a symbol face keeps the byte.
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}"
                                  "{\\f2\\fcharset2 Symbol;}}\\f1\\'c4\\'e0 \\f2\\'b7\\f0\\'b7}"),
                   doc),
              QStringLiteral("Да \u00B7\u00B7"));
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1\\ansi\\ansicpg1250 \\'9a}"), doc), QStringLiteral("š"));
    // Control characters are text someone typed or pasted; only an object mark without its object goes.
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1 a\\u1?\\'07b\\u65532?c\\u0?}"), doc),
              QStringLiteral("a\u0001\u0007bc") + QChar(0));

    QTextDocument escrito;
    QString controles;
    for (char16_t c = 0; c < 0x20; ++c)
        if (c != u'\n' && c != u'\r')
            controles += QChar(c);
    QTextCursor(&escrito).insertText(u"antes " + controles + u" despu\u00e9s");
    const QString rtf = EscribirRtf(escrito);
    EXPECT_TRUE(rtf.contains(QStringLiteral("\\u27?"))) << "written as an escape, never raw";
    EXPECT_EQ(Leer(rtf, doc), escrito.toPlainText());
    EXPECT_EQ(doc.toPlainText().size(), 6 + controles.size() + 8);
}

TEST(TextoRtf, DestinosIgnoradosYPalabrasDesconocidas) {
    QTextDocument doc;
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1{\\info{\\title Oculto}{\\author Yo}}{\\stylesheet{\\s0 Normal;}}"
                                  "{\\*\\unknowndest secreto {anidado}}{\\field{\\*\\fldinst HYPERLINK x}"
                                  "{\\fldrslt visible}}\\foo12\\bar antes{\\pict\\wmetafile8 0a0b0c}"
                                  "\\bin3 {}x despues}"),
                   doc),
              QStringLiteral("visibleantes despues"));
    // A destination word in the middle of a group is only an unknown word.
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1{texto \\info mas}}"), doc), QStringLiteral("texto mas"));
    // \plain returns to the defaults; a closing brace restores the enclosing group's formatting.
    Leer(QStringLiteral("{\\rtf1\\b negro{\\i ambos}negro\\plain llano}"), doc);
    EXPECT_TRUE(Negrita(En(doc, Posicion(doc, "ambos"))));
    EXPECT_TRUE(En(doc, Posicion(doc, "ambos")).fontItalic());
    EXPECT_FALSE(En(doc, Posicion(doc, "negrollano")).fontItalic());
    EXPECT_FALSE(Negrita(En(doc, Posicion(doc, "llano"))));
}

TEST(TextoRtf, TextoOcultoYBorradoNoSeVenNiVuelvenAlGuardar) {
    QTextDocument doc;
    // Deleted under change tracking (with its paragraph mark), hidden; inserted text stays.
    const QString rtf = QStringLiteral(
        "{\\rtf1\\ansi{\\*\\revtbl{Unknown;}{Ana;}}uno {\\deleted\\revauthdel1\\revdttmdel1 borrado }"
        "{\\revised\\revauth1 nuevo }dos\\par{\\deleted tres\\par}cuatro {\\v oculto}\\v x\\v0 y"
        "{\\v z\\plain w}}");
    EXPECT_EQ(Leer(rtf, doc), QStringLiteral("uno nuevo dos\ncuatro yw"));
    QTextDocument vuelta;
    const QString guardado = EscribirRtf(doc);
    EXPECT_FALSE(guardado.contains(QStringLiteral("borrado")));
    EXPECT_FALSE(guardado.contains(QStringLiteral("oculto")));
    EXPECT_EQ(Leer(guardado, vuelta), doc.toPlainText());
}

TEST(TextoRtf, CeldasAnidadasNotasAlPieYCuadrosDeTexto) {
    QTextDocument doc;
    // A table nested in a cell: its cells are apart, its rows end as the outer ones do.
    EXPECT_EQ(
        Leer(QStringLiteral("{\\rtf1\\trowd\\cellx4000\\pard\\intbl A\\cell\\pard\\intbl\\itap2 B\\nestcell C"
                            "\\nestcell{\\*\\nesttableprops\\trowd\\cellx500\\nestrow}{\\nonesttables\\par}"
                            "\\pard\\intbl\\itap1 D\\cell\\row fin B\\nestcell\\nestrow E}"),
             doc),
        QStringLiteral("A\tB\tC\t\nD\t\nfin B\t\nE"));
    // A footnote in brackets where its mark is, its paragraphs joined; one in a header stays out.
    EXPECT_EQ(
        Leer(QStringLiteral("{\\rtf1 Texto{\\super\\chftn}{\\footnote\\pard\\plain{\\super\\chftn} Nota al "
                            "\\b pie\\b0 .\\par Segunda.\\par} sigue{\\header{\\footnote no}}"
                            "{\\v{\\footnote oculta}}}"),
             doc),
        QStringLiteral("Texto[Nota al pie. Segunda.] sigue"));
    EXPECT_TRUE(Negrita(En(doc, Posicion(doc, "pie"))));
    EXPECT_FALSE(Negrita(En(doc, Posicion(doc, "] sigue"))));
    // A drawing's text box keeps its text once; its picture and the copy for older readers do not.
    EXPECT_EQ(
        Leer(QStringLiteral("{\\rtf1 antes {\\shp{\\*\\shpinst\\shpleft0{\\sp{\\sn shapeType}{\\sv 202}}"
                            "{\\shptxt \\pard caja\\par dos}}{\\shprslt{\\*\\do\\dobxcolumn{\\dptxbxtext "
                            "caja}}}}despues}"),
             doc),
        QStringLiteral("antes \ncaja\ndos\ndespues"));
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1 {\\shp{\\*\\shpinst{\\shptxt caja\\par}}}despues}"), doc),
              QStringLiteral("caja\ndespues"));
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1 {\\*\\do\\dobxcolumn\\dptxbx{\\dptxbxtext\\pard vieja\\par}"
                                  "\\dpx0}fin}"),
                   doc),
              QStringLiteral("vieja\nfin"));
}

TEST(TextoRtf, IdaYVuelta) {
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Arial"), 11));
    QTextCursor c(&doc);
    auto poner = [&](const QString& texto, const QString& cara, double puntos, bool b, bool i, bool u) {
        QTextCharFormat f;
        f.setFontFamilies({cara});
        f.setFontPointSize(puntos);
        f.setFontWeight(b ? QFont::Bold : QFont::Normal);
        f.setFontItalic(i);
        f.setFontUnderline(u);
        c.insertText(texto, f);
    };
    poner(QStringLiteral("Título: "), QStringLiteral("Georgia"), 18, true, false, false);
    poner(QStringLiteral("año {raro} \\ ñ €"), QStringLiteral("Courier New"), 9, false, true, true);
    c.insertBlock();
    c.insertBlock();
    poner(QStringLiteral("línea\ttab\u2028salto \U0001F600"), QStringLiteral("Times New Roman"), 72, true,
          true, false);
    QTextBlockFormat centro;
    centro.setAlignment(Qt::AlignHCenter);
    c.mergeBlockFormat(centro);

    const QString rtf = EscribirRtf(doc);
    for (QChar ch : rtf)
        ASSERT_LT(ch.unicode(), 128) << "7-bit output";
    EXPECT_TRUE(rtf.contains(QStringLiteral("\\u8364?")));
    EXPECT_TRUE(rtf.contains(QStringLiteral("\\fs144")));

    QTextDocument vuelta;
    LeerRtf(QStringView(rtf), vuelta);
    ASSERT_EQ(vuelta.toPlainText(), doc.toPlainText());
    ASSERT_EQ(vuelta.blockCount(), doc.blockCount());
    for (int p = 0; p < doc.characterCount() - 1; ++p) {
        if (doc.toPlainText()[p] == QChar(u'\n'))
            continue;
        const QTextCharFormat a = En(doc, p), b = En(vuelta, p);
        EXPECT_EQ(Cara(a), Cara(b)) << p;
        EXPECT_EQ(a.fontPointSize(), b.fontPointSize()) << p;
        EXPECT_EQ(Negrita(a), Negrita(b)) << p;
        EXPECT_EQ(a.fontItalic(), b.fontItalic()) << p;
        EXPECT_EQ(a.fontUnderline(), b.fontUnderline()) << p;
    }
    EXPECT_EQ(vuelta.lastBlock().blockFormat().alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    // Writing what was read gives the same RTF again.
    EXPECT_EQ(EscribirRtf(vuelta), rtf);
}

TEST(TextoRtf, DocumentoVacioYParrafosVacios) {
    QTextDocument doc;
    QTextDocument vuelta;
    LeerRtf(QStringView(EscribirRtf(doc)), vuelta);
    EXPECT_EQ(vuelta.toPlainText(), "");
    EXPECT_EQ(vuelta.blockCount(), 1);
    doc.setPlainText(QStringLiteral("\n\nuno\n\n"));
    LeerRtf(QStringView(EscribirRtf(doc)), vuelta);
    EXPECT_EQ(vuelta.toPlainText(), doc.toPlainText());
}

TEST(TextoRtf, EntradaRotaNoPierdeTexto) {
    QTextDocument doc;
    // Truncated, unbalanced, or with broken escapes: every character of text survives.
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs22 Hola mundo"), doc),
              "Hola mundo");
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1 uno}} dos}}} tres"), doc), "uno dos tres");
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1 a\\'4"), doc), "a4");
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1 a\\'zzb\\"), doc), "azzb");
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1 x\\u"), doc), "x");
    EXPECT_EQ(Leer(QStringLiteral(
                       "{\\rtf1 \\b99999999999999999999999 grande\\fs99999999999999 \\u99999999999? ok}"),
                   doc),
              QStringLiteral("grande\uFFFD ok"));
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1 pre\\bin99999999 post}"), doc), "pre");
    EXPECT_EQ(Leer(QStringLiteral("{\\rtf1 \\fonttbl visible}"), doc), "visible");

    // Deep nesting: far beyond the bound, text inside and after is all kept.
    const int n = 100000;
    QString hondo = QStringLiteral("{\\rtf1 ") + QString(n, QChar(u'{')) + QStringLiteral("\\b dentro") +
                    QString(n, QChar(u'}')) + QStringLiteral(" fuera}");
    EXPECT_EQ(Leer(hondo, doc), "dentro fuera");
    hondo = QStringLiteral("{\\rtf1 ") + QString(n, QChar(u'{')) + QStringLiteral("{\\*\\x oculto}visible");
    EXPECT_EQ(Leer(hondo, doc), "ocultovisible");

    // Random bytes neither crash nor hang.
    QRandomGenerator azar(14);
    for (int i = 0; i < 300; ++i) {
        QByteArray basura(int(azar.bounded(400)), Qt::Uninitialized);
        for (char& b : basura)
            b = "{}\\'uc0123456789abf;- \r\nxyz\x80\xff*"[azar.bounded(29)];
        LeerRtf(QByteArray("{\\rtf1 ") + basura, doc);
    }
}

TEST(TextoRtf, BytesDeArchivoEnWindows1252) {
    QTextDocument doc;
    LeerRtf(QByteArray("{\\rtf1 caf\xe9 \\'e1}"), doc);
    EXPECT_EQ(doc.toPlainText(), "café á");
}

// Inputs the fuzzer found: what is read writes out again and reads back the same.
TEST(TextoRtf, HallazgosReleenIgual) {
    const QByteArray hallazgos[] = {
        QByteArray::fromBase64(
            "LVxydGx7XGYwXGZjMlx1LTgzNjRcJzhld2F0byAxMC0uMC4xOTBoXCc4ZXdhdG8gMTAtLjAuMTkwaGE9bnRc"
            "cWpccAAy//8LCjgzNjQ="),
    };
    for (const QByteArray& entrada : hallazgos) {
        QTextDocument doc;
        LeerRtf(entrada, doc);
        QTextDocument vuelta;
        LeerRtf(QStringView(EscribirRtf(doc)), vuelta);
        EXPECT_EQ(vuelta.toRawText(), doc.toRawText()) << EscribirRtf(doc).toStdString();
    }
}

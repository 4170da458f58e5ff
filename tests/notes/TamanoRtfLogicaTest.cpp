#include "notes/EscritorRtf.h"

#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <utility>

namespace {

// Sizes go out in half points, rounded as every number of the program: to the nearest, ties to even.
TEST(TextoRtf, LosMediosPuntosSeRedondeanComoTodoElPrograma) {
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Arial"), 11));
    QTextCursor c(&doc);
    for (const auto& [texto, puntos] :
         {std::pair{"uno ", 12.25}, std::pair{"dos ", 12.75}, std::pair{"tres", 10.3}}) {
        QTextCharFormat f;
        f.setFontPointSize(puntos);
        c.insertText(QString::fromLatin1(texto), f);
    }
    const QString rtf = EscribirRtf(doc);
    // The size in force where a word starts: the last \fs before it.
    const auto medios = [&rtf](const char* palabra) {
        const qsizetype en = rtf.indexOf(QString::fromLatin1(palabra));
        const qsizetype fs = rtf.lastIndexOf(QStringLiteral("\\fs"), en);
        qsizetype fin = fs + 3;
        while (fin < rtf.size() && rtf[fin].isDigit())
            ++fin;
        return en < 0 || fs < 0 ? -1 : rtf.mid(fs + 3, fin - fs - 3).toInt();
    };
    EXPECT_EQ(medios("uno"), 24) << rtf.toStdString();
    EXPECT_EQ(medios("dos"), 26) << rtf.toStdString();
    EXPECT_EQ(medios("tres"), 21) << rtf.toStdString();
}

} // namespace

#include "shell/BaseDatos.h"
#include "shell/Csv.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

QString ErrorDe(const QByteArray& texto, const LimitesCsv& limites) {
    try {
        AnalizarCsv(texto, QStringLiteral("T.csv"), false, limites);
    } catch (const ErrorBD& e) {
        return e.Descripcion();
    }
    return {};
}

// The bounds stop the reading where they are passed: what follows (here an unclosed quote) is
// never reached, so a huge file costs no more than its first rows.
TEST(LectorCsvLimites, CadaLimiteDetieneLaLecturaDondeSeSupera) {
    const LimitesCsv limites{2, 3, 5};
    const QByteArray cola = "\r\n\"sin cerrar";
    EXPECT_EQ(ErrorDe("A,B\r\n1,2\r\n3,4\r\n5,6" + cola, limites),
              QStringLiteral("T.csv, línea 4: el archivo tiene más de 2 filas"));
    EXPECT_EQ(ErrorDe("A,B,C,D" + cola, limites),
              QStringLiteral("T.csv, línea 1: la cabecera tiene más de 3 columnas"));
    EXPECT_EQ(ErrorDe("A,B\r\n1,2,3,4" + cola, limites),
              QStringLiteral("T.csv, línea 2: más de 2 campos, la cabecera tiene 2"));
    EXPECT_EQ(ErrorDe("A,B\r\n1,123456" + cola, limites),
              QStringLiteral("T.csv, línea 2: un campo ocupa más de 5 bytes"));
    EXPECT_EQ(ErrorDe("A,B\r\n1,\"12\r\n3456\"" + cola, limites),
              QStringLiteral("T.csv, línea 2: un campo ocupa más de 5 bytes"));
    // At the bounds, all is read.
    const TablaCsv t =
        AnalizarCsv("A,B,C\r\n\"12\"\"45\",ñañ,\r\n1,2,3\r\n", QStringLiteral("T.csv"), false, limites);
    ASSERT_EQ(t.filas.size(), 2u);
    EXPECT_EQ(t.filas[0].campos[0], QStringLiteral("12\"45"));
    EXPECT_EQ(t.filas[0].campos[1], QStringLiteral("ñañ"));
}

TEST(LectorCsvLimites, LeeFilaAFilaYDiceCuantoLleva) {
    const QByteArray texto = "A,B\r\n1,\"dos\r\nlíneas\"\r\n\r\n3,\xC3\xA9\r\n";
    LectorCsv lector(texto, QStringLiteral("T.csv"), true);
    EXPECT_EQ(lector.Cabecera(), (QStringList{"A", "B"}));
    FilaCsv fila;
    ASSERT_TRUE(lector.Siguiente(fila));
    EXPECT_EQ(fila.campos[1], QStringLiteral("dos\r\nlíneas"));
    const qsizetype tras1 = lector.Leidos();
    EXPECT_GT(tras1, 0);
    ASSERT_TRUE(lector.Siguiente(fila));
    EXPECT_EQ(fila.linea, 5);
    EXPECT_EQ(fila.campos[1], QStringLiteral("é"));
    EXPECT_FALSE(lector.Siguiente(fila));
    EXPECT_EQ(lector.Leidos(), texto.size());
    // A bad byte on a later line of a quoted field is placed on its line.
    EXPECT_THAT(ErrorDe("A,B\r\n1,\"x\ny\xff\"\r\n", {}).toStdString(),
                HasSubstr("T.csv, línea 3: el texto no está en UTF-8"));
}

} // namespace

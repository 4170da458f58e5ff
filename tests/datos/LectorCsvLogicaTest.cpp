#include "datos/CargaDatos.h"
#include "shell/BaseDatos.h"
#include "shell/Csv.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

QString ErrorDe(const char* texto) {
    try {
        AnalizarCsv(QByteArray(texto), QStringLiteral("T.csv"));
    } catch (const ErrorBD& e) {
        return e.Descripcion();
    }
    return {};
}

} // namespace

TEST(LectorCsv, DistingueNullDeTextoVacioYRespetaComillas) {
    const TablaCsv t = AnalizarCsv("A,B,C\r\n1,,\"\"\r\n\"x, \"\"y\"\"\",z,\n", QStringLiteral("T.csv"));
    ASSERT_EQ(t.cabecera, (QStringList{"A", "B", "C"}));
    ASSERT_EQ(t.filas.size(), 2u);
    EXPECT_EQ(t.filas[0].campos[0], QStringLiteral("1"));
    EXPECT_FALSE(t.filas[0].campos[1].has_value());
    EXPECT_EQ(t.filas[0].campos[2], QString());
    EXPECT_EQ(t.filas[1].campos[0], QStringLiteral("x, \"y\""));
    EXPECT_FALSE(t.filas[1].campos[2].has_value());
    EXPECT_EQ(t.Valor(t.filas[1], QStringLiteral("B")), QStringLiteral("z"));
    EXPECT_FALSE(t.Valor(t.filas[1], QStringLiteral("NoExiste")).has_value());
}

TEST(LectorCsv, UnCampoDeVariasLineasNoDescuentaLasLineasSiguientes) {
    const TablaCsv t = AnalizarCsv("\xEF\xBB\xBF"
                                   "A,B\n1,\"uno\ndos\r\ntres\"\n\n2,x\n",
                                   QStringLiteral("T.csv"));
    ASSERT_EQ(t.filas.size(), 2u);
    EXPECT_EQ(t.cabecera.first(), QStringLiteral("A")); // the byte order mark is dropped
    EXPECT_EQ(t.filas[0].campos[1], QStringLiteral("uno\ndos\ntres"));
    EXPECT_EQ(t.filas[0].linea, 2);
    EXPECT_EQ(t.filas[1].linea, 6);
}

TEST(LectorCsv, LosErroresDicenArchivoLineaYMotivo) {
    EXPECT_EQ(ErrorDe("A,B\n1,2\n3\n"), QStringLiteral("T.csv, línea 3: 1 campos, la cabecera tiene 2"));
    EXPECT_THAT(ErrorDe("A,B\n1,\"abierto\n2,3\n").toStdString(),
                HasSubstr("T.csv, línea 2: comillas sin cerrar"));
    EXPECT_THAT(ErrorDe("A,B\n1,\"x\"y\n").toStdString(), HasSubstr("línea 2: texto tras las comillas"));
    EXPECT_THAT(ErrorDe("A,B\n1,x\"y\n").toStdString(), HasSubstr("línea 2: comilla dentro"));
    EXPECT_THAT(ErrorDe("A,A\n").toStdString(), HasSubstr("línea 1: columna repetida"));
    EXPECT_THAT(ErrorDe("").toStdString(), HasSubstr("falta la fila de cabecera"));
    EXPECT_THAT(ErrorDe("A\n\xC3(\n").toStdString(), HasSubstr("UTF-8"));
}

TEST(LectorCsv, CodigosDeNotas) {
    EXPECT_EQ(CodigosNotas(QStringLiteral("[A] [B-2] agitar")), (QStringList{"A", "B-2"}));
    EXPECT_TRUE(CodigosNotas(QStringLiteral("sin codigos [abierto")).isEmpty());
}

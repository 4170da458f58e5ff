// How the command line is read: what each combination asks for, and what is refused and why.
#include "app/LineaOrdenes.h"

#include <QTextStream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

QStringList Args(std::initializer_list<const char*> a) {
    QStringList r;
    for (const char* s : a)
        r << QString::fromUtf8(s);
    return r;
}

TEST(AnalisisLineaOrdenes, OrdenesEntendidas) {
    EXPECT_EQ(AnalizarLineaOrdenes({}).tipo, TipoOrden::Ventana);
    EXPECT_EQ(AnalizarLineaOrdenes(Args({"-h"})).tipo, TipoOrden::Ayuda);
    EXPECT_EQ(AnalizarLineaOrdenes(Args({"--help"})).tipo, TipoOrden::Ayuda);
    EXPECT_EQ(AnalizarLineaOrdenes(Args({"-v"})).tipo, TipoOrden::Version);
    EXPECT_EQ(AnalizarLineaOrdenes(Args({"--version"})).tipo, TipoOrden::Version);
    // Help wins over whatever else was asked.
    EXPECT_EQ(AnalizarLineaOrdenes(Args({"--exportar", "a.zip", "--help"})).tipo, TipoOrden::Ayuda);

    Orden o = AnalizarLineaOrdenes(Args({"--exportar", "mis datos.zip"}));
    EXPECT_EQ(o.tipo, TipoOrden::Exportar);
    EXPECT_EQ(o.fichero, QStringLiteral("mis datos.zip"));
    o = AnalizarLineaOrdenes(Args({"--importar=./-raro"}));
    EXPECT_EQ(o.tipo, TipoOrden::Importar);
    EXPECT_EQ(o.fichero, QStringLiteral("./-raro"));
    EXPECT_FALSE(o.reemplazar);
    o = AnalizarLineaOrdenes(Args({"--reemplazar", "--importar", "carpeta"}));
    EXPECT_EQ(o.tipo, TipoOrden::Importar);
    EXPECT_TRUE(o.reemplazar);
    // The window system's own options stay Qt's, as a session manager restarting the program passes.
    EXPECT_EQ(AnalizarLineaOrdenes(Args({"-session", "1234abc", "-platform", "offscreen", "-reverse"})).tipo,
              TipoOrden::Ventana);
}

TEST(AnalisisLineaOrdenes, LoNoEntendidoDiceQue) {
    // Each case owns its arguments: an initializer list kept in an array would dangle.
    const std::pair<QStringList, const char*> casos[] = {
        {{"--algo"}, "opción desconocida: --algo"},
        {{"-x"}, "opción desconocida: -x"},
        {{"--exportar"}, "falta el FICHERO después de --exportar"},
        {{"--importar"}, "falta el FICHERO después de --importar"},
        {{"--exportar", "--reemplazar"}, "falta el FICHERO después de --exportar"},
        {{"--importar", "-v"}, "falta el FICHERO después de --importar"},
        {{"--exportar="}, "falta el FICHERO después de --exportar"},
        {{"--reemplazar"}, "--reemplazar solo vale con --importar"},
        {{"--exportar", "a.zip", "--reemplazar"}, "--reemplazar solo vale con --importar"},
        {{"--exportar", "a.zip", "--importar", "b.zip"}, "una sola orden"},
        {{"--exportar", "a.zip", "--exportar", "b.zip"}, "una sola orden"},
        {{"notas.txt"}, "argumento no esperado: notas.txt"},
        {{"--exportar", "a.zip", "sobra"}, "argumento no esperado: sobra"},
    };
    for (const auto& [argumentos, error] : casos) {
        const Orden o = AnalizarLineaOrdenes(argumentos);
        EXPECT_EQ(o.tipo, TipoOrden::Error) << error;
        EXPECT_THAT(o.error.toStdString(), HasSubstr(error));
    }
}

TEST(AnalisisLineaOrdenes, AyudaYErroresVanADondeDebenConSuCodigo) {
    QString out, err;
    QTextStream salida(&out), errores(&err);
    EXPECT_EQ(ResponderSinEjecutar(AnalizarLineaOrdenes(Args({"--algo"})), salida, errores), 2);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(err.startsWith(u"garvola: opción desconocida: --algo\n\nUso: garvola")) << err.toStdString();

    err.clear();
    EXPECT_EQ(ResponderSinEjecutar(AnalizarLineaOrdenes(Args({"-h"})), salida, errores), 0);
    EXPECT_TRUE(err.isEmpty());
    for (const char* opcion : {"-h, --help", "-v, --version", "--exportar FICHERO", "--importar FICHERO",
                               "--reemplazar", "Estado de salida"})
        EXPECT_THAT(out.toStdString(), HasSubstr(opcion));
}

} // namespace

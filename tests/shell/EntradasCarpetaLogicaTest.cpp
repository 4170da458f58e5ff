#include "shell/EntradasCarpeta.h"

#include "soporte/NombresCrudos.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

TEST(RutaDeBytesTest, LosBytesQueNoSonUtf8VuelvenIgualesYSeVenComoReemplazo) {
    EXPECT_EQ(RutaDeBytes("/fotos/año/ñandú.jpg"), QStringLiteral("/fotos/año/ñandú.jpg"));
    EXPECT_FALSE(RutaConBytesSueltos(QStringLiteral("/fotos/año/ñandú.jpg")));
    const QString hoja = RutaDeBytes("Hoja_\xe9xito.pdf");
    EXPECT_TRUE(RutaConBytesSueltos(hoja));
    EXPECT_EQ(NombreVisible(hoja), QStringLiteral("Hoja_\uFFFDxito.pdf"));
    // Latin-1, a UTF-8 sequence cut short, an encoded surrogate, past U+10FFFF, an overlong "/".
    for (const QByteArray& crudo :
         {QByteArray("Hoja_\xe9xito.pdf"), QByteArray("fin\xc3"), QByteArray("a\xed\xa0\x80z"),
          QByteArray("\xf4\x90\x80\x80"), QByteArray("\xc0\xaf"), QByteArray("\xe9\xe9\xc3\xa9")}) {
        const QString ruta = RutaDeBytes(crudo);
        EXPECT_EQ(BytesDeRuta(ruta), crudo) << crudo.toHex().toStdString();
        EXPECT_TRUE(RutaConBytesSueltos(ruta)) << crudo.toHex().toStdString();
        EXPECT_FALSE(RutaConBytesSueltos(NombreVisible(ruta)));
    }
    // Each stray byte is one replacement; the valid "é" after them stays.
    EXPECT_EQ(NombreVisible(RutaDeBytes("\xe9\xe9\xc3\xa9")), QStringLiteral("\uFFFD\uFFFDé"));
    EXPECT_EQ(NombreVisible(RutaDeBytes("a\xed\xa0\x80z")), QStringLiteral("a\uFFFD\uFFFD\uFFFDz"));
}

TEST(ListarCarpetaTest, ArchivosCarpetasYEnlacesConSusBytes) {
    QTemporaryDir dir;
    const BorradoCrudo borrado(dir.path());
    const QByteArray base = QFile::encodeName(dir.path());
    ASSERT_TRUE(CrearArchivoCrudo(base + "/Hoja_\xe9xito.pdf", "12345"));
    ASSERT_TRUE(CrearCarpetaCruda(base + "/carp\xe9"));
    ASSERT_TRUE(QFile::link(dir.path() + "/nada", dir.path() + "/roto"));
    ASSERT_EQ(::symlink(QByteArray(base + "/carp\xe9").constData(), QByteArray(base + "/enlace").constData()),
              0);
    std::vector<EntradaCarpeta> entradas = ListarCarpeta(RutaDeBytes(base));
    std::sort(entradas.begin(), entradas.end(), [](const EntradaCarpeta& a, const EntradaCarpeta& b) {
        return NombreAntes(a.nombre, b.nombre);
    });
    ASSERT_EQ(entradas.size(), 4u);
    EXPECT_EQ(BytesDeRuta(entradas[0].nombre), "carp\xe9");
    EXPECT_TRUE(entradas[0].carpeta);
    EXPECT_EQ(entradas[1].nombre, "enlace");
    EXPECT_TRUE(entradas[1].carpeta && entradas[1].enlace);
    EXPECT_EQ(entradas[1].nodo, entradas[0].nodo);
    EXPECT_EQ(BytesDeRuta(entradas[2].nombre), "Hoja_\xe9xito.pdf");
    EXPECT_TRUE(entradas[2].archivo);
    EXPECT_EQ(entradas[2].tamano, 5);
    // A broken link is neither file nor folder.
    EXPECT_EQ(entradas[3].nombre, "roto");
    EXPECT_FALSE(entradas[3].archivo || entradas[3].carpeta);
    EXPECT_TRUE(TieneSubcarpetas(RutaDeBytes(base)));
    EXPECT_FALSE(TieneSubcarpetas(RutaDeBytes(base + "/carp\xe9")));

    QFile archivo;
    ASSERT_TRUE(AbrirParaLeer(archivo, RutaDeBytes(base + "/Hoja_\xe9xito.pdf")));
    EXPECT_EQ(archivo.readAll(), "12345");
    QFile ninguno;
    EXPECT_FALSE(AbrirParaLeer(ninguno, RutaDeBytes(base + "/no_\xe9")));
    EXPECT_TRUE(ListarCarpeta(RutaDeBytes(base + "/no_\xe9")).empty());
}

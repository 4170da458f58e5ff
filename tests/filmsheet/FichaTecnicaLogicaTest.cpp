#include "filmsheet/FichaTecnica.h"

#include "shell/AlmacenDatos.h"

#include "soporte/CarpetaPruebas.h"

#include <gtest/gtest.h>

TEST(FichaTecnica, FormatearValorQuitaMarcadores) {
    for (const char* vacio : {"", "   ", "--", " -- ", "|", "-", "0", " 0 "})
        EXPECT_EQ(FormatearValor(QString::fromLatin1(vacio)), "") << vacio;
    EXPECT_EQ(FormatearValor(" 100|400 "), QStringLiteral("100–400"));
    EXPECT_EQ(FormatearValor("00"), "00");
    EXPECT_EQ(FormatearValor("T-Max"), "T-Max");
}

TEST(FichaTecnica, ColoresYNotasPorTextoExacto) {
    EXPECT_EQ(ColorFuente("Fabricante"), QColor(26, 82, 118));
    EXPECT_EQ(ColorFuente("fabricante"), QColor(127, 140, 141));
    EXPECT_EQ(NotaFuente("fabricante"), "");
    EXPECT_EQ(ColorFuente("Curva oficial"), QColor(108, 52, 131));
    EXPECT_EQ(NotaFuente("Curva oficial"),
              QStringLiteral("Leído del espectrograma publicado. Margen estimado ±10-20 nm."));
    EXPECT_EQ(ColorFuente("Paper/test"), QColor(30, 132, 73));
    EXPECT_EQ(NotaFuente("Estimado"),
              QStringLiteral("Inferido por tipo de emulsión. Referencia orientativa."));
    EXPECT_EQ(ColorFuente("Estimado"), QColor(127, 140, 141));
    EXPECT_EQ(ColorReciprocidad("Bajo"), QColor(39, 174, 96));
    EXPECT_EQ(ColorReciprocidad("Moderado"), QColor(243, 156, 18));
    EXPECT_EQ(ColorReciprocidad("Alto"), QColor(192, 57, 43));
    EXPECT_EQ(ColorReciprocidad("alto"), QColor(127, 140, 141));
    EXPECT_EQ(ColorReciprocidad("--"), QColor(127, 140, 141));
}

TEST(FichaTecnica, InsigniaSoloUnoEsDescatalogada) {
    EXPECT_EQ(InsigniaDiscontinuada(1).texto, "DESCONT.");
    EXPECT_EQ(InsigniaDiscontinuada(1).fondo, QColor(192, 40, 40));
    EXPECT_EQ(InsigniaDiscontinuada("1").texto, "DESCONT.");
    for (const QVariant& v :
         {QVariant(0), QVariant(-1), QVariant("sí"), QVariant(), QVariant(70000), QVariant(2)}) {
        EXPECT_EQ(InsigniaDiscontinuada(v).texto, "ACTIVA");
        EXPECT_EQ(InsigniaDiscontinuada(v).fondo, QColor(0, 160, 0));
    }
}

TEST(FichaTecnica, LecturaDeLaFilaYDelNombre) {
    CarpetaPruebas carpeta;
    ReferenceDb()->Insertar("Peliculas", {{"IdPelicula", 7}, {"Nombre", "Kodak Tri-X 400"}});
    ReferenceDb()->Insertar("PeliculasInfoTec", {{"IdPelicula", 7},
                                                 {"Fabricante", "Kodak"},
                                                 {"Discontinuada", 0},
                                                 {"RangoEspectralNm", "380|650"},
                                                 {"IsoNominal", QVariant()}});
    EXPECT_EQ(LeerNombrePelicula(7), "Kodak Tri-X 400");
    EXPECT_EQ(LeerNombrePelicula(8), "");
    const auto d = LeerDatosFicha(7);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->fabricante, "Kodak");
    EXPECT_EQ(d->rangoEspectralNm, "380|650");
    EXPECT_EQ(d->isoNominal, "");
    EXPECT_FALSE(LeerDatosFicha(8).has_value());
}

TEST(FichaTecnica, LaCurvaNoSaleDeSuCarpeta) {
    CarpetaPruebas carpeta;
    carpeta.Escribir("imag/curvas/Kodak Tri-X 400.jpg", "x");
    carpeta.Escribir("imag/secreto.jpg", "x");
    carpeta.Escribir("imag/curvas/Fuji: Acros.webp", "x");
    EXPECT_EQ(BuscarCurvaOficial("Kodak Tri-X 400"), carpeta.Archivo("imag/curvas/Kodak Tri-X 400.jpg"));
    // Used exactly as stored: no replacement of characters.
    EXPECT_EQ(BuscarCurvaOficial("Fuji: Acros"), carpeta.Archivo("imag/curvas/Fuji: Acros.webp"));
    EXPECT_EQ(BuscarCurvaOficial("../secreto"), "");
    EXPECT_EQ(BuscarCurvaOficial("..\\secreto"), "");
    EXPECT_EQ(BuscarCurvaOficial(""), "");
}

TEST(FichaTecnica, ConLaBaseCerradaNoLeeNada) {
    CarpetaPruebas carpeta;
    ReferenceDb()->Insertar("Peliculas", {{"IdPelicula", 1}, {"Nombre", "Foma 100"}});
    ReferenceDb()->Insertar("PeliculasInfoTec", {{"IdPelicula", 1}, {"Fabricante", "Foma"}});
    // As during a backup: the handle is closed for a while, then opened again.
    CerrarBasesDatos();
    EXPECT_EQ(LeerNombrePelicula(1), "");
    EXPECT_FALSE(LeerDatosFicha(1).has_value());
    AbrirBasesDatos();
    EXPECT_EQ(LeerNombrePelicula(1), "Foma 100");
    EXPECT_EQ(LeerDatosFicha(1)->fabricante, "Foma");
}

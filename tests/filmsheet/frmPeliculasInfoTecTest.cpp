#include "filmsheet/frmPeliculasInfoTec.h"
#include "filmsheet/ModeloEspectral.h"
#include "shell/AlmacenDatos.h"
#include "shell/Lienzo.h"
#include "shell/Numeros.h"
#include "soporte/AnfitrionPrueba.h"

#include "soporte/CarpetaPruebas.h"
#include "soporte/Etiquetas.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Tiempos : public VentanaModulo {
public:
    explicit Tiempos(Anfitrion&) { setObjectName(QStringLiteral("frmPeliculasReveladores")); }
};

class FichaTest : public ::testing::Test {
protected:
    void SetUp() override {
        mdi_.Area()->resize(1400, 860);
        auto* bd = ReferenceDb();
        bd->Insertar("Peliculas", {{"IdPelicula", 1}, {"Nombre", "Kodak Tri-X 400"}});
        bd->Insertar("Peliculas", {{"IdPelicula", 2}, {"Nombre", "Ilford Ortho Plus"}});
        bd->Insertar("Peliculas", {{"IdPelicula", 3}, {"Nombre", "Sin ficha"}});
        bd->Insertar("Peliculas", {{"IdPelicula", 4}, {"Nombre", "Marcadores"}});
        bd->Insertar("PeliculasInfoTec", {{"IdPelicula", 1},
                                          {"Fabricante", "Kodak"},
                                          {"IsoNominal", "400"},
                                          {"TipoGrano", "Cúbico"},
                                          {"SensibilidadEspectral", "Pancromática"},
                                          {"ProcesoCompatible", "B/N"},
                                          {"FechaLanzamiento", "1954"},
                                          {"FormatoDisponible", "35mm|120"},
                                          {"ReveladorIdeal", "D-76"},
                                          {"Discontinuada", 0},
                                          {"RangoEspectralNm", "380|660"},
                                          {"FuenteRangoEspectral", "Fabricante"},
                                          {"PicoSensibilidadNm", "540"},
                                          {"CorteRojoNm", "--"},
                                          {"CorteIrNm", ""},
                                          {"FalloReciprocidad", "Moderado"},
                                          {"CorreccionReciprocidad", "+1 paso a 10 s"},
                                          {"TamanioGranoRms", "17"},
                                          {"ResolucionLpMm", "100"}});
        bd->Insertar("PeliculasInfoTec", {{"IdPelicula", 2},
                                          {"SensibilidadEspectral", "Ortocromática"},
                                          {"RangoEspectralNm", "380|650"},
                                          {"Discontinuada", 1}});
        bd->Insertar("PeliculasInfoTec", {{"IdPelicula", 4},
                                          {"Fabricante", " -- "},
                                          {"IsoNominal", "0"},
                                          {"TipoGrano", "|"},
                                          {"FalloReciprocidad", "--"},
                                          {"FuenteRangoEspectral", "fabricante"},
                                          {"Discontinuada", "x"}});
    }
    frmPeliculasInfoTec* Ficha(int id) {
        auto* ficha = mdi_.Abrir<frmPeliculasInfoTec>();
        ficha->Mostrar(id);
        return ficha;
    }
    QString Texto(QWidget* w, const char* nombre) { return w->findChild<QLabel*>(nombre)->text(); }
    QColor ColorDe(QWidget* w, const char* nombre) {
        return w->findChild<QLabel*>(nombre)->palette().color(QPalette::WindowText);
    }

    CarpetaPruebas carpeta_;
    AnfitrionPrueba mdi_{true};
};

} // namespace

TEST_F(FichaTest, FilaCompleta) {
    auto* f = Ficha(1);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Info técnica: Kodak Tri-X 400");
    EXPECT_EQ(Texto(f, "lblNombre"), "Kodak Tri-X 400");
    EXPECT_EQ(Texto(f, "lblFormato"), QStringLiteral("35mm–120"));
    EXPECT_EQ(Texto(f, "lblRango"), QStringLiteral("380–660"));
    EXPECT_EQ(Texto(f, "lblCorteRojo"), "");
    EXPECT_EQ(Texto(f, "lblDiscontinuada"), "ACTIVA");
    EXPECT_EQ(Texto(f, "lblFuenteRango"), "Fabricante");
    EXPECT_EQ(ColorDe(f, "lblFuenteRango"), QColor(26, 82, 118));
    EXPECT_EQ(Texto(f, "lblNotaFuente"), "Valor declarado en el datasheet oficial del fabricante.");
    EXPECT_EQ(ColorDe(f, "lblRecip"), QColor(243, 156, 18));
    EXPECT_EQ(Texto(f, "lblResLp"), "100");
    EXPECT_TRUE(f->findChild<QWidget*>("picCaract")->isVisible());
    EXPECT_FALSE(f->findChild<QWidget*>("lblSinDatos")->isVisible());
    EXPECT_EQ(Texto(f, "lblTipoCurva"), QStringLiteral("Curva aprox.\n(datos estimados)"));
}

TEST_F(FichaTest, MarcadoresYEstadoNoConvertible) {
    auto* f = Ficha(4);
    EXPECT_EQ(Texto(f, "lblFabric"), "");
    EXPECT_EQ(Texto(f, "lblIso"), "");
    EXPECT_EQ(Texto(f, "lblGrano"), "");
    // Shown exactly as stored.
    EXPECT_EQ(Texto(f, "lblRecip"), "--");
    EXPECT_EQ(ColorDe(f, "lblRecip"), QColor(127, 140, 141));
    EXPECT_EQ(ColorDe(f, "lblFuenteRango"), QColor(127, 140, 141));
    EXPECT_EQ(Texto(f, "lblNotaFuente"), "");
    EXPECT_EQ(Texto(f, "lblDiscontinuada"), "ACTIVA");
    f = Ficha(2);
    EXPECT_EQ(Texto(f, "lblDiscontinuada"), "DESCONT.");
    EXPECT_EQ(f->findChild<QLabel*>("lblDiscontinuada")->palette().color(QPalette::Window),
              QColor(192, 40, 40));
}

TEST_F(FichaTest, SinFilaDeFichaNiDePelicula) {
    auto* f = Ficha(3);
    EXPECT_EQ(f->windowTitle(), "Info técnica: Sin ficha");
    EXPECT_TRUE(f->findChild<QWidget*>("lblSinDatos")->isVisible());
    EXPECT_EQ(Texto(f, "lblSinDatos"), "Sin datos técnicos para esta película");
    EXPECT_FALSE(f->findChild<QWidget*>("picEspectral")->isVisible());
    EXPECT_EQ(Texto(f, "lblTipoCurva"), "");
    f = Ficha(42);
    EXPECT_EQ(Texto(f, "lblNombre"), "Película 42");
    EXPECT_EQ(f->windowTitle(), "Info técnica: ");
}

// The user's own film has no reference row: the sheet goes by the name it is given.
TEST_F(FichaTest, PeliculaPropiaPorSuNombreSinDatos) {
    auto* f = Ficha(1);
    f->Mostrar(0, QStringLiteral("Mi emulsión \U0001F600"));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Info técnica: Mi emulsión \U0001F600"));
    EXPECT_TRUE(f->findChild<QWidget*>("lblSinDatos")->isVisible());
    EXPECT_EQ(Texto(f, "lblFabric"), "") << "nada queda de la película anterior";
}

TEST_F(FichaTest, CurvaEstimadaDibujada) {
    auto* f = Ficha(1);
    const Lienzo* c = f->findChild<Lienzo*>("picCurva");
    const ParametrosEspectrales p =
        DerivarParametros(QStringLiteral("380–660"), "540", "", "", "pancromática");
    const EscalaEspectral e(c->AnchoTwips(), c->AltoTwips(), p.xMaximo);
    // UV band, away from texts and grid lines.
    EXPECT_EQ(c->PixelEn(e.X(340), (e.yTop + e.Y(0.75)) / 2 + 60), QColor(240, 232, 248));
    // The curve's top at the peak.
    EXPECT_EQ(c->PixelEn(e.X(540), e.yTop), QColor(40, 60, 130));
    // Spectrum bar.
    EXPECT_EQ(c->PixelEn(e.X(550), e.yBot + 275), ColorLongitudOnda(550));
    // Dotted peak marker: many of its column's pixels, not all.
    const int x = TwipsAPixeles(e.X(540));
    int marcados = 0, total = 0;
    for (int y = TwipsAPixeles(e.yTop + 400); y < TwipsAPixeles(e.yBot - 30); ++y, ++total)
        marcados += c->Buffer().pixelColor(x, y) == QColor(180, 40, 40);
    EXPECT_GT(marcados, total / 4);
    EXPECT_LT(marcados, total);
}

TEST_F(FichaTest, CurvaOficialYDobleClic) {
    QDir().mkpath(carpeta_.Archivo("imag/curvas"));
    QImage img(200, 100, QImage::Format_RGB32);
    img.fill(QColor(10, 200, 30));
    ASSERT_TRUE(img.save(carpeta_.Archivo("imag/curvas/Kodak Tri-X 400.jpg"), "JPG"));
    auto* f = Ficha(1);
    EXPECT_EQ(Texto(f, "lblTipoCurva"), QStringLiteral("Curva oficial\ndel fabricante"));
    EXPECT_EQ(ColorDe(f, "lblTipoCurva"), QColor(26, 82, 118));
    auto* c = f->findChild<Lienzo*>("picCurva");
    EXPECT_EQ(c->toolTip(), "Doble clic para ver la imagen ampliada");
    // Fitted to the width, centred vertically.
    const QColor centro = c->PixelEn(c->AnchoTwips() / 2, c->AltoTwips() / 2);
    EXPECT_NEAR(centro.green(), 200, 12);

    // A double click asks the host for the picture full size, under the film's name.
    QTest::mouseDClick(c, Qt::LeftButton);
    ASSERT_EQ(mdi_.imagenes.size(), 1u);
    EXPECT_EQ(mdi_.imagenes[0].ruta, f->RutaCurva());
    EXPECT_EQ(mdi_.imagenes[0].titulo, QStringLiteral("Kodak Tri-X 400"));
    EXPECT_FALSE(mdi_.imagenes[0].llenar);

    QFile::remove(f->RutaCurva());
    QTest::mouseDClick(c, Qt::LeftButton);
    EXPECT_EQ(mdi_.imagenes.size(), 1u) << "sin archivo no se pide nada";
}

TEST_F(FichaTest, SeColocaJuntoALaVentanaDeTiempos) {
    auto* t = mdi_.Abrir<Tiempos>();
    t->Marco()->setGeometry(10, 20, 300, 400);
    auto* f = Ficha(1);
    EXPECT_EQ(f->Marco()->pos(), QPoint(310, 20));
    // Near the right edge it goes to the left of the window, never below 0.
    const int cliente = mdi_.Area()->viewport()->width();
    t->Marco()->setGeometry(cliente - 200, 30, 150, 400);
    Ficha(1);
    EXPECT_EQ(f->Marco()->pos(), QPoint(cliente - 200 - f->Marco()->width(), 30));
    t->Marco()->setGeometry(100, 40, cliente - 150, 400);
    Ficha(1);
    EXPECT_EQ(f->Marco()->pos(), QPoint(0, 40));
}

TEST_F(FichaTest, TextosConMarcasSeMuestranTalCual) {
    ReferenceDb()->Insertar("Peliculas", {{"IdPelicula", 6}, {"Nombre", "<b>Negrita</b> 100"}});
    ReferenceDb()->Insertar(
        "PeliculasInfoTec",
        {{"IdPelicula", 6}, {"FalloReciprocidad", "<i>Alto</i>"}, {"Fabricante", "A &lt; B"}});
    auto* f = Ficha(6);
    EXPECT_EQ(Texto(f, "lblNombre"), "<b>Negrita</b> 100");
    for (const char* nombre : {"lblNombre", "lblRecip", "lblFabric"})
        EXPECT_TRUE(MuestraTalCual(f->findChild<QLabel*>(nombre))) << nombre;
}

TEST_F(FichaTest, SigueSirviendoTrasCerrarYReabrirLasBases) {
    auto* f = Ficha(1);
    CerrarBasesDatos();
    f->Mostrar(2);
    EXPECT_EQ(Texto(f, "lblNombre"), "");
    EXPECT_EQ(Texto(f, "lblFabric"), "");
    AbrirBasesDatos();
    f->Mostrar(1);
    EXPECT_EQ(Texto(f, "lblNombre"), "Kodak Tri-X 400");
    EXPECT_EQ(Texto(f, "lblFabric"), "Kodak");
}

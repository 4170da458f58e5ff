#include "devtimes/frmPeliculasReveladoresDiscont.h"
#include "shell/Lienzo.h"
#include "shell/Tema.h"

#include "FixtureTiempos.h"
#include "ManejoVentana.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

const QColor kRojoPar(245, 208, 208), kRojoImpar(255, 232, 232);
const QColor kAzulPar(192, 216, 245), kAzulImpar(208, 232, 255);

class frmPeliculasReveladoresDiscontTest : public ::testing::Test {
protected:
    using Ventana = ManejoVentana<frmPeliculasReveladoresDiscont>;

    void SetUp() override {
        using fixture::Discontinuado;
        const QString ambos = "Ambos discontinuados";
        Discontinuado("PeliculasDisc", "Agfapan 25", "Rodinal", "100", ambos);
        Discontinuado("PeliculasDisc", "Agfapan 25", "Rodinal", "25", ambos, "18");
        Discontinuado("PeliculasDisc", "Agfapan 25", "Rodinal", "400", ambos, "20", " 6 ");
        Discontinuado("PeliculasDisc", "Agfapan 25", "Neofin", "50",
                      QStringLiteral("Película discontinuada"));
        Discontinuado("PeliculasDisc", "Agfapan 25", "Xtol", "25", "otro");
        Discontinuado("PeliculasDisc", "Panatomic-X", "D-76", "32", QStringLiteral("Película discontinuada"));
        Discontinuado("ReveladoresDisc", "Tri-X", "Microphen", "400", "Revelador discontinuado");
        Discontinuado("ReveladoresDisc", "HP5", "Microphen", "400", "Revelador discontinuado", "24");
    }
    CarpetaPruebas carpeta_;
};

} // namespace

TEST_F(frmPeliculasReveladoresDiscontTest, AlAbrirSinNotasNiFichaTecnica) {
    Ventana v;
    EXPECT_EQ(v.ventana->windowTitle(), QStringLiteral("Discontinuados - Buscar por Película"));
    EXPECT_EQ(v.Items(), (QStringList{"Agfapan 25", "Panatomic-X"}));
    EXPECT_EQ(v.Conteo(), QStringLiteral("2 películas"));
    EXPECT_EQ(v.Cabecera(0), "Revelador");
    EXPECT_EQ(v.Cabecera(7), "Estado");
    EXPECT_EQ(v.Grid()->columnWidth(7), 160);
    EXPECT_EQ(v.Grid()->rowCount(), 1);
    EXPECT_EQ(v.ventana->findChild<QCheckBox*>(), nullptr);
    EXPECT_EQ(v.ventana->findChild<QPlainTextEdit*>(), nullptr);
    EXPECT_EQ(v.ventana->findChild<QWidget*>("picNotas"), nullptr);
}

TEST_F(frmPeliculasReveladoresDiscontTest, FilasEnOrdenDeTextoYColoresDeEstado) {
    Ventana v;
    v.Clic("Agfapan 25");
    EXPECT_EQ(v.Opciones(), (QStringList{"(Todas)", "18", "20"}));
    EXPECT_EQ(v.Columna(0), (QStringList{"Neofin", "Rodinal", "Rodinal", "Rodinal", "Xtol"}));
    EXPECT_EQ(v.Columna(2), (QStringList{"50", "100", "25", "400", "25"}));
    EXPECT_EQ(v.Fila(4),
              (QStringList{"Rodinal", "1+9", "400", " 6 ", "", "10", "20", "Ambos discontinuados"}));
    EXPECT_EQ(v.Estado(), "  Agfapan 25  -  5 combinaciones");
    EXPECT_EQ(v.Grid()->item(3, 7)->toolTip(), "Ambos discontinuados");
    EXPECT_EQ(v.ColorDeFila(1), kAzulImpar);
    EXPECT_EQ(v.ColorDeFila(2), kRojoPar);
    EXPECT_EQ(v.ColorDeFila(3), kRojoImpar);
    EXPECT_EQ(v.ColorDeFila(4), kRojoPar);
    EXPECT_EQ(v.ColorDeFila(5), Tema::ColorFilaAlterna);
    EXPECT_EQ(v.ventana->FilaActual(), 0);

    // The highlight leaves each row in its own status colour.
    v.ClicFila(2);
    EXPECT_EQ(v.ColorDeFila(2), Tema::ColorSeleccion);
    v.ClicFila(3);
    EXPECT_EQ(v.ColorDeFila(2), kRojoPar);
    EXPECT_EQ(v.ColorDeFila(3), Tema::ColorSeleccion);
    v.ClicFila(1);
    EXPECT_EQ(v.ColorDeFila(3), kRojoImpar);
    for (const auto& f : v.anfitrion.fichas)
        EXPECT_TRUE(f.cerrar) << "sin casilla de ficha no se pide ninguna";

    v.ElegirTemperatura("18");
    EXPECT_EQ(v.Columna(2), QStringList{"25"});
    v.Clic("Panatomic-X");
    EXPECT_EQ(v.Temperaturas()->currentText(), "(Todas)");
    EXPECT_EQ(v.ColorDeFila(1), kAzulImpar);
}

TEST_F(frmPeliculasReveladoresDiscontTest, ModoReveladorYFotoEnSuCarpeta) {
    fixture::Foto(carpeta_, "imag\\devs\\discont\\Microphen.jpg", 30, 30, Qt::blue);
    carpeta_.Escribir("imag\\devs\\Microphen.jpg", QByteArray("no es una imagen"));
    Ventana v;
    QTest::keyClicks(v.Control<QLineEdit>("txtFiltro"), "pana");
    EXPECT_EQ(v.Items(), QStringList{"Panatomic-X"});
    v.ventana->ModoRevelador();
    EXPECT_EQ(v.ventana->windowTitle(), "Discontinuados - Buscar por Revelador");
    EXPECT_EQ(v.Control<QLineEdit>("txtFiltro")->text(), "");
    EXPECT_EQ(v.Items(), QStringList{"Microphen"});
    EXPECT_EQ(v.Conteo(), "1 reveladores");
    v.Clic("Microphen");
    EXPECT_EQ(v.Columna(0), (QStringList{"HP5", "Tri-X"}));
    EXPECT_EQ(v.Cabecera(0), QStringLiteral("Película"));
    EXPECT_EQ(v.ColorDeFila(1), QColor(208, 255, 208));
    EXPECT_EQ(v.ColorDeFila(2), QColor(192, 240, 192));
    auto* pic = v.Control<Lienzo>("picImagen");
    EXPECT_GT(pic->PixelEn(1500, 1500).blue(), 200);
    EXPECT_EQ(pic->toolTip(), "Doble clic para ver la imagen ampliada");
}

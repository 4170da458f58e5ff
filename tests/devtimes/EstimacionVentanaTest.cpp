#include "devtimes/TiemposPropios.h"
#include "devtimes/frmPeliculasReveladores.h"
#include "devtimes/frmTiempoPropio.h"
#include "shell/Tema.h"
#include "timer/DatosRevelado.h"

#include "FixtureTiempos.h"
#include "ManejoVentana.h"
#include "soporte/DialogosGuion.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

using Ventana = ManejoVentana<frmPeliculasReveladores>;

class EstimacionVentana : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::Pelicula(1, "Kodak Tri-X 400");
        fixture::Pelicula(2, "Fomapan 100");
        fixture::Revelador(11, "D-76");
        fixture::Revelador(12, "Rodinal");
        fixture::Codigo("KO-F4017", "hoja de Kodak");
        for (const auto& [iso, temp, t] : {std::tuple{"400", "20", "7:30"}, std::tuple{"800", "20", "9:45"},
                                           std::tuple{"1600", "20", "12:00"}, std::tuple{"400", "22", "6:30"},
                                           std::tuple{"400", "24", "5:30"}})
            fixture::Tiempo(1, 11, iso, temp, t, "[KO-F4017]", "stock");
        fixture::Tiempo(1, 12, "400", "20", "11:00", "sin hoja");
        fixture::Tiempo(2, 12, "100", "20", "9:00", "[KO-F4017]");
    }
    // The data row whose developer, ISO and temperature are these; 0 when none.
    static int Buscar(const Ventana& v, const QString& revelador, const QString& iso, const QString& temp) {
        for (int f = 1; f <= v.ventana->FilasDatos(); ++f)
            if (v.Fila(f)[0] == revelador && v.Fila(f)[2] == iso && v.Fila(f)[6] == temp)
                return f;
        return 0;
    }
    static QString Notas(const Ventana& v) { return v.Control<QPlainTextEdit>("txtNotas")->toPlainText(); }
    static int FilasReferencia() {
        return ReferenceDb()->Consultar("SELECT COUNT(*) FROM Tiempos").Campo(0).toInt();
    }

    CarpetaPruebas carpeta_;
};

} // namespace

TEST_F(EstimacionVentana, OtroIsoAnadeUnaFilaEstimadaQueNoSeGuarda) {
    Ventana v;
    v.Clic("Kodak Tri-X 400");
    const int filas = v.ventana->FilasDatos();
    const int fila400 = Buscar(v, "D-76", "400", "20");
    ASSERT_GE(fila400, 1);
    v.MenuFila(fila400);
    EXPECT_TRUE(v.Accion("mnuEstimarIso")->isEnabled());
    EXPECT_TRUE(v.Accion("mnuEstimarTemperatura")->isEnabled());
    // A text that is no EI is asked for again, with what was typed.
    Guion().textos = {QString("seiscientos"), QString("640")};
    v.Elegir("mnuEstimarIso");
    ASSERT_EQ(Guion().llamadas.size(), 3u);
    EXPECT_EQ(Guion().llamadas[1].tipo, DialogosGuion::Tipo::Informar);
    EXPECT_EQ(Guion().llamadas[2].inicial, "seiscientos");

    ASSERT_EQ(v.ventana->FilasDatos(), filas + 1);
    const int estimada = Buscar(v, "D-76", "640", "20");
    // In EI order, right before 800: 450 s × (585/450)^log2(1.6) = 537.6 s.
    ASSERT_EQ(estimada, Buscar(v, "D-76", "800", "20") - 1);
    ASSERT_GT(estimada, Buscar(v, "D-76", "400", "24"));
    EXPECT_EQ(v.Fila(estimada).mid(3, 3), (QStringList{"≈8:58", "", ""}));
    EXPECT_EQ(v.ColorDeFila(estimada), Tema::ColorSeleccion); // highlighted as the row shown
    EXPECT_TRUE(Notas(v).startsWith(QStringLiteral(
        "Estimado entre ISO 400 (7:30) e ISO 800 (9:45) de la hoja [KO-F4017], interpolación")))
        << Notas(v).toStdString();
    v.ClicFila(1);
    EXPECT_EQ(v.ColorDeFila(estimada), Tema::ColorFilaEstimada);
    EXPECT_EQ(FilasReferencia(), 7);

    // An estimated row is not estimated from again, but it is copied and timed without its mark.
    v.MenuFila(estimada);
    EXPECT_FALSE(v.Accion("mnuEstimarIso")->isEnabled());
    EXPECT_TRUE(v.Accion("mnuCopiarComoMiTiempo")->isEnabled());
    v.Elegir("mnuCopiarComoMiTiempo");
    auto* dialogo = v.DialogoPropio();
    ASSERT_NE(dialogo, nullptr);
    EXPECT_EQ(dialogo->findChild<QLineEdit*>("txt35")->text(), "8:58");
    EXPECT_TRUE(
        dialogo->findChild<QPlainTextEdit*>("txtNota")->toPlainText().startsWith(u"Estimado entre ISO 400"));
    dialogo->close();
    v.MenuFila(estimada);
    v.Elegir("mnuIniciarTemporizador");
    // The timer is asked for with the time itself, without the mark.
    ASSERT_EQ(v.anfitrion.revelados.size(), 1u);
    EXPECT_EQ(v.anfitrion.revelados.back().segundos[0], 8 * 60 + 58);

    // Another film drops the estimates; coming back does not bring them.
    v.Clic("Fomapan 100");
    v.Clic("Kodak Tri-X 400");
    EXPECT_EQ(v.ventana->FilasDatos(), filas);
}

TEST_F(EstimacionVentana, SinEstimacionDiceElMotivoYNoAnadeNada) {
    Ventana v;
    v.Clic("Kodak Tri-X 400");
    const int filas = v.ventana->FilasDatos();
    v.MenuFila(Buscar(v, "D-76", "400", "20"));
    Guion().textos = {QString("200")};
    v.Elegir("mnuEstimarIso");
    ASSERT_EQ(Guion().llamadas.size(), 2u);
    EXPECT_TRUE(Guion().llamadas[1].texto.contains(u"por debajo del menor ISO"))
        << Guion().llamadas[1].texto.toStdString();
    EXPECT_EQ(v.ventana->FilasDatos(), filas);

    // Cancelled: nothing asked further.
    Guion().llamadas.clear();
    Guion().textos = {std::nullopt};
    v.MenuFila(Buscar(v, "D-76", "400", "20"));
    v.Elegir("mnuEstimarIso");
    EXPECT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(v.ventana->FilasDatos(), filas);

    // A row that names no maker's sheet offers no estimate.
    v.MenuFila(Buscar(v, "Rodinal", "400", "20"));
    EXPECT_FALSE(v.Accion("mnuEstimarIso")->isEnabled());
    EXPECT_FALSE(v.Accion("mnuEstimarTemperatura")->isEnabled());
}

TEST_F(EstimacionVentana, OtraTemperaturaDesdeLaMasCercanaAunConFiltro) {
    Ventana v;
    v.Clic("Kodak Tri-X 400");
    v.ElegirTemperatura("20");
    v.MenuFila(Buscar(v, "D-76", "400", "20"));
    Guion().textos = {QString("23 °C")};
    v.Elegir("mnuEstimarTemperatura");
    ASSERT_TRUE(Guion().llamadas.size() == 1u) << Guion().llamadas.back().texto.toStdString();
    // The filter at 20 °C would hide it: every temperature is shown.
    EXPECT_EQ(v.Temperaturas()->currentText(), "(Todas)");
    const int estimada = Buscar(v, "D-76", "400", "23");
    ASSERT_GE(estimada, 1);
    // From 22 °C (6:30), Q10 2.0 over one degree: 390 / 2^0.1 = 363.9 s.
    EXPECT_EQ(v.Fila(estimada)[3], "≈6:04");
    EXPECT_TRUE(Notas(v).startsWith(u"Compensado de 22 °C de la hoja [KO-F4017] a 23 °C con Q10 2,0"))
        << Notas(v).toStdString();
}

// Entries without times are grey before a click; an own time takes a film out of the grey.
TEST_F(EstimacionVentana, SinTiemposEnGrisYConteo) {
    fixture::Pelicula(3, "Sin Tiempos");
    fixture::Pelicula(4, "Solo Propios");
    fixture::Revelador(13, "Sin Uso");
    GuardarTiempoPropio(fixture::Propio("solo propios", "D-76", "", "400"));
    Ventana v;
    EXPECT_EQ(v.Conteo(), QStringLiteral("4 películas, 3 con tiempos"));
    for (int i = 0; i < v.Lista()->count(); ++i) {
        const bool gris = v.Lista()->item(i)->foreground().color() == Tema::ColorSinTiempos;
        EXPECT_EQ(gris, v.Lista()->item(i)->text() == "Sin Tiempos")
            << v.Lista()->item(i)->text().toStdString();
    }
    v.Control<QRadioButton>("optRevelador")->click();
    EXPECT_EQ(v.Conteo(), QStringLiteral("3 reveladores, 2 con tiempos"));
    EXPECT_EQ(v.Lista()->item(2)->text(), "Sin Uso");
    EXPECT_EQ(v.Lista()->item(2)->foreground().color(), Tema::ColorSinTiempos);
}

#include "calculators/frmCalcTiempoTemp.h"

#include "calculators/PerfilesTemp.h"
#include "shell/Archivos.h"
#include "shell/Lienzo.h"
#include "soporte/CarpetaPruebas.h"
#include "soporte/DialogosGuion.h"
#include "soporte/VentanaPrueba.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CalcTiempoTemp : public ::testing::Test, public VentanaPrueba<frmCalcTiempoTemp> {
protected:
    void Abrir(const QByteArray& perfiles = {}) {
        if (!perfiles.isNull())
            carpeta.Escribir("perfiles_temp.txt", perfiles);
        VentanaPrueba::Abrir();
    }
    void Elegir(int fila) { C<QListWidget>("lstPerfiles")->setCurrentRow(fila); }
    QByteArray Archivo() {
        w->close();
        QByteArray contenido;
        LeerArchivo(RutaPerfiles(), contenido);
        return contenido;
    }
    const DialogosGuion::Llamada& Ultima() { return Guion().llamadas.back(); }

    CarpetaPruebas carpeta{false};
};

} // namespace

TEST_F(CalcTiempoTemp, VentanaPorDefectoYCopia) {
    Abrir();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Compensación de temperatura"));
    EXPECT_EQ(w->size(), QSize(700, 604));
    EXPECT_TRUE(C<QRadioButton>("optFormula0")->isChecked());
    EXPECT_TRUE(C<QRadioButton>("optRev1")->isChecked());
    EXPECT_TRUE(C<QRadioButton>("optAgi1")->isChecked());
    EXPECT_EQ(Texto("lblFml"), "factor = 2 ^ (-(dT/7)) / FactAgi  [Arrhenius/Orvande]");
    EXPECT_EQ(Texto("lblTotal"), "= 10:00");
    EXPECT_EQ(Texto("lblDelta"), QStringLiteral("´T = 0.0°C"));
    EXPECT_EQ(C<QListWidget>("lstPerfiles")->count(), 0);

    Clic("btnCopiar");
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("Tiempo compensado: 10:00\r\nFactor: x1.000   Q10: 2.20   ´T: 0.0°C\r\n"
                             "T.base: 20.0°C\r\nT.actual: 20.0°C"));
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Ultima().texto, "Copiado al portapapeles.");
    EXPECT_EQ(Ultima().icono, Icono::Informacion);

    // No profile file yet: closing writes an empty one.
    EXPECT_EQ(Archivo(), "");
    EXPECT_TRUE(QFile::exists(RutaPerfiles()));
}

TEST_F(CalcTiempoTemp, TemperaturaTecleadaMueveLaBarra) {
    Abrir();
    auto* hsc = C<QScrollBar>("hscTempBase");
    Teclear("txtTempBase", "21,5");
    EXPECT_EQ(hsc->value(), 215);
    EXPECT_EQ(Texto("lblDelta"), QStringLiteral("´T = -1.5°C"));
    QTest::keyClick(C("txtTempBase"), Qt::Key_Return);
    EXPECT_EQ(Texto("txtTempBase"), "21.5");

    Teclear("txtTempAct", " 24.0 ");
    EXPECT_EQ(C<QScrollBar>("hscTempAct")->value(), 240);
    Teclear("txtTempBase", "35");
    EXPECT_EQ(hsc->value(), 215);
    Teclear("txtTempBase", "abc");
    EXPECT_EQ(hsc->value(), 215);
    EXPECT_EQ(Texto("lblDelta"), QStringLiteral("´T = +2.5°C"));
    // Leaving the box shows again the temperature in use.
    QTest::keyClick(C("txtTempBase"), Qt::Key_Return);
    EXPECT_EQ(Texto("txtTempBase"), "21.5");

    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Teclear("txtTempBase", "20.5");
    QTest::keyClick(C("txtTempBase"), Qt::Key_Return);
    const QString espanol = Texto("txtTempBase");
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(hsc->value(), 205);
    EXPECT_EQ(espanol, "20,5");
}

TEST_F(CalcTiempoTemp, BarrasYOpcionesRecalculan) {
    Abrir();
    C<QScrollBar>("hscTempAct")->setValue(240);
    EXPECT_EQ(Texto("txtTempAct"), "24.0");
    EXPECT_TRUE(Texto("lblFactor").startsWith("Factor: x0.673"));
    Clic("optFormula1");
    Clic("optRev0");
    EXPECT_EQ(Texto("lblFml"), "factor = Q10ef ^ ((T_base - T_actual) / 10)  [Ilford]");
    EXPECT_EQ(Texto("lblFactor"), QStringLiteral("Factor: x0.758   Q10: 2.00   ´T: +4.0°C"));
    Teclear("txtMin", "0");
    Teclear("txtSeg", "0");
    EXPECT_EQ(Texto("lblTotal"), "= 00:00");
    Clic("btnCopiar");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Tiempo compensado: 00:01\r\n"));
}

TEST_F(CalcTiempoTemp, CargarPerfilesYAplicarlos) {
    Abrir("A|0|1|20.0|600\r\nB|1|2\r\nD|3|0|35.0|754|1|9.5\r\nE|9|9|20.0|600|7|20.0\r\n");
    auto* lista = C<QListWidget>("lstPerfiles");
    ASSERT_EQ(lista->count(), 3);
    EXPECT_EQ(lista->item(1)->text(), "D");

    Clic("btnCargar"); // nothing selected: nothing happens
    EXPECT_EQ(Texto("txtMin"), "10");
    Elegir(1);
    Clic("btnCargar");
    EXPECT_TRUE(C<QRadioButton>("optRev3")->isChecked());
    EXPECT_TRUE(C<QRadioButton>("optAgi0")->isChecked());
    EXPECT_TRUE(C<QRadioButton>("optFormula1")->isChecked());
    EXPECT_EQ(Texto("txtTempBase"), "30.0");
    EXPECT_EQ(C<QScrollBar>("hscTempBase")->value(), 300);
    EXPECT_EQ(Texto("txtTempAct"), "10.0");
    EXPECT_EQ(C<QScrollBar>("hscTempAct")->value(), 100);
    EXPECT_EQ(Texto("txtMin"), "12");
    EXPECT_EQ(Texto("txtSeg"), "34");
    EXPECT_EQ(Texto("lblTotal"), "= 12:34");
    EXPECT_EQ(Texto("lblDelta"), QStringLiteral("´T = -20.0°C"));

    Elegir(2); // indices out of their groups: the default choices
    Clic("btnCargar");
    EXPECT_TRUE(C<QRadioButton>("optRev1")->isChecked());
    EXPECT_TRUE(C<QRadioButton>("optAgi1")->isChecked());
    EXPECT_TRUE(C<QRadioButton>("optFormula0")->isChecked());
    EXPECT_EQ(Texto("lblFactor"), QStringLiteral("Factor: x1.000   Q10: 2.20   ´T: 0.0°C"));

    // The skipped line and the stored values stay as they were.
    EXPECT_EQ(Archivo(),
              "A|0|1|20.0|600|0|20.0\r\nB|1|2\r\nD|3|0|35.0|754|1|9.5\r\nE|9|9|20.0|600|7|20.0\r\n");
}

TEST_F(CalcTiempoTemp, GuardarPerfil) {
    Abrir("uno|0|1|20.0|600|0|20.0\r\ndos|0|1|20.0|600|0|20.0\r\n");
    Guion().textos.push_back(QStringLiteral("  nuevo|raro  "));
    Clic("btnGuardarPerfil");
    ASSERT_EQ(Guion().llamadas.size(), 2u);
    const auto& pedir = Guion().llamadas[0];
    EXPECT_EQ(pedir.titulo, "Guardar perfil");
    EXPECT_EQ(pedir.texto, "Nombre del perfil:");
    EXPECT_TRUE(QRegularExpression("^\\d{6}_\\d{6}_Regla7_HC110$").match(pedir.inicial).hasMatch())
        << pedir.inicial.toStdString();
    EXPECT_EQ(Ultima().texto, "Perfil guardado.");
    auto* lista = C<QListWidget>("lstPerfiles");
    ASSERT_EQ(lista->count(), 3);
    EXPECT_EQ(lista->item(2)->text(), QStringLiteral("nuevo\u00A6raro"));

    // The same name again replaces the profile in place.
    Clic("optFormula1");
    Clic("optAgi2");
    C<QScrollBar>("hscTempAct")->setValue(225);
    Teclear("txtMin", "7");
    Teclear("txtSeg", "5");
    Guion().textos.push_back(QStringLiteral("uno"));
    Clic("btnGuardarPerfil");
    EXPECT_TRUE(Guion().llamadas[2].inicial.endsWith("_Q10_HC110"));
    ASSERT_EQ(lista->count(), 3);
    EXPECT_EQ(lista->item(0)->text(), "uno");

    // Cancelled or blank: nothing saved.
    Guion().textos.push_back(std::nullopt);
    Guion().textos.push_back(QStringLiteral("   "));
    Clic("btnGuardarPerfil");
    Clic("btnGuardarPerfil");
    EXPECT_EQ(lista->count(), 3);

    EXPECT_EQ(Archivo(),
              "uno|1|2|20.0|425|1|22.5\r\ndos|0|1|20.0|600|0|20.0\r\nnuevo\xA6raro|1|1|20.0|600|0|20.0\r\n");
}

// Names the file cannot hold are refused with the reason and asked again with the text typed;
// what it can hold (accents, the euro sign, control characters) comes back exact after reopening.
TEST_F(CalcTiempoTemp, NombresLargosOAjenosAlArchivo) {
    Abrir();
    QString largo;
    while (largo.size() < 10000)
        largo += QStringLiteral("Rodinal 1+50 \U0001F4F7 ");
    const QString ajeno = QStringLiteral("\u05e9\u05dc\u05d5\u05dd \u202eD-76 \U0001F1EA\U0001F1F8");
    const QString bueno = QStringLiteral("Ñandú € \u0001\u001b\tfin") + QString(50 - 14, u'x');
    ASSERT_EQ(bueno.size(), 50);
    Guion().textos = {largo, ajeno, bueno};
    Clic("btnGuardarPerfil");
    const auto& l = Guion().llamadas;
    ASSERT_EQ(l.size(), 6u);
    EXPECT_TRUE(l[1].texto.contains(QStringLiteral("máximo es 50"))) << l[1].texto.toStdString();
    EXPECT_EQ(l[1].icono, Icono::Exclamacion);
    EXPECT_EQ(l[2].inicial, largo);
    EXPECT_TRUE(l[3].texto.contains(QStringLiteral("\u05e9")) &&
                l[3].texto.contains(QStringLiteral("\U0001F1EA")))
        << l[3].texto.toStdString();
    EXPECT_EQ(l[4].inicial, ajeno);
    EXPECT_EQ(l[5].texto, "Perfil guardado.");

    // Cancelling the question asked again saves nothing.
    Guion().textos = {largo, std::nullopt};
    Clic("btnGuardarPerfil");
    EXPECT_EQ(C<QListWidget>("lstPerfiles")->count(), 1);

    ASSERT_TRUE(w->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(VentanaPrueba::Abrir());
    auto* lista = C<QListWidget>("lstPerfiles");
    ASSERT_EQ(lista->count(), 1);
    EXPECT_EQ(lista->item(0)->text(), bueno);
}

// Each save and delete reaches the file at once, and a write that fails is reported.
TEST_F(CalcTiempoTemp, PerfilesEscritosAlMomentoYFalloDeEscrituraAvisado) {
    Abrir("uno|0|1|20.0|600|0|20.0\r\n");
    auto enDisco = [] {
        QByteArray contenido;
        LeerArchivo(RutaPerfiles(), contenido);
        return contenido;
    };
    Guion().textos.push_back(QStringLiteral("dos"));
    Clic("btnGuardarPerfil");
    EXPECT_EQ(Ultima().texto, "Perfil guardado.");
    EXPECT_EQ(enDisco(), "uno|0|1|20.0|600|0|20.0\r\ndos|1|1|20.0|600|0|20.0\r\n");
    Elegir(0);
    Guion().respuestas.push_back(Respuesta::Si);
    Clic("btnEliminar");
    EXPECT_EQ(enDisco(), "dos|1|1|20.0|600|0|20.0\r\n");

    // A folder where the file should be: nothing can replace it.
    ASSERT_TRUE(QFile::remove(RutaPerfiles()));
    ASSERT_TRUE(QDir().mkpath(RutaPerfiles()));
    const auto antes = Guion().llamadas.size();
    Guion().textos.push_back(QStringLiteral("tres"));
    Clic("btnGuardarPerfil");
    ASSERT_EQ(Guion().llamadas.size(), antes + 2);
    EXPECT_TRUE(Ultima().texto.startsWith("No se pudo guardar el archivo de perfiles: "))
        << Ultima().texto.toStdString();
    EXPECT_GT(Ultima().texto.size(), 45);
    EXPECT_EQ(Ultima().icono, Icono::Exclamacion);
    // The profile stays listed for another try.
    EXPECT_EQ(C<QListWidget>("lstPerfiles")->count(), 2);
}

// An existing file that cannot be read is never overwritten, and the user hears so once.
TEST_F(CalcTiempoTemp, ArchivoIlegibleNoSeSobrescribeYSeAvisaUnaVez) {
    ASSERT_TRUE(QDir().mkpath(RutaPerfiles()));
    Abrir();
    EXPECT_TRUE(Guion().llamadas.empty());
    Guion().textos.push_back(QStringLiteral("uno"));
    Guion().textos.push_back(QStringLiteral("dos"));
    Clic("btnGuardarPerfil");
    Clic("btnGuardarPerfil");
    int avisos = 0;
    for (const auto& llamada : Guion().llamadas)
        if (llamada.tipo == DialogosGuion::Tipo::Informar) {
            EXPECT_TRUE(llamada.texto.startsWith("No se pudo leer el archivo de perfiles: "))
                << llamada.texto.toStdString();
            ++avisos;
        }
    EXPECT_EQ(avisos, 1);
    EXPECT_EQ(C<QListWidget>("lstPerfiles")->count(), 2);
    w->close();
    EXPECT_TRUE(QFileInfo(RutaPerfiles()).isDir());
}

TEST_F(CalcTiempoTemp, MaximoDePerfiles) {
    QByteArray contenido;
    for (int i = 0; i < 51; ++i)
        contenido += "p" + QByteArray::number(i) + "|0|1|20.0|600|0|20.0\r\n";
    Abrir(contenido);
    EXPECT_EQ(C<QListWidget>("lstPerfiles")->count(), 51);
    Clic("btnGuardarPerfil");
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Ultima().tipo, DialogosGuion::Tipo::Informar);
    EXPECT_EQ(Ultima().texto, QStringLiteral("Máximo de perfiles alcanzado."));
    EXPECT_EQ(Ultima().icono, Icono::Exclamacion);
    EXPECT_EQ(Archivo(), contenido);
}

TEST_F(CalcTiempoTemp, EliminarElPrimeroDeTres) {
    const QByteArray tres =
        "uno|0|0|18.5|300|1|19.0\r\ndos|2|1|20.0|420|0|24.5\r\ntres|4|2|21.0|900|1|21.0\r\n";
    Abrir(tres);
    Elegir(0);
    Guion().respuestas.push_back(Respuesta::No);
    Clic("btnEliminar");
    EXPECT_EQ(Ultima().texto, "Eliminar 'uno'?");
    EXPECT_EQ(Ultima().tipo, DialogosGuion::Tipo::SiNo);
    EXPECT_EQ(Ultima().icono, Icono::Pregunta);
    EXPECT_EQ(C<QListWidget>("lstPerfiles")->count(), 3);
    Guion().respuestas.push_back(Respuesta::Si);
    Clic("btnEliminar");
    auto* lista = C<QListWidget>("lstPerfiles");
    ASSERT_EQ(lista->count(), 2);
    EXPECT_EQ(lista->item(0)->text(), "dos");
    EXPECT_EQ(Archivo(), tres.mid(tres.indexOf("dos")));
}

TEST_F(CalcTiempoTemp, ResultadoYGraficaDibujados) {
    Abrir();
    auto* g = C<Lienzo>("picG");
    const int W = g->AnchoTwips(), H = g->AltoTwips();
    const int xL = 600, PW = W - 660, yB = H - 500, PH = H - 680;
    auto x = [&](double t) { return xL + int(std::nearbyint((t - 10) / 20 * PW)); };
    auto y = [&](double f) { return yB - int(std::nearbyint((f - 0.2) / 2.2 * PH)); };
    EXPECT_EQ(g->PixelEn(x(12), y(1.0)), QColor(80, 68, 55));
    EXPECT_EQ(g->PixelEn(x(15), yB - 300), QColor(45, 38, 30));
    EXPECT_EQ(g->PixelEn(5, 5), QColor(12, 14, 16));
    EXPECT_EQ(g->PixelEn(x(25), y(std::pow(2.0, -5.0 / 7))), QColor(60, 130, 220));
    // Marker at 20 °C: circle of radius 90 around factor 1.0.
    EXPECT_EQ(g->PixelEn(x(20) + 90, y(1.0)), QColor(220, 80, 80));

    // The result is printed in green, centred in its panel.
    auto* r = C<Lienzo>("picResultado");
    int verdes = 0, izquierda = r->Buffer().width(), derecha = 0;
    for (int py = 0; py < r->Buffer().height(); ++py)
        for (int px = 0; px < r->Buffer().width(); ++px)
            if (r->Buffer().pixelColor(px, py).green() > 150) {
                ++verdes;
                izquierda = std::min(izquierda, px);
                derecha = std::max(derecha, px);
            }
    EXPECT_GT(verdes, 100);
    EXPECT_LE(std::abs((izquierda + derecha) - r->Buffer().width()), 12);
}

// The timer button asks the host for the timer with the calculator's inputs as they stand.
TEST_F(CalcTiempoTemp, ElTemporizadorSePideConLasEntradas) {
    Abrir();
    Teclear("txtTempAct", QStringLiteral("24.0"));
    Clic("optFormula1");
    Clic("optRev0");
    Clic("optAgi2");
    Teclear("txtMin", QStringLiteral("7"));
    Teclear("txtSeg", QStringLiteral("30"));
    Clic("btnTemporizador");
    ASSERT_EQ(anfitrion.calculos.size(), 1u);
    const CompensacionTecleada& c = anfitrion.calculos[0];
    EXPECT_EQ(c.segundosBase, 450);
    EXPECT_EQ(c.decimasBase, 200);
    EXPECT_EQ(c.decimasBano, 240);
    EXPECT_EQ(c.formula, 1);
    EXPECT_EQ(c.revelador, 0);
    EXPECT_EQ(c.agitacion, 2);
}

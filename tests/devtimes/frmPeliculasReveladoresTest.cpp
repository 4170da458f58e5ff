#include "devtimes/frmPeliculasReveladores.h"
#include "devtimes/frmPeliculasReveladoresDiscont.h"
#include "shell/Lienzo.h"
#include "shell/Tema.h"

#include "FixtureTiempos.h"
#include "ManejoVentana.h"
#include "shell/Controles.h"
#include "soporte/DialogosGuion.h"
#include "soporte/TextoExtrano.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

class frmPeliculasReveladoresTest : public ::testing::Test {
protected:
    using Ventana = ManejoVentana<frmPeliculasReveladores>;

    void SetUp() override {
        fixture::Pelicula(1, "Kodak Tri-X 400");
        fixture::Pelicula(2, "Fomapan 100");
        fixture::Pelicula(3, "O'Brien 50");
        fixture::Pelicula(4, "Sin Tiempos");
        fixture::Revelador(10, "Rodinal");
        fixture::Revelador(11, "D-76");
        fixture::Revelador(12, "Xtol");
        fixture::Codigo("A", "agitar cada minuto");
        fixture::Codigo("B", "prelavado");
        // Tri-X: D-76 at 24 and 20; Rodinal three ISOs at 20; Xtol at 20.
        fixture::Tiempo(1, 10, "400", "20", "12", "[A]");
        fixture::Tiempo(1, 10, "100", "20", QVariant(), "[B] largo");
        fixture::Tiempo(1, 10, "25", "20", " 7 ");
        fixture::Tiempo(1, 11, "400", "20", "9,5");
        fixture::Tiempo(1, 11, "200", "24", "6", "[A] [B]");
        fixture::Tiempo(1, 12, "400", "20", "7");
        // Fomapan: only at 24; O'Brien: only without temperature.
        fixture::Tiempo(2, 11, "100", "24", "5");
        fixture::Tiempo(3, 10, "50", QVariant(), "11");
    }
    QStringList Notas(const QString& tabla) {
        QStringList r;
        for (Consulta c = ReferenceDb()->Consultar("SELECT Texto FROM " + tabla); !c.Fin(); c.Siguiente())
            r << TextoSeguro(c.Campo(0));
        return r;
    }
    CarpetaPruebas carpeta_;
};

} // namespace

TEST_F(frmPeliculasReveladoresTest, AlAbrirListaPeliculasYGridVacio) {
    Ventana v;
    EXPECT_EQ(v.ventana->windowTitle(), QStringLiteral("Buscar por Película"));
    EXPECT_TRUE(v.Control<QRadioButton>("optPelicula")->isChecked());
    EXPECT_EQ(v.Items(), (QStringList{"Fomapan 100", "Kodak Tri-X 400", "O'Brien 50", "Sin Tiempos"}));
    EXPECT_EQ(v.Conteo(), QStringLiteral("4 películas, 3 con tiempos"));
    EXPECT_EQ(v.Control<QLabel>("lblModo")->text(), QStringLiteral("PELÍCULAS:"));
    EXPECT_EQ(v.Opciones(), QStringList{"(Todas)"});
    EXPECT_EQ(v.Grid()->rowCount(), 1);
    EXPECT_EQ(v.Fila(1), QStringList(8, QString()));
    QStringList cabeceras;
    for (int c = 0; c < 8; ++c)
        cabeceras << v.Cabecera(c);
    EXPECT_EQ(cabeceras, (QStringList{"Revelador", QStringLiteral("Dilución"), "ISO", "35 mm", "120", "Hoja",
                                      "Temp.", "Notas"}));
    EXPECT_TRUE(v.Control<QCheckBox>("chkInfoTecnica")->isVisible());
    EXPECT_FALSE(v.Control<QPushButton>("btnGuardarNota")->isEnabled());
    EXPECT_EQ(v.Grid()->columnWidth(0), 240);
}

TEST_F(frmPeliculasReveladoresTest, FiltroComillaSinCoincidenciasPatronRotoYEsc) {
    Ventana v;
    v.Clic("Kodak Tri-X 400");
    ASSERT_EQ(v.ventana->FilasDatos(), 6);
    auto* filtro = v.Control<QLineEdit>("txtFiltro");
    QTest::keyClicks(filtro, "o'b");
    EXPECT_EQ(v.Items(), QStringList{"O'Brien 50"});
    EXPECT_EQ(v.Conteo(), QStringLiteral("1 películas, 1 con tiempos"));
    QTest::keyClicks(filtro, "zz");
    EXPECT_TRUE(v.Items().isEmpty());
    EXPECT_EQ(v.Conteo(), QStringLiteral("0 películas, 0 con tiempos"));
    EXPECT_EQ(v.Grid()->rowCount(), 1);
    EXPECT_EQ(v.Fila(1), QStringList(8, QString()));
    EXPECT_EQ(v.ventana->FilasDatos(), 0);

    QTest::keyClick(filtro, Qt::Key_Escape);
    EXPECT_EQ(filtro->text(), "");
    EXPECT_EQ(v.Items().size(), 4);
    // An unclosed bracket is no pattern: nothing listed, nothing asked.
    QTest::keyClicks(filtro, "[k");
    EXPECT_TRUE(v.Items().isEmpty());
    EXPECT_EQ(v.Conteo(), QStringLiteral("0 películas, 0 con tiempos"));
    QTest::keyClicks(filtro, "]*tri");
    EXPECT_EQ(v.Items(), QStringList{"Kodak Tri-X 400"});
    EXPECT_TRUE(Guion().llamadas.empty());
}

TEST_F(frmPeliculasReveladoresTest, TiemposPorReveladorEIsoConEstado) {
    Ventana v;
    v.Clic("Kodak Tri-X 400");
    EXPECT_EQ(v.Opciones(), (QStringList{"(Todas)", "20", "24"}));
    EXPECT_EQ(v.Temperaturas()->currentText(), "(Todas)");
    EXPECT_EQ(v.Columna(0), (QStringList{"D-76", "D-76", "Rodinal", "Rodinal", "Rodinal", "Xtol"}));
    EXPECT_EQ(v.Columna(2), (QStringList{"200", "400", "25", "100", "400", "400"}));
    EXPECT_EQ(v.Fila(3), (QStringList{"Rodinal", "1+1", "25", "7", "9", "", "20", ""}));
    EXPECT_EQ(v.Fila(4)[3], "");
    EXPECT_EQ(v.Estado(), "  Kodak Tri-X 400  -  6 combinaciones");
    EXPECT_EQ(v.ventana->FilasDatos(), 6);
    // Row 1 is shown in detail straight away, without the highlight.
    EXPECT_EQ(v.Control<QPlainTextEdit>("txtNotas")->toPlainText(),
              "[A]  agitar cada minuto  |  [B]  prelavado");
    EXPECT_EQ(v.ventana->FilaActual(), 0);
    EXPECT_EQ(v.ColorDeFila(1), Tema::ColorFilaAlterna);
    EXPECT_EQ(v.ColorDeFila(2), Tema::ColorBlanco);

    v.Clic("Sin Tiempos");
    EXPECT_EQ(v.Estado(), "  Sin Tiempos  - sin datos");
    EXPECT_EQ(v.Grid()->rowCount(), 1);
    EXPECT_EQ(v.Opciones(), QStringList{"(Todas)"});
}

TEST_F(frmPeliculasReveladoresTest, TemperaturaElegidaPasaALaSiguientePeliculaSiLaTiene) {
    Ventana v;
    v.Clic("Kodak Tri-X 400");
    v.ElegirTemperatura("24");
    EXPECT_EQ(v.Columna(0), QStringList{"D-76"});
    EXPECT_EQ(v.Estado(), "  Kodak Tri-X 400  -  1 combinaciones");
    // Fomapan has 24: kept, and its times filtered by it.
    v.Clic("Fomapan 100");
    EXPECT_EQ(v.Temperaturas()->currentText(), "24");
    EXPECT_EQ(v.Fila(1)[6], "24");
    // O'Brien has no temperatures at all: back to every time.
    v.Clic("O'Brien 50");
    EXPECT_EQ(v.Opciones(), QStringList{"(Todas)"});
    EXPECT_EQ(v.Temperaturas()->currentText(), "(Todas)");
    EXPECT_EQ(v.Columna(0), QStringList{"Rodinal"});
    // Up and Down in the list select as a click does.
    QTest::keyClick(v.Lista(), Qt::Key_Up);
    EXPECT_EQ(v.Estado(), "  Kodak Tri-X 400  -  6 combinaciones");
    v.ElegirTemperatura("20");
    EXPECT_EQ(v.ventana->FilasDatos(), 5);
}

TEST_F(frmPeliculasReveladoresTest, ResaltadoDeFilasAlPulsar) {
    Ventana v;
    v.Clic("Kodak Tri-X 400");
    for (int f = 1; f <= 6; ++f)
        EXPECT_NE(v.ColorDeFila(f), Tema::ColorSeleccion) << f;
    v.ClicFila(3);
    EXPECT_EQ(v.ColorDeFila(3), Tema::ColorSeleccion);
    EXPECT_EQ(v.ventana->FilaActual(), 3);
    EXPECT_EQ(v.Control<QPlainTextEdit>("txtNotas")->toPlainText(), "");
    v.ClicFila(4);
    EXPECT_EQ(v.Control<QPlainTextEdit>("txtNotas")->toPlainText(), "[B]  prelavado  |  largo");
    EXPECT_EQ(v.ColorDeFila(3), Tema::ColorFilaAlterna);
    v.ClicFila(5);
    EXPECT_EQ(v.ColorDeFila(4), Tema::ColorBlanco);
    EXPECT_EQ(v.ColorDeFila(5), Tema::ColorSeleccion);
    EXPECT_EQ(v.Control<QPlainTextEdit>("txtNotas")->toPlainText(), "[A]  agitar cada minuto");
    // A new item starts again without highlight.
    v.Clic("Fomapan 100");
    EXPECT_EQ(v.ventana->FilaActual(), 0);
    EXPECT_EQ(v.ColorDeFila(1), Tema::ColorFilaAlterna);
}

TEST_F(frmPeliculasReveladoresTest, NotaMiaGuardadaDosVecesEsUnaFila) {
    Ventana v;
    auto* nota = v.Control<QPlainTextEdit>("txtNotaPersonal");
    auto* guardar = v.Control<QPushButton>("btnGuardarNota");
    v.Clic("Kodak Tri-X 400");
    v.ClicFila(3);
    QTest::keyClicks(nota, "con agua a 20");
    EXPECT_TRUE(guardar->isEnabled());
    QTest::mouseClick(guardar, Qt::LeftButton);
    EXPECT_FALSE(guardar->isEnabled());
    QTest::keyClicks(nota, " grados");
    QTest::mouseClick(guardar, Qt::LeftButton);
    EXPECT_EQ(Notas("NotasMiasPelicula"), QStringList{"con agua a 20 grados"});
    Consulta c = ReferenceDb()->Consultar("SELECT IdPelicula, IdRevelador FROM NotasMiasPelicula");
    EXPECT_EQ(c.Campo(0).toInt(), 1);
    EXPECT_EQ(c.Campo(1).toInt(), 10);

    // Shown again for its row only; unsaved edits are dropped when the user says so.
    v.ClicFila(1);
    EXPECT_EQ(nota->toPlainText(), "");
    QTest::keyClicks(nota, "sin guardar");
    Guion().respuestas.push_back(Respuesta::No);
    v.ClicFila(4);
    EXPECT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(nota->toPlainText(), "con agua a 20 grados");
    EXPECT_FALSE(guardar->isEnabled());
    QTest::keyClick(nota, Qt::Key_Escape);
    EXPECT_EQ(nota->toPlainText(), "");
    EXPECT_EQ(Notas("NotasMiasPelicula"), QStringList{"con agua a 20 grados"});

    // After the list is reloaded the box belongs to no row: saving writes nothing. The box was
    // emptied with Esc, a change the user is asked about.
    Guion().respuestas.push_back(Respuesta::No);
    QTest::keyClicks(v.Control<QLineEdit>("txtFiltro"), "fo");
    EXPECT_EQ(Guion().llamadas.size(), 2u);
    QTest::keyClicks(nota, "huerfana");
    QTest::mouseClick(guardar, Qt::LeftButton);
    EXPECT_EQ(Notas("NotasMiasPelicula"), QStringList{"con agua a 20 grados"});
}

TEST_F(frmPeliculasReveladoresTest, CambioAModoRevelador) {
    Ventana v;
    auto* chk = v.Control<QCheckBox>("chkInfoTecnica");
    chk->setChecked(true);
    QTest::keyClicks(v.Control<QLineEdit>("txtFiltro"), "tri");
    v.Clic("Kodak Tri-X 400");
    QTest::mouseClick(v.Control<QRadioButton>("optRevelador"), Qt::LeftButton);
    EXPECT_EQ(v.ventana->windowTitle(), "Buscar por Revelador");
    EXPECT_EQ(v.Cabecera(0), QStringLiteral("Película"));
    EXPECT_EQ(v.Control<QLabel>("lblModo")->text(), "REVELADORES:");
    EXPECT_FALSE(chk->isVisible());
    EXPECT_FALSE(chk->isChecked());
    EXPECT_EQ(v.Control<QLineEdit>("txtFiltro")->text(), "");
    EXPECT_EQ(v.Items(), (QStringList{"D-76", "Rodinal", "Xtol"}));
    EXPECT_EQ(v.Conteo(), "3 reveladores, 3 con tiempos");
    EXPECT_EQ(v.Grid()->rowCount(), 1);

    v.Clic("D-76");
    EXPECT_EQ(v.Columna(0), (QStringList{"Fomapan 100", "Kodak Tri-X 400", "Kodak Tri-X 400"}));
    v.ClicFila(2);
    QTest::keyClicks(v.Control<QPlainTextEdit>("txtNotaPersonal"), "por revelador");
    QTest::mouseClick(v.Control<QPushButton>("btnGuardarNota"), Qt::LeftButton);
    EXPECT_EQ(Notas("NotasMiasRevelador"), QStringList{"por revelador"});
    EXPECT_TRUE(Notas("NotasMiasPelicula").isEmpty());

    v.ventana->ModoPelicula();
    EXPECT_TRUE(chk->isVisible());
    EXPECT_EQ(v.Cabecera(0), "Revelador");
    EXPECT_EQ(v.Items().size(), 4);
}

TEST_F(frmPeliculasReveladoresTest, FotoConDosPuntosYDobleClic) {
    fixture::Pelicula(5, "Foma: Retro 320");
    fixture::Foto(carpeta_, "imag\\films\\Foma_ Retro 320.jpg", 40, 20, Qt::red);
    Ventana v;
    auto* pic = v.Control<Lienzo>("picImagen");
    v.Clic("Foma: Retro 320");
    EXPECT_EQ(pic->toolTip(), "Doble clic para ver la imagen ampliada");
    // Fitted to the 3000-twip box: the wide picture fills its middle band.
    const QColor centro = pic->PixelEn(1500, 1500);
    EXPECT_GT(centro.red(), 200);
    EXPECT_LT(centro.green(), 60);
    EXPECT_NE(pic->PixelEn(1500, 200), centro);

    // The picture full size is asked of the host, under the film's own name.
    QTest::mouseDClick(pic, Qt::LeftButton, {}, pic->rect().center());
    ASSERT_EQ(v.anfitrion.imagenes.size(), 1u);
    EXPECT_TRUE(v.anfitrion.imagenes[0].ruta.endsWith("Foma_ Retro 320.jpg"));
    EXPECT_EQ(v.anfitrion.imagenes[0].titulo, QStringLiteral("Foma: Retro 320"));
    EXPECT_FALSE(v.anfitrion.imagenes[0].llenar);

    v.Clic("Fomapan 100");
    EXPECT_EQ(pic->toolTip(), "");
    EXPECT_NE(pic->PixelEn(1500, 1500), centro);
}

TEST_F(frmPeliculasReveladoresTest, AnchosDeColumnaSeRecuerdanAlCerrar) {
    {
        Ventana v;
        v.Grid()->setColumnWidth(1, 150);
        v.ventana->Marco()->close();
    }
    Ventana v;
    EXPECT_EQ(v.Grid()->columnWidth(1), 150);
    EXPECT_EQ(v.Grid()->columnWidth(2), 53);
}

TEST_F(frmPeliculasReveladoresTest, SinBaseDeReferenciaNadaReacciona) {
    Ventana v;
    CerrarBasesDatos();
    QTest::keyClicks(v.Control<QLineEdit>("txtFiltro"), "zz");
    EXPECT_EQ(v.Items().size(), 4);
    v.Clic("Kodak Tri-X 400");
    EXPECT_EQ(v.Grid()->rowCount(), 1);
    EXPECT_TRUE(Guion().llamadas.empty());
}

// A backup closes the handles and opens them again while the window stays open.
TEST_F(frmPeliculasReveladoresTest, BaseCerradaYReabiertaMientrasLaVentanaSigueAbierta) {
    Ventana v;
    auto* nota = v.Control<QPlainTextEdit>("txtNotaPersonal");
    v.Clic("Kodak Tri-X 400");
    v.ClicFila(3);
    CerrarBasesDatos();
    QTest::keyClicks(nota, "sin base");
    QTest::mouseClick(v.Control<QPushButton>("btnGuardarNota"), Qt::LeftButton);
    // Nothing was written, and the user is told: the text stays for a later save.
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Guion().llamadas[0].texto,
              QStringLiteral("Error al guardar notas: la base de datos de referencia está cerrada."));
    Guion().llamadas.clear();
    EXPECT_EQ(nota->toPlainText(), "sin base");
    EXPECT_TRUE(v.Control<QPushButton>("btnGuardarNota")->isEnabled());
    v.ElegirTemperatura("24");
    EXPECT_EQ(v.ventana->FilasDatos(), 6);
    v.Control<QCheckBox>("chkInfoTecnica")->click();
    v.Clic("Fomapan 100");
    EXPECT_EQ(v.Estado(), "  Kodak Tri-X 400  -  6 combinaciones");
    EXPECT_TRUE(Guion().llamadas.empty());

    // Reopened: the note typed meanwhile is offered for saving before it is replaced.
    AbrirBasesDatos();
    Guion().respuestas.push_back(Respuesta::Si);
    v.Clic("Kodak Tri-X 400");
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Notas("NotasMiasPelicula"), QStringList{"sin base"});
    EXPECT_EQ(v.ventana->FilasDatos(), 1);
    v.ClicFila(1);
    QTest::keyClicks(nota, "con base");
    QTest::mouseClick(v.Control<QPushButton>("btnGuardarNota"), Qt::LeftButton);
    EXPECT_EQ(Notas("NotasMiasPelicula"), (QStringList{"sin base", "con base"}));
}

TEST_F(frmPeliculasReveladoresTest, FalloDelMotorSeInformaConSuPrefijo) {
    Ventana v;
    ReferenceDb()->Ejecutar("DROP TABLE Reveladores");
    v.ventana->ModoRevelador();
    EXPECT_TRUE(v.Items().isEmpty());
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Guion().llamadas[0].tipo, DialogosGuion::Tipo::Informar);
    EXPECT_TRUE(Guion().llamadas[0].texto.startsWith("Error al cargar la lista: "));
    EXPECT_TRUE(Guion().llamadas[0].texto.contains("Reveladores"));
}

TEST_F(frmPeliculasReveladoresTest, FichaTecnicaSigueALaPeliculaMientrasEstaMarcada) {
    Ventana v;
    auto* chk = v.Control<QCheckBox>("chkInfoTecnica");
    const auto& fichas = v.anfitrion.fichas;
    // The films whose sheet was asked for, in order.
    auto mostradas = [&fichas] {
        std::vector<int> r;
        for (const auto& f : fichas)
            if (!f.cerrar)
                r.push_back(f.idPelicula);
        return r;
    };
    v.Clic("Fomapan 100");
    EXPECT_TRUE(mostradas().empty());
    chk->click();
    EXPECT_EQ(mostradas(), std::vector<int>{2});
    v.Clic("Kodak Tri-X 400");
    EXPECT_EQ(mostradas(), (std::vector<int>{2, 1}));
    chk->click();
    ASSERT_FALSE(fichas.empty());
    EXPECT_TRUE(fichas.back().cerrar);
    // Checked again, then the developer side: the sheet goes with the box.
    chk->click();
    EXPECT_EQ(mostradas(), (std::vector<int>{2, 1, 1}));
    v.ventana->ModoRevelador();
    EXPECT_TRUE(fichas.back().cerrar);
    v.Clic("Rodinal");
    EXPECT_EQ(mostradas().size(), 3u) << "un revelador no tiene ficha";
    EXPECT_TRUE(fichas.back().cerrar);
}

// An item without times empties both note boxes: nothing typed can land on the previous item.
TEST_F(frmPeliculasReveladoresTest, ItemSinTiemposVaciaLasNotas) {
    Ventana v;
    auto* nota = v.Control<QPlainTextEdit>("txtNotaPersonal");
    auto* guardar = v.Control<QPushButton>("btnGuardarNota");
    v.Clic("Kodak Tri-X 400");
    QTest::keyClicks(nota, "para Tri-X");
    QTest::mouseClick(guardar, Qt::LeftButton);
    QTest::keyClicks(nota, " y mas");
    Guion().respuestas.push_back(Respuesta::No);
    v.Clic("Sin Tiempos");
    EXPECT_EQ(v.Estado(), "  Sin Tiempos  - sin datos");
    EXPECT_EQ(nota->toPlainText(), "");
    EXPECT_EQ(v.Control<QPlainTextEdit>("txtNotas")->toPlainText(), "");
    EXPECT_FALSE(guardar->isEnabled());
    QTest::keyClicks(nota, "huerfana");
    QTest::mouseClick(guardar, Qt::LeftButton);
    EXPECT_EQ(Notas("NotasMiasPelicula"), QStringList{"para Tri-X"});
}

// Typed text is never dropped without a question: Yes saves it to its own film and developer.
TEST_F(frmPeliculasReveladoresTest, CambiosSinGuardarSePreguntanAntesDePerderse) {
    Ventana v;
    auto* nota = v.Control<QPlainTextEdit>("txtNotaPersonal");
    v.Clic("Kodak Tri-X 400");
    v.ClicFila(3); // Rodinal
    QTest::keyClicks(nota, "uno");
    Guion().respuestas.push_back(Respuesta::Si);
    v.ClicFila(3);
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    const auto& pregunta = Guion().llamadas[0];
    EXPECT_EQ(pregunta.tipo, DialogosGuion::Tipo::SiNo);
    EXPECT_EQ(pregunta.titulo, "UXEL Garvola");
    EXPECT_EQ(pregunta.texto, QStringLiteral("Hay cambios sin guardar en Mis notas. ¿Guardar?"));
    EXPECT_EQ(pregunta.icono, Icono::Pregunta);
    EXPECT_EQ(Notas("NotasMiasPelicula"), QStringList{"uno"});
    EXPECT_EQ(nota->toPlainText(), "uno");

    // A click on a header: No drops the change.
    nota->moveCursor(QTextCursor::End);
    QTest::keyClicks(nota, " dos");
    Guion().respuestas.push_back(Respuesta::No);
    QHeaderView* cabecera = v.Grid()->horizontalHeader();
    QTest::mouseClick(cabecera->viewport(), Qt::LeftButton, {},
                      QPoint(cabecera->sectionViewportPosition(2) + 5, cabecera->height() / 2));
    EXPECT_EQ(Guion().llamadas.size(), 2u);
    EXPECT_EQ(nota->toPlainText(), "uno");
    EXPECT_EQ(Notas("NotasMiasPelicula"), QStringList{"uno"});

    // The mode changes: saved on the film side, where it was written.
    nota->moveCursor(QTextCursor::End);
    QTest::keyClicks(nota, " tres");
    Guion().respuestas.push_back(Respuesta::Si);
    QTest::mouseClick(v.Control<QRadioButton>("optRevelador"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Guion().llamadas.size(), 3u);
    EXPECT_EQ(Notas("NotasMiasPelicula"), QStringList{"uno tres"});
    EXPECT_TRUE(Notas("NotasMiasRevelador").isEmpty());

    // The window closes.
    v.Clic("D-76");
    QTest::keyClicks(nota, "al cerrar");
    Guion().respuestas.push_back(Respuesta::Si);
    v.ventana->Marco()->close();
    EXPECT_EQ(Guion().llamadas.size(), 4u);
    EXPECT_EQ(Notas("NotasMiasRevelador"), QStringList{"al cerrar"});
}

// After a click and an arrow key one row looks highlighted: the one the notes describe.
TEST_F(frmPeliculasReveladoresTest, UnaSolaFilaResaltadaTrasClicYFlecha) {
    Ventana v;
    v.Clic("Kodak Tri-X 400");
    v.ClicFila(3);
    QTest::keyClick(v.Grid(), Qt::Key_Down);
    QTest::keyClick(v.Grid(), Qt::Key_Down);
    const QImage imagen = v.Grid()->viewport()->grab().toImage();
    auto color = [&](int fila) {
        const QRect celda = v.Grid()->visualRect(v.Grid()->model()->index(fila - 1, 2));
        return imagen.pixelColor(celda.left() + 3, celda.center().y());
    };
    EXPECT_EQ(color(3), Tema::ColorSeleccion);
    EXPECT_EQ(color(4), Tema::ColorBlanco);
    EXPECT_EQ(color(5), Tema::ColorFilaAlterna);
    EXPECT_EQ(v.ventana->FilaActual(), 3);
    EXPECT_EQ(v.Control<QPlainTextEdit>("txtNotas")->toPlainText(), "");
    // A picture to look at, when asked for: GARVOLA_CAPTURAS=/tmp/...
    if (const QString capturas = qEnvironmentVariable("GARVOLA_CAPTURAS"); !capturas.isEmpty())
        v.ventana->Marco()->grab().save(capturas + "/busqueda.png");
}

// Home, End, Page Down and a typed letter load the item they make current, picture included.
TEST_F(frmPeliculasReveladoresTest, TeclasDeLaListaCarganElElemento) {
    fixture::Foto(carpeta_, "imag\\films\\Kodak Tri-X 400.jpg", 40, 20, Qt::red);
    Ventana v;
    auto* pic = v.Control<Lienzo>("picImagen");
    v.Clic("Fomapan 100");
    QTest::keyClick(v.Lista(), Qt::Key_End);
    EXPECT_EQ(v.Estado(), "  Sin Tiempos  - sin datos");
    QTest::keyClick(v.Lista(), Qt::Key_Home);
    EXPECT_EQ(v.Estado(), "  Fomapan 100  -  1 combinaciones");
    EXPECT_EQ(v.Fila(1)[0], "D-76");
    QTest::keyClicks(v.Lista(), "k");
    EXPECT_EQ(v.Estado(), "  Kodak Tri-X 400  -  6 combinaciones");
    EXPECT_EQ(pic->toolTip(), "Doble clic para ver la imagen ampliada");
    QTest::keyClick(v.Lista(), Qt::Key_PageDown);
    EXPECT_EQ(v.Estado(), "  Sin Tiempos  - sin datos");
    EXPECT_EQ(pic->toolTip(), "");
    EXPECT_EQ(v.ventana->FilasDatos(), 0);
    // A click still loads the item.
    v.Clic("O'Brien 50");
    EXPECT_EQ(v.Columna(0), QStringList{"Rodinal"});
    EXPECT_TRUE(Guion().llamadas.empty());
}

// Ten thousand characters of emoji, right-to-left text, control characters and no-break spaces,
// pasted into the note and the filter: the note comes back whole in a new window.
TEST_F(frmPeliculasReveladoresTest, NotaMiaLargaYExtranaVuelveIgual) {
    const QString texto = TextoExtrano(10000, true);
    {
        Ventana v;
        Pegar(v.Control<QLineEdit>("txtFiltro"), TextoExtrano(300));
        EXPECT_TRUE(v.Items().isEmpty());
        Pegar(v.Control<QLineEdit>("txtFiltro"), QString());
        v.Clic("Kodak Tri-X 400");
        v.ClicFila(3);
        Pegar(v.Control<QPlainTextEdit>("txtNotaPersonal"), texto);
        QTest::mouseClick(v.Control<QPushButton>("btnGuardarNota"), Qt::LeftButton);
        EXPECT_TRUE(Guion().llamadas.empty());
        EXPECT_EQ(Notas("NotasMiasPelicula"), QStringList{texto});
        v.ventana->Marco()->close();
    }
    Ventana v;
    v.Clic("Kodak Tri-X 400");
    v.ClicFila(3);
    EXPECT_EQ(TextoEscrito(v.Control<QPlainTextEdit>("txtNotaPersonal")), texto);
    EXPECT_FALSE(v.Control<QPushButton>("btnGuardarNota")->isEnabled());
}

// "Mis notas" that cannot be saved stay: Yes to the question keeps the window open, and the text
// stays for its own film and developer, even when another row is clicked.
TEST_F(frmPeliculasReveladoresTest, UnGuardadoFallidoNoPierdeMisNotas) {
    Ventana v;
    auto* nota = v.Control<QPlainTextEdit>("txtNotaPersonal");
    auto* guardar = v.Control<QPushButton>("btnGuardarNota");
    v.Clic("Kodak Tri-X 400");
    v.ClicFila(3); // Rodinal
    QTest::keyClicks(nota, "importante");
    ReferenceDb()->Ejecutar("CREATE TRIGGER falla BEFORE INSERT ON NotasMiasPelicula "
                            "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");
    Guion().respuestas = {Respuesta::Si};
    EXPECT_FALSE(v.ventana->Marco()->close());
    EXPECT_TRUE(v.ventana->isVisible());
    ASSERT_EQ(Guion().llamadas.size(), 2u);
    EXPECT_EQ(Guion().llamadas[1].texto, "Error al guardar notas: disco lleno");
    EXPECT_EQ(nota->toPlainText(), "importante");
    EXPECT_TRUE(guardar->isEnabled());

    Guion().respuestas = {Respuesta::Si};
    v.ClicFila(1); // D-76
    EXPECT_EQ(nota->toPlainText(), "importante");
    EXPECT_TRUE(guardar->isEnabled());
    // A picture to look at, when asked for: GARVOLA_CAPTURAS=/tmp/...
    if (const QString capturas = qEnvironmentVariable("GARVOLA_CAPTURAS"); !capturas.isEmpty())
        v.ventana->Marco()->grab().save(capturas + "/busqueda_misnotas.png");
    ReferenceDb()->Ejecutar("DROP TRIGGER falla");
    QTest::mouseClick(guardar, Qt::LeftButton);
    EXPECT_FALSE(guardar->isEnabled());
    EXPECT_EQ(Notas("NotasMiasPelicula"), QStringList{"importante"});
    Consulta c = ReferenceDb()->Consultar("SELECT IdPelicula, IdRevelador FROM NotasMiasPelicula");
    EXPECT_EQ(c.Campo(1).toInt(), 10);
    EXPECT_TRUE(v.ventana->Marco()->close());
}

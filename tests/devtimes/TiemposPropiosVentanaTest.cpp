#include "devtimes/TiemposPropios.h"
#include "devtimes/frmPeliculasReveladores.h"
#include "devtimes/frmTiempoPropio.h"
#include "shell/Controles.h"
#include "shell/Tema.h"

#include "FixtureTiempos.h"
#include "ManejoVentana.h"
#include "soporte/DialogosGuion.h"
#include "soporte/TextoExtrano.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using Ventana = ManejoVentana<frmPeliculasReveladores>;

class TiemposPropiosVentana : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::Pelicula(1, "Kodak Tri-X 400");
        fixture::Revelador(10, "Rodinal");
        fixture::Revelador(11, "D-76");
        fixture::Tiempo(1, 11, "400", "20", "9:45", "[A]");
        fixture::Tiempo(1, 10, "400", "20", "13:00");
        fixture::Codigo("A", "agitar cada minuto");
    }

    static void Escribir(frmTiempoPropio* d, const char* caja, const QString& texto) {
        auto* c = d->findChild<QLineEdit*>(QString::fromLatin1(caja));
        ASSERT_NE(c, nullptr) << caja;
        c->selectAll();
        QTest::keyClicks(c, texto);
    }
    static void Nombre(frmTiempoPropio* d, const char* combo, const QString& texto) {
        auto* c = d->findChild<QComboBox*>(QString::fromLatin1(combo));
        // Pasted, as text beyond ASCII has no key to type it with.
        c->lineEdit()->selectAll();
        c->lineEdit()->insert(texto);
    }
    // The fields of a new time, as typed: developer, dilution, EI, one time box and its text, temperature.
    static void Llenar(frmTiempoPropio* d, const QString& revelador, const QString& dilucion,
                       const QString& ei, const char* cajaTiempo, const QString& tiempo,
                       const QString& temperatura) {
        Nombre(d, "cboRevelador", revelador);
        Escribir(d, "txtDilucion", dilucion);
        Escribir(d, "txtEI", ei);
        Escribir(d, cajaTiempo, tiempo);
        Escribir(d, "txtTemperatura", temperatura);
    }
    static int Contar(const char* tabla) {
        return NotesDb()->Consultar(QStringLiteral("SELECT COUNT(*) FROM ") + tabla).Campo(0).toInt();
    }

    CarpetaPruebas carpeta_;
};

} // namespace

TEST_F(TiemposPropiosVentana, CopiarUnaFilaDeReferenciaComoMiTiempoYEditarla) {
    Ventana v;
    v.Clic("Kodak Tri-X 400");
    ASSERT_EQ(v.Fila(1)[0], "D-76");
    v.MenuFila(1);
    EXPECT_TRUE(v.Accion("mnuCopiarComoMiTiempo")->isEnabled());
    EXPECT_FALSE(v.Accion("mnuEditarMiTiempo")->isEnabled());
    EXPECT_FALSE(v.Accion("mnuBorrarMiTiempo")->isEnabled());
    v.Elegir("mnuCopiarComoMiTiempo");
    frmTiempoPropio* d = v.DialogoPropio();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->findChild<QComboBox*>("cboRevelador")->currentText(), "D-76");
    // One stop pushed: the EI is selected, ready to be typed over.
    QTest::keyClicks(d->findChild<QLineEdit*>("txtEI"), "800");
    Escribir(d, "txt35", "13,5");
    d->findChild<QPlainTextEdit*>("txtNota")->setPlainText(
        QStringLiteral("más contraste\n[sic] sin códigos"));
    GuardarPropio(d);
    EXPECT_TRUE(Guion().llamadas.empty());
    ASSERT_EQ(Contar("TiemposPropios"), 1);

    // Beside the reference rows, in its own colour, highlighted and described.
    EXPECT_EQ(v.ventana->FilasDatos(), 3);
    const int fila = v.FilaPropia();
    ASSERT_EQ(fila, 2);
    EXPECT_EQ(v.Fila(fila).mid(0, 7), (QStringList{"D-76", "1+1", "800", "13:30", "9:00", "", "20"}));
    EXPECT_EQ(v.Fila(fila)[7], QStringLiteral("[PROPIO] más contraste [sic] sin códigos"));
    EXPECT_EQ(v.ventana->FilaActual(), fila);
    EXPECT_EQ(v.Control<QPlainTextEdit>("txtNotas")->toPlainText(),
              QStringLiteral("[PROPIO]  Tiempo propio del usuario  |  más contraste\n[sic] sin códigos"));
    v.ClicFila(1);
    EXPECT_EQ(v.ColorDeFila(fila), Tema::ColorFilaPropia);
    EXPECT_EQ(v.ColorDeFila(3), Tema::ColorFilaAlterna);

    // Edited in place: the same row changes.
    v.MenuFila(fila);
    EXPECT_FALSE(v.Accion("mnuCopiarComoMiTiempo")->isEnabled());
    v.Elegir("mnuEditarMiTiempo");
    d = v.DialogoPropio();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), "Editar mi tiempo");
    Escribir(d, "txt120", "14");
    GuardarPropio(d);
    EXPECT_EQ(Contar("TiemposPropios"), 1);
    EXPECT_EQ(v.Fila(v.FilaPropia())[4], "14:00");

    // Deleted after the question.
    Guion().respuestas = {Respuesta::Si};
    v.MenuFila(v.FilaPropia());
    v.Elegir("mnuBorrarMiTiempo");
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_TRUE(Guion().llamadas[0].texto.contains("Kodak Tri-X 400"));
    EXPECT_EQ(Contar("TiemposPropios"), 0);
    EXPECT_EQ(v.FilaPropia(), 0);
    EXPECT_EQ(v.ventana->FilasDatos(), 2);
}

TEST_F(TiemposPropiosVentana, UnaPeliculaPropiaEntraEnLaListaConSuFichaSinDatos) {
    Ventana v;
    // A right click on an entry loads it, and the new time starts from it.
    MenuContextual(v.Lista()->viewport(), QPoint(5, 5));
    EXPECT_EQ(v.ventana->FilasDatos(), 2);
    v.Elegir("mnuAnadirMiTiempo");
    frmTiempoPropio* d = v.DialogoPropio();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->findChild<QComboBox*>("cboPelicula")->currentText(), "Kodak Tri-X 400");
    Nombre(d, "cboPelicula", QStringLiteral("Mi emulsión \U0001F600"));
    Llenar(d, "Rodinal", "1+50", "1600", "txtHoja", "20", "21");
    GuardarPropio(d);
    EXPECT_EQ(Contar("PeliculasPropias"), 1);
    EXPECT_EQ(Contar("ReveladoresPropios"), 0);
    EXPECT_EQ(v.Items(),
              (QStringList{"Kodak Tri-X 400", QStringLiteral("Mi emulsión \U0001F600  · propio")}));
    EXPECT_EQ(v.Lista()->currentRow(), 1);
    EXPECT_EQ(v.Opciones(), (QStringList{"(Todas)", "21"}));
    EXPECT_EQ(v.Fila(1)[0], "Rodinal");
    EXPECT_EQ(v.Estado().trimmed(), QStringLiteral("Mi emulsión \U0001F600  -  1 combinaciones"));
    // Mis notas hangs on reference films only.
    EXPECT_TRUE(v.Control<QPlainTextEdit>("txtNotaPersonal")->isReadOnly());

    // Its sheet is asked for by name: an own film has no id in the reference data.
    v.Control<QCheckBox>("chkInfoTecnica")->setChecked(true);
    ASSERT_FALSE(v.anfitrion.fichas.empty());
    EXPECT_FALSE(v.anfitrion.fichas.back().cerrar);
    EXPECT_EQ(v.anfitrion.fichas.back().idPelicula, 0);
    EXPECT_EQ(v.anfitrion.fichas.back().nombrePropio, QStringLiteral("Mi emulsión \U0001F600"));

    // From the developer side the own row stands under Rodinal with the reference one.
    v.ventana->ModoRevelador();
    v.Clic("Rodinal");
    EXPECT_EQ(v.Columna(0), (QStringList{"Kodak Tri-X 400", QStringLiteral("Mi emulsión \U0001F600")}));
    EXPECT_EQ(v.FilaPropia(), 2);
}

TEST_F(TiemposPropiosVentana, ElDialogoRechazaNombraElCampoYNoPierdeLoEscrito) {
    Ventana v;
    v.Clic("Kodak Tri-X 400");
    v.MenuFila(0);
    EXPECT_FALSE(v.Accion("mnuEditarMiTiempo")->isEnabled());
    v.Elegir("mnuAnadirMiTiempo");
    frmTiempoPropio* d = v.DialogoPropio();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->findChild<QComboBox*>("cboPelicula")->currentText(), "Kodak Tri-X 400");
    Llenar(d, "Rodinal", "1+25", "400", "txt35", "9:75", "20");
    GuardarPropio(d);
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_TRUE(Guion().llamadas[0].texto.startsWith("35 mm:"));
    ASSERT_EQ(v.DialogoPropio(), d);
    EXPECT_EQ(d->findChild<QLineEdit*>("txt35")->text(), "9:75");
    EXPECT_TRUE(d->findChild<QLineEdit*>("txt35")->hasFocus() || !d->isActiveWindow());

    // Cancelling what was typed asks first; No keeps the dialog.
    Guion().llamadas.clear();
    Guion().respuestas = {Respuesta::No};
    d->reject();
    EXPECT_EQ(Guion().llamadas.size(), 1u);
    ASSERT_EQ(v.DialogoPropio(), d);

    // An equal own time is replaced only when the user says so.
    Escribir(d, "txt35", "10");
    GuardarPropio(d);
    EXPECT_EQ(Contar("TiemposPropios"), 1);
    v.MenuFila(0);
    v.Elegir("mnuAnadirMiTiempo");
    d = v.DialogoPropio();
    Llenar(d, "rodinal", "1+25", "400", "txt35", "11", "20");
    Guion().llamadas.clear();
    Guion().respuestas = {Respuesta::No};
    GuardarPropio(d);
    EXPECT_TRUE(Guion().llamadas.back().texto.contains(QStringLiteral("¿Reemplazarlo")));
    EXPECT_EQ(LeerTiemposPropios(true, "Kodak Tri-X 400", "")[0].tiempo35, "10:00");
    Guion().respuestas = {Respuesta::Si};
    GuardarPropio(d);
    EXPECT_EQ(Contar("TiemposPropios"), 1);
    EXPECT_EQ(LeerTiemposPropios(true, "Kodak Tri-X 400", "")[0].tiempo35, "11:00");
}

// Saving over an equal time is one write: when it fails the user is told, and the time edited and
// the equal one are both as they were.
TEST_F(TiemposPropiosVentana, ReemplazarUnTiempoIgualQueFallaNoDejaNadaAMedias) {
    TiempoPropio t = fixture::Propio("Kodak Tri-X 400", "Rodinal", "1+25", "400");
    const qint64 a = GuardarTiempoPropio(t);
    t.ei = "800";
    const qint64 b = GuardarTiempoPropio(t);
    NotesDb()->Ejecutar("CREATE TRIGGER falla BEFORE DELETE ON TiemposPropios "
                        "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");

    frmTiempoPropio d(*LeerTiempoPropio(a));
    Escribir(&d, "txtEI", "800");
    Guion().respuestas = {Respuesta::Si};
    d.accept();
    ASSERT_EQ(Guion().llamadas.size(), 2u);
    EXPECT_TRUE(Guion().llamadas[0].texto.contains(QStringLiteral("¿Reemplazarlo")));
    EXPECT_TRUE(Guion().llamadas[1].texto.startsWith("No se pudo guardar el tiempo"));
    EXPECT_EQ(LeerTiempoPropio(a)->ei, "400");
    EXPECT_EQ(LeerTiempoPropio(b)->ei, "800");

    NotesDb()->Ejecutar("DROP TRIGGER falla");
    Guion().respuestas = {Respuesta::Si};
    d.accept();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(LeerTiempoPropio(a)->ei, "800");
    EXPECT_FALSE(LeerTiempoPropio(b));
    EXPECT_EQ(Contar("TiemposPropios"), 1);
}

// Names with emoji and right-to-left text, and a 10,000-character note: control characters in the
// note are refused with a message that leaves the text in the box; without them every character
// is kept, no-break spaces and tabs included.
TEST_F(TiemposPropiosVentana, TextoLargoYExtranoEnElDialogo) {
    Ventana v;
    v.Clic("Kodak Tri-X 400");
    v.MenuFila(0);
    v.Elegir("mnuAnadirMiTiempo");
    frmTiempoPropio* d = v.DialogoPropio();
    ASSERT_NE(d, nullptr);
    const QString revelador = QStringLiteral("Rodinal \u05e9\u05dc\u05d5\u05dd \u202e1+50\u202c \U0001F4F7");
    Llenar(d, revelador, "1+50", "400", "txt35", "11", "20");
    auto* nota = d->findChild<QPlainTextEdit*>("txtNota");
    ASSERT_NE(nota, nullptr);
    const QString conControles = TextoExtrano(10000, true);
    Pegar(nota, conControles);
    GuardarPropio(d);
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_TRUE(Guion().llamadas[0].texto.startsWith("Nota:")) << Guion().llamadas[0].texto.toStdString();
    ASSERT_EQ(v.DialogoPropio(), d);
    EXPECT_EQ(TextoEscrito(nota), conControles);

    QString limpio = conControles;
    limpio.remove(QChar(0x01)).remove(QChar(0x07)).remove(QChar(0x1b));
    Pegar(nota, limpio);
    GuardarPropio(d);
    EXPECT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Contar("TiemposPropios"), 1);
    const auto guardados = LeerTiemposPropios(true, "Kodak Tri-X 400", "");
    ASSERT_EQ(guardados.size(), 1u);
    EXPECT_EQ(guardados[0].revelador, revelador);
    EXPECT_EQ(guardados[0].nota, limpio);
}

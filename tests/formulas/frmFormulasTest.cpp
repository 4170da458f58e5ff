#include "formulas/frmFormulas.h"

#include "FixtureFormulas.h"
#include "shell/Controles.h"
#include "shell/Rueda.h"
#include "shell/Tema.h"
#include "soporte/AnfitrionPrueba.h"
#include "soporte/DialogosGuion.h"
#include "soporte/TextoExtrano.h"
#include "soporte/VentanaPrueba.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kPregunta = QStringLiteral("Hay cambios sin guardar en Mis notas. ¿Guardar?");

class frmFormulasTest : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::DosPartes(1, "Beutler");
        fixture::Insertar({2, "Kodak D-76", "Kodak D-76 ES"});
        for (int i = 1; i <= 6; ++i)
            fixture::Ingrediente(2, 1, QVariant(), QVariant(), i, QString("Chemical %1").arg(i),
                                 QString("Químico %1").arg(i), "10.0", "g");
        fixture::Insertar({3, "Empty formula", QVariant(), "Fijadores", "Fixer", "Fijador"});
        fixture::Insertar({4, "Kodak F-5", "Kodak F-5", "Fijadores", "Fixer", "Fijador"});
        Abrir();
    }
    void Abrir() {
        w = anfitrion.Abrir<frmFormulas>();
        QCoreApplication::processEvents();
    }
    template <class T = QWidget> T* C(const char* nombre) const { return Control<T>(w, nombre); }
    QListWidget* Lista() const { return C<QListWidget>("lstFormulas"); }
    QTableWidget* Grid() const { return C<QTableWidget>("grdIngredientes"); }
    QStringList Items() const {
        QStringList r;
        for (int i = 0; i < Lista()->count(); ++i)
            r << Lista()->item(i)->text();
        return r;
    }
    void Clic(const QString& nombre) const {
        const auto encontrados = Lista()->findItems(nombre, Qt::MatchExactly);
        ASSERT_EQ(encontrados.size(), 1) << nombre.toStdString();
        QTest::mouseClick(Lista()->viewport(), Qt::LeftButton, {},
                          Lista()->visualItemRect(encontrados.front()).center());
    }
    void Teclear(const char* caja, const QString& texto) const { QTest::keyClicks(C(caja), texto); }
    QString Texto(const char* nombre) const {
        if (auto* l = w->findChild<QLabel*>(QString::fromLatin1(nombre)))
            return l->text();
        if (auto* e = w->findChild<QLineEdit*>(QString::fromLatin1(nombre)))
            return e->text();
        return C<QPlainTextEdit>(nombre)->toPlainText();
    }
    QStringList Fila(int fila) const {
        QStringList r;
        for (int c = 0; c < Grid()->columnCount(); ++c)
            r << Grid()->item(fila - 1, c)->text();
        return r;
    }
    QTableWidgetItem* Celda(int fila, int c) const { return Grid()->item(fila - 1, c); }
    QString NotasGuardadas(int id) const {
        Consulta c = ReferenceDb()->Consultar(
            QStringLiteral("SELECT MisNotasFormulas FROM Formulas WHERE IdFormula=%1").arg(id));
        return c.Campo(0).isNull() ? QStringLiteral("<null>") : c.Campo(0).toString();
    }
    bool Guardable() const { return C<QPushButton>("btnGuardarMisNotas")->isEnabled(); }
    int Preguntas() const {
        int n = 0;
        for (const auto& l : Guion().llamadas)
            if (l.tipo == DialogosGuion::Tipo::SiNo) {
                EXPECT_EQ(l.titulo, "UXEL Garvola");
                EXPECT_EQ(l.texto, kPregunta);
                EXPECT_EQ(l.icono, Icono::Pregunta);
                ++n;
            }
        return n;
    }
    void HacerFallarGuardado() const {
        ReferenceDb()->Ejecutar("CREATE TRIGGER falla BEFORE UPDATE ON Formulas "
                                "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");
    }

    CarpetaPruebas carpeta_;
    AnfitrionPrueba anfitrion;
    frmFormulas* w = nullptr;
};

} // namespace

TEST_F(frmFormulasTest, AlAbrirListaTodoEnEspanolConElDetalleEnBlanco) {
    EXPECT_EQ(w->windowTitle(), "Fórmulas fotográficas");
    EXPECT_TRUE(C<QCheckBox>("chkES")->isChecked());
    auto* cat = C<QComboBox>("cboCat");
    ASSERT_EQ(cat->count(), 3);
    EXPECT_EQ(cat->itemText(0), "(Todas)");
    EXPECT_EQ(cat->itemText(1), "Fijadores");
    EXPECT_EQ(cat->currentIndex(), 0);
    EXPECT_EQ(Items(), QStringList({"Beutler ES", "Empty formula", "Kodak D-76 ES", "Kodak F-5"}));
    EXPECT_EQ(Texto("lblConteo"), "4 fórmulas");
    EXPECT_EQ(Texto("lblNombre"), "");
    EXPECT_EQ(Grid()->rowCount(), 1);
    EXPECT_EQ(Grid()->horizontalHeaderItem(2)->text(), "Cantidad");
    EXPECT_EQ(GridEnganchado(), Grid());
    EXPECT_TRUE(C<QPlainTextEdit>("txtMisNotas")->isReadOnly()); // no formula to write notes for
}

TEST_F(frmFormulasTest, DosPartesConFilasDeTituloYSombreadoPorFila) {
    Clic("Beutler ES");
    EXPECT_EQ(Texto("lblNombre"), "Beutler");
    EXPECT_EQ(Texto("lblSubtitulo"), "Subtítulo de Beutler");
    EXPECT_EQ(Texto("lblTipoBadge"), "  Revelador de película  ");
    EXPECT_EQ(Texto("lblDilucion"), "1+1");
    EXPECT_EQ(Texto("txtUso"), "General use.");
    ASSERT_EQ(Grid()->rowCount(), 6);
    EXPECT_EQ(Fila(1), QStringList({"", "Solución A", "", ""}));
    EXPECT_EQ(Fila(2), QStringList({"1", "Metol", "10.0", "g"}));
    EXPECT_EQ(Fila(4), QStringList({"", "Solution B", "", ""}));
    EXPECT_EQ(Fila(5), QStringList({"2", "Sodium carbonate", "50.0", "g"}));
    for (int f : {1, 4}) {
        EXPECT_EQ(Celda(f, 3)->background().color(), Tema::FilaTituloParte);
        EXPECT_TRUE(Celda(f, 1)->font().bold());
    }
    // Shading follows the overall row number, title rows counted.
    EXPECT_EQ(Celda(2, 0)->background().color(), Tema::ColorFilaAlterna);
    EXPECT_EQ(Celda(3, 3)->background().color(), Tema::ColorBlanco);
    EXPECT_EQ(Celda(5, 1)->background().color(), Tema::ColorBlanco);
    EXPECT_EQ(Celda(6, 2)->background().color(), Tema::ColorFilaAlterna);
    EXPECT_FALSE(Celda(2, 1)->font().bold());
    EXPECT_TRUE(Celda(2, 2)->textAlignment() & Qt::AlignRight);

    // A formula without ingredients leaves neither lines nor formatting behind.
    Clic("Empty formula");
    ASSERT_EQ(Grid()->rowCount(), 1);
    EXPECT_EQ(Fila(1), QStringList({"", "", "", ""}));
    EXPECT_NE(Celda(1, 1)->background().color(), Tema::FilaTituloParte);
    EXPECT_FALSE(Celda(1, 1)->font().bold());
}

TEST_F(frmFormulasTest, ElIdiomaConservaLaFormulaMostrada) {
    Clic("Kodak D-76 ES");
    C<QCheckBox>("chkES")->click();
    EXPECT_EQ(Items(), QStringList({"Beutler", "Empty formula", "Kodak D-76", "Kodak F-5"}));
    EXPECT_EQ(Lista()->currentItem()->text(), "Kodak D-76");
    EXPECT_EQ(Texto("lblNombre"), "Kodak D-76");
    EXPECT_EQ(Texto("lblSubtitulo"), "Kodak D-76 subtitle");
    EXPECT_EQ(Fila(1)[1], "Chemical 1");
    C<QCheckBox>("chkES")->click();
    EXPECT_EQ(Texto("lblTipoBadge"), "  Revelador de película  ");
    EXPECT_EQ(Fila(1)[1], "Químico 1");
}

TEST_F(frmFormulasTest, BusquedaYCategoriaRecarganYBlanquean) {
    Clic("Kodak F-5");
    Teclear("txtFiltro", "k");
    EXPECT_EQ(Items(), QStringList({"Kodak D-76 ES", "Kodak F-5"}));
    EXPECT_EQ(Texto("lblNombre"), ""); // blanked though still listed
    Teclear("txtFiltro", "odak f");
    EXPECT_EQ(Items(), QStringList({"Kodak F-5"}));
    EXPECT_EQ(Texto("lblConteo"), "1 fórmulas");
    Teclear("txtFiltro", "fixer"); // "kodak ffixer": nothing
    EXPECT_TRUE(Items().isEmpty());
    QTest::keyClick(C("txtFiltro"), Qt::Key_Escape);
    EXPECT_EQ(Texto("txtFiltro"), "");
    EXPECT_EQ(Items().size(), 4);
    Teclear("txtFiltro", "fixer"); // the base type is searched too
    EXPECT_EQ(Items(), QStringList({"Empty formula", "Kodak F-5"}));
    QTest::keyClick(C("txtFiltro"), Qt::Key_Escape);

    Clic("Kodak F-5");
    C<QComboBox>("cboCat")->setCurrentIndex(1);
    EXPECT_EQ(Items(), QStringList({"Empty formula", "Kodak F-5"}));
    EXPECT_EQ(Texto("lblNombre"), "");
    EXPECT_TRUE(Guion().llamadas.empty());
}

TEST_F(frmFormulasTest, LasFlechasDeLaListaMuestranLaFormula) {
    Clic("Beutler ES");
    QTest::keyClick(Lista(), Qt::Key_Down);
    EXPECT_EQ(Texto("lblNombre"), "Empty formula");
    QTest::keyClick(Lista(), Qt::Key_Down);
    QTest::keyClick(Lista(), Qt::Key_Up);
    EXPECT_EQ(Texto("lblNombre"), "Empty formula");
}

TEST_F(frmFormulasTest, GuardarMisNotasYSuBoton) {
    Clic("Kodak F-5");
    EXPECT_FALSE(Guardable());
    Teclear("txtMisNotas", "Mezclar fresco");
    EXPECT_TRUE(Guardable());
    QTest::mouseClick(C("btnGuardarMisNotas"), Qt::LeftButton);
    EXPECT_FALSE(Guardable());
    EXPECT_EQ(NotasGuardadas(4), "Mezclar fresco");
    Clic("Kodak D-76 ES");
    Clic("Kodak F-5");
    EXPECT_EQ(Texto("txtMisNotas"), "Mezclar fresco");
    EXPECT_FALSE(Guardable()); // loading the text does not count as an edit
    C<QPlainTextEdit>("txtMisNotas")->clear();
    QTest::mouseClick(C("btnGuardarMisNotas"), Qt::LeftButton);
    EXPECT_EQ(NotasGuardadas(4), "");
    EXPECT_TRUE(Guion().llamadas.empty());
}

TEST_F(frmFormulasTest, NotasSinGuardarSePreguntanAntesDePerderlas) {
    Clic("Kodak F-5");
    Teclear("txtMisNotas", "uno");
    Guion().respuestas = {Respuesta::Si};
    Clic("Beutler ES");
    EXPECT_EQ(NotasGuardadas(4), "uno");
    EXPECT_EQ(Texto("lblNombre"), "Beutler");

    Teclear("txtMisNotas", "dos");
    Guion().respuestas = {Respuesta::No};
    Teclear("txtFiltro", "b");
    EXPECT_EQ(NotasGuardadas(1), "<null>");
    EXPECT_EQ(Texto("lblNombre"), "");

    // Clicking the formula shown keeps the edit; the language switch carries it along.
    Clic("Beutler ES");
    Teclear("txtMisNotas", "tres");
    Clic("Beutler ES");
    C<QCheckBox>("chkES")->click();
    EXPECT_EQ(Texto("lblSubtitulo"), "Beutler subtitle");
    EXPECT_EQ(Texto("txtMisNotas"), "tres");
    EXPECT_TRUE(Guardable());
    EXPECT_EQ(Preguntas(), 2);

    Guion().respuestas = {Respuesta::Si};
    w->close();
    EXPECT_EQ(NotasGuardadas(1), "tres");
    EXPECT_EQ(Preguntas(), 3);
    EXPECT_EQ(GridEnganchado(), nullptr);
}

TEST_F(frmFormulasTest, UnGuardadoFallidoConservaTextoYBoton) {
    Clic("Kodak F-5");
    Teclear("txtMisNotas", "importante");
    HacerFallarGuardado();
    QTest::mouseClick(C("btnGuardarMisNotas"), Qt::LeftButton);
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Guion().llamadas[0].texto, "Error al guardar notas: disco lleno");
    EXPECT_EQ(Texto("txtMisNotas"), "importante");
    EXPECT_TRUE(Guardable());
    // A picture to look at, when asked for: GARVOLA_CAPTURAS=/tmp/...
    if (const QString capturas = qEnvironmentVariable("GARVOLA_CAPTURAS"); !capturas.isEmpty())
        w->Marco()->grab().save(capturas + "/formulas_misnotas.png");

    // Answering Yes to the question: the failed save keeps the formula and the window.
    Guion().respuestas = {Respuesta::Si};
    Clic("Beutler ES");
    EXPECT_EQ(Texto("lblNombre"), "Kodak F-5");
    EXPECT_EQ(Lista()->currentItem()->text(), "Kodak F-5");
    Guion().respuestas = {Respuesta::Si};
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(Texto("txtMisNotas"), "importante");
    Guion().respuestas = {Respuesta::Si};
    Teclear("txtFiltro", "z");
    EXPECT_EQ(Texto("txtMisNotas"), "importante");
    EXPECT_TRUE(Guardable());
    // No drops them, by the user's choice.
    Guion().respuestas = {Respuesta::No};
    EXPECT_TRUE(w->close());
}

TEST_F(frmFormulasTest, PrepararOtroVolumenEscalaLaColumnaCantidad) {
    Clic("Beutler ES");
    C<QLineEdit>("txtVolumen")->setText("300");
    C<QComboBox>("cboUnidadVolumen")->setCurrentText("ml");
    EXPECT_EQ(Fila(2), QStringList({"1", "Metol", "3.0", "g"}));
    EXPECT_EQ(Fila(3), QStringList({"1", "Agua hasta", "300", "ml"}));
    EXPECT_EQ(Fila(1), QStringList({"", "Solución A", "", ""}));
    EXPECT_EQ(Celda(2, 2)->foreground().color(), Tema::CantidadEscalada);
    EXPECT_EQ(Texto("lblEscala"), "Cantidades × 0.3");
    auto* marca = C<QLabel>("lblEscala");
    EXPECT_LE(marca->sizeHint().width(), marca->width()); // not cut off
    // The scale stays while other formulas and languages are shown.
    C<QCheckBox>("chkES")->click();
    EXPECT_EQ(Fila(3), QStringList({"1", "Water to make", "300", "ml"}));
    C<QLineEdit>("txtVolumen")->setText("abc");
    EXPECT_EQ(Fila(2)[2], "10.0");
    EXPECT_EQ(Texto("lblEscala"), "Volumen no válido");
    EXPECT_LE(marca->sizeHint().width(), marca->width());
    C<QLineEdit>("txtVolumen")->setText("1000");
    EXPECT_EQ(Fila(2)[2], "10.0");
    EXPECT_EQ(Texto("lblEscala"), "");
    EXPECT_EQ(ReferenceDb()
                  ->Consultar("SELECT Cantidad FROM Ingredientes WHERE IdFormula=1 AND Quimica='Metol'")
                  .Campo(0),
              "10.0");
}

TEST_F(frmFormulasTest, LosControlesDelDetalleNoSeSolapan) {
    w->Marco()->resize(1100, 760);
    Clic("Beutler ES");
    QCoreApplication::processEvents();
    const QWidget* detalle = C("picDetalle");
    const QList<QWidget*> hijos = detalle->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (int i = 0; i < hijos.size(); ++i) {
        EXPECT_TRUE(detalle->rect().contains(hijos[i]->geometry())) << hijos[i]->objectName().toStdString();
        for (int j = i + 1; j < hijos.size(); ++j)
            EXPECT_FALSE(hijos[i]->geometry().intersects(hijos[j]->geometry()))
                << hijos[i]->objectName().toStdString() << " / " << hijos[j]->objectName().toStdString();
    }
}

TEST_F(frmFormulasTest, LosAnchosDeColumnaSeRecuerdan) {
    Grid()->setColumnWidth(1, 300);
    ASSERT_TRUE(w->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Abrir();
    EXPECT_EQ(Grid()->columnWidth(1), 300);
}

// The formula's own notes take 10,000 characters of emoji, right-to-left text, control characters
// and no-break spaces, and a new window shows them as they were.
TEST_F(frmFormulasTest, MisNotasLargasYExtranasVuelvenIguales) {
    const QString texto = TextoExtrano(10000, true);
    Pegar(C("txtFiltro"), TextoExtrano(300));
    EXPECT_TRUE(Items().isEmpty());
    Pegar(C("txtFiltro"), QString());
    Clic("Kodak F-5");
    Pegar(C("txtMisNotas"), texto);
    QTest::mouseClick(C("btnGuardarMisNotas"), Qt::LeftButton);
    EXPECT_TRUE(Guion().llamadas.empty());
    EXPECT_EQ(NotasGuardadas(4), texto);
    ASSERT_TRUE(w->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Abrir();
    Clic("Kodak F-5");
    EXPECT_EQ(TextoEscrito(C<QPlainTextEdit>("txtMisNotas")), texto);
    EXPECT_FALSE(Guardable());
}

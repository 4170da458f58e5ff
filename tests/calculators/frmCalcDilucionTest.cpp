#include "calculators/frmCalcDilucion.h"

#include "shell/AjustesUsuario.h"
#include "shell/Numeros.h"
#include "soporte/CarpetaPruebas.h"
#include "soporte/DialogosGuion.h"
#include "soporte/VentanaPrueba.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CalcDilucion : public ::testing::Test, public VentanaPrueba<frmCalcDilucion> {
protected:
    CalcDilucion() { Abrir(); }
    void Calcular(const QString& a, const QString& b, const QString& total) {
        Teclear("txtParte1", a);
        Teclear("TxtParte2", b);
        Teclear("txtTotal", total);
        Clic("cmdCalcular");
    }
    QStringList Mensajes() {
        QStringList m;
        for (const auto& l : Guion().llamadas) {
            EXPECT_EQ(l.icono, Icono::Exclamacion);
            m << l.texto;
        }
        return m;
    }

    CarpetaPruebas carpeta{false};
};

} // namespace

TEST_F(CalcDilucion, EstadoInicial) {
    EXPECT_EQ(w->windowTitle(), "Calculadora de diluciones");
    EXPECT_TRUE(C<QRadioButton>("optCalculoPP")->isChecked());
    EXPECT_EQ(Texto("lblMasODosPuntos"), "+");
    auto* unidades = C<QComboBox>("cmbUnidades");
    ASSERT_EQ(unidades->count(), 3);
    EXPECT_EQ(unidades->currentText(), "ml");
    EXPECT_EQ(unidades->itemText(2), "l");
    EXPECT_EQ(Texto("lblResultadoConc"), "-");
    EXPECT_EQ(C<QLineEdit>("txtTotal")->maxLength(), 6);
    EXPECT_EQ(w->size(), QSize(TwipsAPixeles(6585), TwipsAPixeles(6300)));
}

TEST_F(CalcDilucion, SoloDigitosYComa) {
    Teclear("txtParte1", "1.5");
    EXPECT_EQ(C<QLineEdit>("txtParte1")->text(), "15");
    Teclear("txtParte1", "a1,5-");
    EXPECT_EQ(C<QLineEdit>("txtParte1")->text(), "1,5");
    QTest::keyClick(C("txtParte1"), Qt::Key_Backspace);
    EXPECT_EQ(C<QLineEdit>("txtParte1")->text(), "1,");
    Teclear("txtTotal", "1234567");
    EXPECT_EQ(C<QLineEdit>("txtTotal")->text(), "123456");

    // Delete still deletes: under X11 its key event carries the DEL character as text.
    auto* caja = C<QLineEdit>("txtTotal");
    caja->setCursorPosition(0);
    QKeyEvent borrar(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
    QCoreApplication::sendEvent(caja, &borrar);
    EXPECT_EQ(caja->text(), "23456");
}

TEST_F(CalcDilucion, ModosYResultados) {
    Calcular("1", "9", "500");
    EXPECT_EQ(Texto("lblResultadoConc"), "50.00 ml");
    EXPECT_EQ(Texto("lblResultadoDil"), "450.00 ml");

    Clic("optCalculoRdD");
    EXPECT_EQ(Texto("lblMasODosPuntos"), ":");
    EXPECT_EQ(Texto("lblResultadoConc"), "50.00 ml"); // only Calcular recomputes
    C<QComboBox>("cmbUnidades")->setCurrentIndex(1);
    Calcular("1", "50", "60");
    EXPECT_EQ(Texto("lblResultadoConc"), "1.20 cl");
    EXPECT_EQ(Texto("lblResultadoDil"), "58.80 cl");

    Clic("optCalculoPP");
    EXPECT_EQ(Texto("lblMasODosPuntos"), "+");
    Calcular("1,5", "1,5", "1");
    EXPECT_EQ(Texto("lblResultadoConc"), "0.50 cl");
    EXPECT_TRUE(Guion().llamadas.empty());
}

TEST_F(CalcDilucion, MensajesEnOrdenSinTocarResultados) {
    Calcular("1", "1", "1");
    auto* unidad = C<QComboBox>("cmbUnidades");
    unidad->setEditText("ML");
    Calcular("0", "1", "1");
    unidad->setEditText("");
    Calcular("1", "1", "1");
    unidad->setEditText("ML");
    Calcular("1", "1", "1");
    unidad->setEditText("ml");
    Clic("optCalculoRdD");
    Calcular("2", "2", "1");
    EXPECT_EQ(Mensajes(),
              (QStringList{QStringLiteral("Los valores deben ser números positivos."),
                           "Seleccione una unidad.", QStringLiteral("Unidad no válida."),
                           QStringLiteral("En modo relación de dilución, la segunda parte (total) debe "
                                          "ser mayor que la primera (concentrado).")}));
    EXPECT_EQ(Texto("lblResultadoConc"), "0.50 ml");
    EXPECT_EQ(Texto("lblResultadoDil"), "0.50 ml");
}

TEST_F(CalcDilucion, PosicionRecordada) {
    GuardarAjuste("Garvola", "CalcDilucion", "Left", "1500");
    GuardarAjuste("Garvola", "CalcDilucion", "Top", "750");
    GuardarAjuste("Garvola", "CalcDilucion", "Width", "9000");
    GuardarAjuste("Garvola", "CalcDilucion", "Height", "9000");
    frmCalcDilucion otra(anfitrion);
    otra.Cargar();
    EXPECT_EQ(otra.pos(), QPoint(100, 50));
    EXPECT_EQ(otra.size(), QSize(TwipsAPixeles(6585), TwipsAPixeles(6300)));
    otra.move(200, 80);
    otra.close();
    EXPECT_EQ(LeerAjuste("Garvola", "CalcDilucion", "Left", ""), "3000");
    EXPECT_EQ(LeerAjuste("Garvola", "CalcDilucion", "Top", ""), "1200");
}

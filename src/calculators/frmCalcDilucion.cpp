#include "calculators/frmCalcDilucion.h"
#include "shell/Tema.h"

#include "calculators/Dilucion.h"
#include "shell/Controles.h"
#include "shell/Dialogos.h"
#include "shell/Numeros.h"
#include "shell/Posiciones.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString kClave = QStringLiteral("CalcDilucion");

// Digits, the comma and backspace; keys that type nothing (arrows, Delete, Tab) keep their use.
// Under X11 Delete comes with the DEL character as its text.
bool TeclaAdmitida(const QKeyEvent* tecla) {
    const QString texto = tecla->text();
    const int k = tecla->key();
    if (texto.isEmpty() || k == Qt::Key_Tab || k == Qt::Key_Backtab || k == Qt::Key_Delete)
        return true;
    if (texto.size() != 1)
        return false;
    const QChar c = texto[0];
    return (c >= u'0' && c <= u'9') || c == u',' || c == u'\b';
}
} // namespace

frmCalcDilucion::frmCalcDilucion(Anfitrion&, QWidget* padre) : VentanaModulo(padre) {
    setObjectName(QStringLiteral("frmCalcDilucion"));
    setWindowTitle(QStringLiteral("Calculadora de diluciones"));
    setFont(FuenteVentanaCalc());

    auto* picCab = CrearControl<QWidget>(this, "picCab", 0, 0, 6345, 630);
    ColorFondo(picCab, Tema::CalcFondo);
    auto* lblTit =
        CrearEtiqueta(picCab, "lblTit", QStringLiteral("Calculadora de diluciones"), 360, 120, 4200, 300);
    lblTit->setFont(Fuente(Tema::FaceInterfaz, 13.5, true));
    ColorTexto(lblTit, Tema::CalcTitulo);

    auto* fraOpciones = CrearControl<QGroupBox>(this, "fraOpciones", 240, 690, 5880, 870);
    fraOpciones->setTitle(QStringLiteral("Tipo de cálculo: "));
    optCalculoPP_ = CrearControl<QRadioButton>(fraOpciones, "optCalculoPP", 420, 360, 2340, 255);
    optCalculoPP_->setText(QStringLiteral("Partes + Partes  (1+X)"));
    optCalculoRdD_ = CrearControl<QRadioButton>(fraOpciones, "optCalculoRdD", 2820, 360, 2820, 255);
    optCalculoRdD_->setText(QStringLiteral("Relación de dilución (1:X)"));

    auto* frameProporciones = CrearControl<QGroupBox>(this, "frameProporciones", 240, 1800, 5880, 1350);
    frameProporciones->setTitle(QStringLiteral("Proporciones y total deseado: "));
    CrearEtiqueta(frameProporciones, "lblParte1", QStringLiteral("Conc.:"), 600, 360, 735, 255);
    txtParte1_ = CrearCaja(frameProporciones, "txtParte1", 600, 630, 4);
    lblMasODosPuntos_ = CrearEtiqueta(frameProporciones, "lblMasODosPuntos", QString(), 1440, 675, 135, 255);
    CrearEtiqueta(frameProporciones, "lblParte2", QStringLiteral("Agua:"), 1800, 360, 615, 255);
    TxtParte2_ = CrearCaja(frameProporciones, "TxtParte2", 1800, 630, 4);
    CrearEtiqueta(frameProporciones, "lblTotal", QStringLiteral("Total:"), 3120, 360, 615, 255);
    txtTotal_ = CrearCaja(frameProporciones, "txtTotal", 3120, 750, 6);
    cmbUnidades_ = CrearControl<QComboBox>(frameProporciones, "cmbUnidades", 3960, 660, 1095, 315);
    cmbUnidades_->setEditable(true);

    auto* cmdCalcular = CrearControl<QPushButton>(this, "cmdCalcular", 2085, 3360, 2175, 615);
    cmdCalcular->setText(QStringLiteral("Calcular"));

    auto* frameResultados = CrearControl<QGroupBox>(this, "frameResultados", 240, 4080, 5880, 1350);
    frameResultados->setTitle(QStringLiteral("Resultados: "));
    const QFont grande = Fuente(Tema::FaceInterfaz, 12);
    CrearEtiqueta(frameResultados, "lblParte1res", QStringLiteral("Concentrado:"), 360, 360, 1215, 255);
    lblResultadoConc_ =
        CrearEtiqueta(frameResultados, "lblResultadoConc", QStringLiteral("-"), 1680, 320, 1335, 255);
    lblResultadoConc_->setFont(grande);
    CrearEtiqueta(frameResultados, "lblParte2res", QStringLiteral("Agua...............:"), 360, 840, 1215,
                  255);
    lblResultadoDil_ =
        CrearEtiqueta(frameResultados, "lblResultadoDil", QStringLiteral("-"), 1680, 800, 1335, 255);
    lblResultadoDil_->setFont(grande);

    connect(optCalculoPP_, &QRadioButton::clicked, this,
            [this] { lblMasODosPuntos_->setText(QStringLiteral("+")); });
    connect(optCalculoRdD_, &QRadioButton::clicked, this,
            [this] { lblMasODosPuntos_->setText(QStringLiteral(":")); });
    connect(cmdCalcular, &QPushButton::clicked, this, &frmCalcDilucion::Calcular);
    resize(TwipsAPixeles(6585), TwipsAPixeles(6300));
}

QLineEdit* frmCalcDilucion::CrearCaja(QWidget* marco, const char* nombre, double izquierda, double ancho,
                                      int largo) {
    auto* caja = CrearControl<QLineEdit>(marco, nombre, izquierda, 660, ancho, 360);
    caja->setMaxLength(largo);
    caja->setFont(Fuente(Tema::FaceInterfaz, 12));
    ColorFondo(caja, Tema::CalcCaja);
    ColorTexto(caja, Qt::white);
    caja->installEventFilter(this);
    return caja;
}

void frmCalcDilucion::Cargar() {
    RestaurarPosicionVentana(kClave, this);
    cmbUnidades_->clear();
    cmbUnidades_->addItems({QStringLiteral("ml"), QStringLiteral("cl"), QStringLiteral("l")});
    cmbUnidades_->setCurrentIndex(0);
    optCalculoPP_->setChecked(true);
    lblMasODosPuntos_->setText(QStringLiteral("+"));
    Marco()->resize(TwipsAPixeles(6585), TwipsAPixeles(6300));
}

void frmCalcDilucion::closeEvent(QCloseEvent* evento) {
    GuardarPosicionVentana(kClave, this);
    VentanaModulo::closeEvent(evento);
}

bool frmCalcDilucion::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress && !TeclaAdmitida(static_cast<QKeyEvent*>(evento)))
        return true;
    return VentanaModulo::eventFilter(objeto, evento);
}

void frmCalcDilucion::Calcular() {
    const auto modo = optCalculoRdD_->isChecked() ? ModoDilucion::Relacion : ModoDilucion::PartesMasPartes;
    const auto r = CalcularDilucion(txtParte1_->text(), TxtParte2_->text(), txtTotal_->text(),
                                    cmbUnidades_->currentText(), modo);
    if (!r.mensaje.isEmpty()) {
        Dialogo().Informar(QString(), r.mensaje, Icono::Exclamacion);
        return;
    }
    lblResultadoConc_->setText(r.textoConcentrado);
    lblResultadoDil_->setText(r.textoAgua);
}

#pragma once

#include "shell/Anfitrion.h"
#include "shell/Numeros.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// Splits a working solution into concentrate and water.
class frmCalcDilucion : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmCalcDilucion(Anfitrion& anfitrion, QWidget* padre = nullptr);
    void Cargar() override;
    // The designed size, which the main window's arrangements keep.

protected:
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private Q_SLOTS:
    void Calcular();

private:
    QLineEdit* CrearCaja(QWidget* marco, const char* nombre, double izquierda, double ancho, int largo);

    QRadioButton* optCalculoPP_;
    QRadioButton* optCalculoRdD_;
    QLabel* lblMasODosPuntos_;
    QLineEdit* txtParte1_;
    QLineEdit* TxtParte2_;
    QLineEdit* txtTotal_;
    QComboBox* cmbUnidades_;
    QLabel* lblResultadoConc_;
    QLabel* lblResultadoDil_;
    // The size is given for the outer frame; what it leaves inside is the designed client size.
};

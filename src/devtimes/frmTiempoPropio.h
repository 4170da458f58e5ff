#pragma once

#include "devtimes/TiemposPropios.h"

#include <QDialog>

class ApunteBorrador;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Adds or edits one of the photographer's own development times. It refuses a field at fault with
// a message naming it and keeps everything typed; it asks before replacing an equal own time and
// before dropping what was typed.
class frmTiempoPropio : public QDialog {
    Q_OBJECT
public:
    // t.id 0: a new time, prefilled with what t holds.
    explicit frmTiempoPropio(const TiempoPropio& t, QWidget* padre = nullptr);

    // The time as stored, once Guardado was emitted.
    const TiempoPropio& Tiempo() const { return tiempo_; }

    // What a recovered draft holds, put in the fields, unsaved.
    void PonerBorrador(const TiempoPropio& t);

    void accept() override;
    void reject() override;

Q_SIGNALS:
    void Guardado(const TiempoPropio& t);

private:
    void CrearControles();
    void Llenar(const TiempoPropio& t);
    TiempoPropio Escrito() const;
    QWidget* Campo(const QString& titulo) const;

    TiempoPropio tiempo_;
    bool cambiado_ = false;
    QComboBox* cboPelicula_;
    QComboBox* cboRevelador_;
    QLineEdit* txtDilucion_;
    QLineEdit* txtEI_;
    QLineEdit* txt35_;
    QLineEdit* txt120_;
    QLineEdit* txtHoja_;
    QLineEdit* txtTemperatura_;
    QLineEdit* txtAgitacion_;
    QPlainTextEdit* txtNota_;
    QPushButton* btnGuardar_;
    QPushButton* btnCancelar_;
    ApunteBorrador* apunte_;
};

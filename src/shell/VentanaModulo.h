#pragma once

#include <QWidget>

// Base of every module window shown as a child of the main window.
class VentanaModulo : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Runs once the window stands in its sub-window, before it is first shown: restored
    // positions apply to the sub-window, which only exists by then.
    virtual void Cargar() {}

    // What moves and resizes on screen: the sub-window frame, or the window itself when alone.
    QWidget* Marco();

    // The client size the window was designed (or restored) at, so that arranging the windows
    // in cascade keeps it.
    QSize sizeHint() const override {
        return tamanoDisenado_.isValid() ? tamanoDisenado_ : QWidget::sizeHint();
    }
    void FijarTamanoDisenado(const QSize& tamano) { tamanoDisenado_ = tamano; }

    // Shut-down asks every window before it closes any, so that "Cancelar" in one leaves them all
    // open: each asks its questions here and answers whether it may close. A window that said yes
    // is not asked again by the closing that follows.
    bool PermitirCierre();
    // The shut-down was called off: the next closing asks again.
    void OlvidarCierre() { cierrePermitido_ = false; }

protected:
    // The window's questions before closing (unsaved text, a run under way); false keeps it open.
    virtual bool PreguntarCierre() { return true; }
    // For closeEvent: asks unless the shut-down already did, and forgets that answer.
    bool ConfirmarCierre();

private:
    QSize tamanoDisenado_;
    bool cierrePermitido_ = false;
};

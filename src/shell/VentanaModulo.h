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

private:
    QSize tamanoDisenado_;
};

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
};

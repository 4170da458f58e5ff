#pragma once

#include "shell/Anfitrion.h"

// The panel of five picture buttons that opens the most used modules, at the client area's
// top-left corner.
class frmBotonesDirectos : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmBotonesDirectos(Anfitrion& anfitrion, QWidget* padre = nullptr);
    void Cargar() override;

private:
    Anfitrion& anfitrion_;
};

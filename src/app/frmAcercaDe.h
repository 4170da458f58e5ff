#pragma once

#include "shell/Anfitrion.h"

// The program's version, credits and the folder that holds its data.
class frmAcercaDe : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmAcercaDe(Anfitrion& anfitrion, QWidget* padre = nullptr);
    void Cargar() override;
};

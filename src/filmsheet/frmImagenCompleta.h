#pragma once

#include "shell/Anfitrion.h"

class Lienzo;
class QLabel;

// One picture file as large as the window allows, with its title under it. One instance;
// each call replaces what it shows; a double click on the picture closes it.
class frmImagenCompleta : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmImagenCompleta(Anfitrion& anfitrion, QWidget* padre = nullptr);

    // llenar: take the whole client area of the main window.
    void MostrarImagen(const QString& ruta, const QString& titulo, bool llenar);
    const QString& RutaImagen() const { return rutaImagen_; }

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    // Fits the picture file into the canvas, read afresh from disk each time.
    void DibujarImagen();
    void Colocar();

    Anfitrion& anfitrion_;
    Lienzo* picImg_;
    QLabel* lblNombre_;
    QString rutaImagen_;
};

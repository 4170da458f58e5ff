#pragma once

#include "shell/Anfitrion.h"

class QTextBrowser;

// The user manual, an HTML file in the program folder, in a text browser.
class frmAyuda : public VentanaModulo {
    Q_OBJECT
public:
    explicit frmAyuda(Anfitrion& anfitrion, QWidget* padre = nullptr);
    void Cargar() override;

    // Brings the open help window forward, or opens it on the manual; a missing manual gives one
    // message and no window.
    static void Mostrar(Anfitrion& anfitrion);
    static QString RutaManual();

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    QTextBrowser* WebBrowser1_;
};

#include "shell/TemaTemporizador.h"

#include "shell/Tema.h"

QPalette PaletaTemporizador(QPalette p, bool oscuro) {
    const QColor tenue = oscuro ? Tema::OscuroTenue : Tema::CalcFactor;
    p.setColor(QPalette::Window, oscuro ? Tema::OscuroFondo : Tema::CalcFondo);
    p.setColor(QPalette::WindowText, oscuro ? Tema::OscuroTexto : Tema::CalcTexto);
    p.setColor(QPalette::Base, oscuro ? Tema::OscuroCaja : Tema::CalcCaja);
    p.setColor(QPalette::AlternateBase, oscuro ? Tema::OscuroCaja : Tema::CalcCaja);
    p.setColor(QPalette::Text, oscuro ? Tema::OscuroTexto : QColor(Qt::white));
    p.setColor(QPalette::PlaceholderText, tenue);
    p.setColor(QPalette::Button, oscuro ? Tema::OscuroBoton : Tema::CalcBoton);
    p.setColor(QPalette::ButtonText, oscuro ? Tema::OscuroTexto : Tema::CalcTextoBoton);
    p.setColor(QPalette::Highlight, oscuro ? Tema::OscuroTexto : Tema::CalcTitulo);
    p.setColor(QPalette::HighlightedText, oscuro ? Tema::OscuroFondo : QColor(Qt::white));
    // Also when disabled: a style that etches disabled captions draws them in this colour.
    p.setColor(QPalette::Light, tenue);
    for (auto rol : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, rol, tenue);
    return p;
}

QPalette PaletaDigitos(QPalette p, bool oscuro, bool destello) {
    const QColor normal = oscuro ? Tema::OscuroTexto : Tema::CalcResultado;
    const QColor alerta = oscuro ? Tema::OscuroTenue : Tema::TemporizadorDestello;
    p.setColor(QPalette::Window, oscuro ? Tema::OscuroFondo : Tema::CalcPanel);
    p.setColor(QPalette::WindowText, destello ? alerta : normal);
    return p;
}

QColor ColorAvisoTemporizador(bool oscuro) {
    return oscuro ? Tema::OscuroTexto : Tema::TemporizadorAviso;
}

QColor ColorEtapaTemporizador(bool oscuro) {
    return oscuro ? Tema::OscuroTexto : Tema::CalcTitulo;
}

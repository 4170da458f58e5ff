#include "shell/TemaTemporizador.h"
#include "shell/Tema.h"

#include <gtest/gtest.h>

namespace {

// A colour a dark-adapted eye bears: red alone.
bool SoloRojo(const QColor& c) {
    return c.green() == 0 && c.blue() == 0;
}

} // namespace

// Every colour the dark look sets, in every state of the window and of the digits, is red alone;
// the normal look keeps its coloured figures and the flash shows in both.
TEST(TemaTemporizador, ElModoOscuroSoloTieneRojoYElDestelloSeVe) {
    const QPalette base(Qt::white);
    const QPalette ventana = PaletaTemporizador(base, true);
    for (auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (auto rol : {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::AlternateBase,
                         QPalette::Text, QPalette::PlaceholderText, QPalette::Button, QPalette::ButtonText,
                         QPalette::Highlight, QPalette::HighlightedText, QPalette::Light})
            EXPECT_TRUE(SoloRojo(ventana.color(grupo, rol))) << grupo << " " << rol;
    EXPECT_NE(ventana.color(QPalette::Disabled, QPalette::Text),
              ventana.color(QPalette::Active, QPalette::Text))
        << "lo desactivado se distingue";
    for (bool destello : {false, true}) {
        const QPalette d = PaletaDigitos(base, true, destello);
        EXPECT_TRUE(SoloRojo(d.color(QPalette::WindowText)));
        EXPECT_TRUE(SoloRojo(d.color(QPalette::Window)));
    }
    EXPECT_TRUE(SoloRojo(ColorAvisoTemporizador(true)));
    EXPECT_TRUE(SoloRojo(ColorEtapaTemporizador(true)));

    EXPECT_EQ(PaletaDigitos(base, false, false).color(QPalette::WindowText), Tema::CalcResultado);
    EXPECT_EQ(PaletaDigitos(base, false, true).color(QPalette::WindowText), Tema::TemporizadorDestello);
    EXPECT_NE(PaletaDigitos(base, true, true).color(QPalette::WindowText),
              PaletaDigitos(base, true, false).color(QPalette::WindowText));
    EXPECT_EQ(PaletaTemporizador(base, false).color(QPalette::Window), Tema::CalcFondo);
}

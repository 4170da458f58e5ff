#include "shell/DialogosQt.h"

#include "soporte/Etiquetas.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// What the open message box shows, read once it stands; then it is answered with the button.
struct Vista {
    QString titulo;
    bool talCual = false;
    QStringList botones;
};

void Responder(Vista& vista, QMessageBox::StandardButton boton) {
    QTimer::singleShot(0, [&vista, boton] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!caja)
            return;
        vista.titulo = caja->windowTitle();
        vista.talCual = MuestraTalCual(caja->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")));
        for (QAbstractButton* b : caja->buttons())
            vista.botones << b->text();
        caja->button(boton)->click();
    });
}
} // namespace

TEST(DialogosQtTest, PreguntaConTituloBotonesYTextoTalCual) {
    DialogosQt d;
    Vista vista;
    Responder(vista, QMessageBox::No);
    EXPECT_EQ(d.PreguntarSiNo("Confirmar", "No existe <b>x</b>", Icono::Pregunta), Respuesta::No);
    EXPECT_EQ(vista.titulo, "Confirmar");
    EXPECT_TRUE(vista.talCual);
    vista.botones.sort();
    EXPECT_EQ(vista.botones, (QStringList{"&No", QStringLiteral("&Sí")}));
}

TEST(DialogosQtTest, AvisoConElTituloDeLaAplicacion) {
    DialogosQt qt;
    Dialogos& d = qt;
    Vista vista;
    Responder(vista, QMessageBox::Ok);
    d.Informar({}, "Error al cargar la lista: near \"<i>\": syntax error");
    EXPECT_EQ(vista.titulo, "UXEL Garvola");
    EXPECT_TRUE(vista.talCual);
    EXPECT_EQ(vista.botones, QStringList{"Aceptar"});
}

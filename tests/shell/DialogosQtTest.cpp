#include "shell/DialogosQt.h"

#include "soporte/Etiquetas.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
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

TEST(DialogosQtTest, PedirTextoMuestraEntero) {
    DialogosQt d;
    const QString propuesto = QStringLiteral("261206_221530_Q10_AltaFineza_con_un_nombre_largo");
    int anchoCaja = 0, anchoTexto = 0;
    QTimer::singleShot(0, [&] {
        auto* dialogo = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!dialogo)
            return;
        auto* caja = dialogo->findChild<QLineEdit*>();
        anchoCaja = caja->width();
        anchoTexto = caja->fontMetrics().horizontalAdvance(propuesto);
        dialogo->accept();
    });
    EXPECT_EQ(d.PedirTexto("Guardar perfil", "Nombre del perfil:", propuesto),
              std::optional<QString>(propuesto));
    EXPECT_GT(anchoCaja, anchoTexto);
}

TEST(DialogosQtTest, ElegirArchivoEnEspanolParaGuardarYAbrir) {
    DialogosQt d;
    QTemporaryDir carpeta;
    const QString propuesta = carpeta.path() + QStringLiteral("/mis_datos.zip");
    for (const bool guardar : {true, false}) {
        SCOPED_TRACE(guardar);
        QStringList textos;
        QTimer::singleShot(0, [&] {
            auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialogo)
                return;
            textos << dialogo->windowTitle();
            for (const char* etiqueta : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
                if (auto* l = dialogo->findChild<QLabel*>(QString::fromLatin1(etiqueta)))
                    textos << l->text();
            if (auto* botones = dialogo->findChild<QDialogButtonBox*>())
                for (QAbstractButton* b : botones->buttons())
                    textos << b->text();
            if (const QString destino = qEnvironmentVariable("GARVOLA_CAPTURAS"); !destino.isEmpty())
                dialogo->grab().save(destino + (guardar ? u"/dialogo_guardar.png" : u"/dialogo_abrir.png"));
            dialogo->reject();
        });
        const auto elegido =
            guardar ? d.PedirArchivoGuardar("Exportar mis datos", propuesta, "Archivo ZIP (*.zip)")
                    : d.PedirArchivoAbrir("Importar mis datos", carpeta.path(), "Mis datos (*.zip)");
        EXPECT_FALSE(elegido.has_value());
        EXPECT_EQ(textos.value(0), guardar ? "Exportar mis datos" : "Importar mis datos");
        EXPECT_TRUE(textos.contains("Buscar en:")) << textos.join(u'|').toStdString();
        EXPECT_TRUE(textos.contains("Nombre:"));
        EXPECT_TRUE(textos.contains("Tipo:"));
        EXPECT_TRUE(textos.contains("Cancelar"));
        EXPECT_TRUE(textos.contains(guardar ? "Guardar" : "Abrir"));
    }
}

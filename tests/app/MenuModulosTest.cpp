#include "app/Modulos.h"
#include "app/frmMDI.h"
#include "calculators/frmCurvaReciprocidad.h"
#include "devtimes/frmPeliculasReveladores.h"
#include "shell/AlmacenDatos.h"
#include "soporte/CarpetaPruebas.h"

#include <QAction>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

TEST(MenuModulos, CadaOrdenAbreSuUnicaVentana) {
    CarpetaPruebas carpeta;
    ReferenceDb()->Insertar("Peliculas", {{"IdPelicula", 1}, {"Nombre", "Kodak Tri-X 400"}});
    carpeta.Escribir("UXEL Garvola _ Manual.htm", "<html><body>Manual</body></html>");
    frmMDI w;
    w.show();
    EXPECT_EQ(w.Accion("mnuCalcTiempoTemp")->shortcut(), QKeySequence("Ctrl+T"));
    EXPECT_EQ(w.Accion("mnuCalcDiluciones")->shortcut(), QKeySequence("Ctrl+D"));
    EXPECT_EQ(w.Accion("mnuBuscarPeliRevel")->shortcut(), QKeySequence("Ctrl+B"));
    EXPECT_EQ(w.Accion("mnuBuscarPeliRevelDiscont")->shortcut(), QKeySequence("Ctrl+P"));
    // Every module's command is enabled and opens one window, however often it is chosen.
    for (const Modulo& m : Modulos()) {
        QAction* a = w.Accion(QString::fromLatin1(m.accion));
        ASSERT_NE(a, nullptr) << m.accion;
        ASSERT_TRUE(a->isEnabled()) << m.accion;
        a->trigger();
        a->trigger();
    }
    // One window per class (the two document folders share one list).
    QSet<QString> clases;
    for (QMdiSubWindow* sub : w.Area()->subWindowList())
        clases << QString::fromLatin1(typeid(*sub->widget()).name());
    const qsizetype abiertas = w.Area()->subWindowList().size();
    EXPECT_EQ(clases.size(), abiertas);
    EXPECT_EQ(abiertas, qsizetype(Modulos().size()) - 1);
    auto* busqueda = w.Abierto<frmPeliculasReveladores>();
    ASSERT_NE(busqueda, nullptr);
    EXPECT_EQ(busqueda->findChild<QListWidget*>("lstItems")->count(), 1);

    // "Cerrar" closes the sub-window, not only what it holds.
    auto* curvas = w.Abierto<frmCurvaReciprocidad>();
    ASSERT_NE(curvas, nullptr);
    QTest::mouseClick(curvas->findChild<QPushButton*>("btnCerrar"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.Abierto<frmCurvaReciprocidad>(), nullptr);
    EXPECT_EQ(w.Area()->subWindowList().size(), abiertas - 1);
    w.Area()->closeAllSubWindows();
}

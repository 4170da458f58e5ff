#include "calculators/frmCalcDilucion.h"
#include "calculators/frmCalcTiempoTemp.h"
#include "calculators/frmCurvaReciprocidad.h"
#include "shell/frmMDI.h"
#include "soporte/CarpetaPruebas.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(MenuCalculadoras, CadaOrdenAbreSuUnicaVentana) {
    CarpetaPruebas carpeta(false);
    frmMDI w;
    EXPECT_EQ(w.Accion("mnuCalcTiempoTemp")->shortcut(), QKeySequence("Ctrl+T"));
    EXPECT_EQ(w.Accion("mnuCalcDiluciones")->shortcut(), QKeySequence("Ctrl+D"));
    for (const char* orden : {"mnuCalcTiempoTemp", "mnuCalcDiluciones", "mnuCurvaFalloReciprocidad"}) {
        ASSERT_TRUE(w.Accion(orden)->isEnabled()) << orden;
        w.Accion(orden)->trigger();
        w.Accion(orden)->trigger();
    }
    EXPECT_EQ(w.Area()->subWindowList().size(), 3);
    EXPECT_NE(w.ModuloAbierto<frmCalcTiempoTemp>(), nullptr);
    EXPECT_NE(w.ModuloAbierto<frmCalcDilucion>(), nullptr);

    // "Cerrar" closes the sub-window, not only what it holds.
    auto* curvas = w.ModuloAbierto<frmCurvaReciprocidad>();
    ASSERT_NE(curvas, nullptr);
    QTest::mouseClick(curvas->findChild<QPushButton*>("btnCerrar"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.ModuloAbierto<frmCurvaReciprocidad>(), nullptr);
    EXPECT_EQ(w.Area()->subWindowList().size(), 2);
    w.Area()->closeAllSubWindows();
}

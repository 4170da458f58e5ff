#include "app/frmBotonesDirectos.h"
#include "app/frmMDI.h"
#include "devtimes/frmPeliculasReveladores.h"
#include "devtimes/frmPeliculasReveladoresDiscont.h"
#include "shell/Tema.h"
#include "shell/TemaOscuro.h"
#include "soporte/Capturas.h"
#include "soporte/CarpetaPruebas.h"
#include "timer/frmTemporizador.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

class ModoOscuroPrograma : public ::testing::Test {
protected:
    void TearDown() override { AplicarModoOscuro(false); }

    static QHeaderView* Cabecera(VentanaModulo* v) {
        auto* grid = v->findChild<QTableWidget*>(QStringLiteral("grdTiempos"));
        return grid ? grid->horizontalHeader() : nullptr;
    }

    CarpetaPruebas carpeta;
};

} // namespace

// The timer's dark mode darkens the main window and everything in it: each sub-window's title bar
// (text and icon) and frame, the headers of the grids, whose own style would otherwise win, and
// the question boxes. Nothing bright is left, and everything is bright again when it ends.
TEST_F(ModoOscuroPrograma, VentanaPrincipalSusHijasYUnaPregunta) {
    // The shortcut pictures, as the build installs them beside the program.
    const QDir iconos(QStringLiteral(GARVOLA_ICONOS));
    for (const QString& f : iconos.entryList({QStringLiteral("*.png")}, QDir::Files))
        carpeta.Escribir(u"iconos/" + f, [&] {
            QFile archivo(iconos.filePath(f));
            return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
        }());
    frmMDI w;
    w.resize(1100, 800);
    w.show();
    auto* busqueda = w.Abrir<frmPeliculasReveladores>();
    auto* t = w.Abrir<frmTemporizador>();
    QCoreApplication::processEvents();
    QHeaderView* cabecera = Cabecera(busqueda);
    ASSERT_NE(cabecera, nullptr);
    EXPECT_GT(Claros(Captura(cabecera, "cabecera-normal")), 0.5);
    const QImage antes = Captura(busqueda, "busqueda-antes");

    auto* atajos = w.Abrir<frmBotonesDirectos>();
    QCoreApplication::processEvents();
    EXPECT_GT(Claros(Captura(atajos, "atajos-normal")), 0.2);
    t->findChild<QCheckBox*>(QStringLiteral("chkModoOscuro"))->setChecked(true);
    auto* discont = w.Abrir<frmPeliculasReveladoresDiscont>();
    w.Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(t->parentWidget()));
    QCoreApplication::processEvents();
    EXPECT_LT(Claros(Captura(&w, "programa-oscuro")), 0.002);
    EXPECT_EQ(Claros(Captura(cabecera, "cabecera-oscura")), 0.0) << "la cabecera del grid";
    EXPECT_EQ(Claros(Captura(atajos, "atajos-oscuro")), 0.0) << "los dibujos de los botones";
    ASSERT_NE(Cabecera(discont), nullptr);
    EXPECT_EQ(Claros(Captura(Cabecera(discont), "cabecera-abierta-a-oscuras")), 0.0);
    for (QMdiSubWindow* sub : w.Area()->subWindowList()) {
        const QString nombre = sub->widget()->windowTitle();
        const QImage i = Captura(sub, qPrintable(u"marco-" + sub->widget()->objectName()));
        const QRect cliente = sub->widget()->geometry();
        EXPECT_EQ(Claros(i, QRect(0, 0, sub->width(), cliente.top())), 0.0)
            << "título e icono de " << nombre.toStdString();
        EXPECT_GT(RojoMaximo(i, QRect(0, cliente.top(), cliente.left(), cliente.height())), 60)
            << "el marco de " << nombre.toStdString() << " se ve";
    }
    EXPECT_LT(Claros(CajaDePregunta("pregunta-programa-oscuro")), 0.002);

    t->findChild<QCheckBox*>(QStringLiteral("chkModoOscuro"))->setChecked(false);
    QCoreApplication::processEvents();
    EXPECT_GT(Claros(Captura(cabecera, "cabecera-otra-vez")), 0.5);
    EXPECT_EQ(Captura(busqueda, "busqueda-despues"), antes) << "la ventana vuelve a ser como era";
    auto* caja = t->findChild<QLineEdit*>(QStringLiteral("txtPelicula"));
    EXPECT_EQ(caja->palette().color(QPalette::Base), Tema::CalcCaja) << "el temporizador, con sus colores";
    EXPECT_EQ(caja->palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_GT(Claros(Captura(Cabecera(discont), "cabecera-abierta-a-oscuras-despues")), 0.5);
    w.Area()->closeAllSubWindows();
}

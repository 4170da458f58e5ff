#include "app/frmAcercaDe.h"
#include "app/frmAyuda.h"
#include "app/frmBotonesDirectos.h"
#include "app/frmMDI.h"
#include "calculators/frmCalcDilucion.h"
#include "calculators/frmCalcTiempoTemp.h"
#include "devtimes/frmPeliculasReveladores.h"
#include "notes/frmNotas.h"
#include "shell/Numeros.h"

#include "soporte/CarpetaPruebas.h"
#include "soporte/DialogosGuion.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const char* const kBotones[] = {"cmdBATbuscarPeliculaRevelador", "cmdBATformulas", "cmdBATcalcTempTiempo",
                                "cmdBATcalculadoraDiluciones", "cmdBATnotasPersonales"};

// The pictures as the build installs them beside the program.
void CopiarIconos(const CarpetaPruebas& carpeta) {
    QDir origen(QStringLiteral(GARVOLA_ICONOS));
    QDir().mkpath(carpeta.Archivo("iconos"));
    for (const QString& f : origen.entryList({QStringLiteral("*.png")}, QDir::Files))
        QFile::copy(origen.filePath(f), carpeta.Archivo(u"iconos/" + f));
}

QToolButton* Boton(frmBotonesDirectos* panel, const char* nombre) {
    auto* b = panel->findChild<QToolButton*>(QString::fromLatin1(nombre));
    EXPECT_NE(b, nullptr) << nombre;
    return b;
}

} // namespace

TEST(BotonesDirectos, SeAbreArribaALaIzquierdaYAbreSusModulos) {
    CarpetaPruebas carpeta(false);
    CopiarIconos(carpeta);
    frmMDI w;
    w.show();
    w.Cargar();
    auto* panel = w.Abierto<frmBotonesDirectos>();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(w.Area()->activeSubWindow(), panel->Marco());
    EXPECT_EQ(panel->Marco()->pos(), QPoint(0, 0));

    // Five square buttons stacked from the top without gaps, each with its picture at its own size.
    int arriba = 0;
    for (const char* nombre : kBotones) {
        QToolButton* b = Boton(panel, nombre);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->geometry(), QRect(0, arriba, TwipsAPixeles(1500), TwipsAPixeles(1500))) << nombre;
        arriba += b->height();
        EXPECT_TRUE(b->text().isEmpty());
        EXPECT_FALSE(b->toolTip().isEmpty());
        EXPECT_FALSE(b->icon().isNull()) << nombre;
        const QPixmap dibujo = b->icon().pixmap(b->iconSize());
        EXPECT_EQ(dibujo.size(), b->iconSize()) << "the picture is drawn without rescaling";
        EXPECT_LE(b->iconSize().width(), b->width());
    }

    QTest::mouseClick(Boton(panel, "cmdBATbuscarPeliculaRevelador"), Qt::LeftButton);
    EXPECT_NE(w.Abierto<frmPeliculasReveladores>(), nullptr);
    QTest::mouseClick(Boton(panel, "cmdBATcalcTempTiempo"), Qt::LeftButton);
    EXPECT_NE(w.Abierto<frmCalcTiempoTemp>(), nullptr);
    QTest::mouseClick(Boton(panel, "cmdBATcalculadoraDiluciones"), Qt::LeftButton);
    auto* dilucion = w.Abierto<frmCalcDilucion>();
    ASSERT_NE(dilucion, nullptr);
    EXPECT_EQ(w.Area()->activeSubWindow(), dilucion->Marco());
    QTest::mouseClick(Boton(panel, "cmdBATnotasPersonales"), Qt::LeftButton);
    EXPECT_NE(w.Abierto<frmNotas>(), nullptr);
    // A second click brings the open window forward instead of opening another.
    const qsizetype abiertas = w.Area()->subWindowList().size();
    QTest::mouseClick(Boton(panel, "cmdBATcalculadoraDiluciones"), Qt::LeftButton);
    EXPECT_EQ(w.Area()->subWindowList().size(), abiertas);
    EXPECT_EQ(w.Area()->activeSubWindow(), dilucion->Marco());
    // The formula button follows its menu entry: enabled exactly when the module is in the program.
    EXPECT_EQ(Boton(panel, "cmdBATformulas")->isEnabled(), w.Accion("mnuVerFormulas")->isEnabled());

    // Closed and restored from the menu, it comes back at the corner, even after being moved.
    panel->Marco()->move(300, 200);
    panel->Marco()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.Abierto<frmBotonesDirectos>(), nullptr);
    w.Accion("BotAccDirectos")->trigger();
    panel = w.Abierto<frmBotonesDirectos>();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Marco()->pos(), QPoint(0, 0));
    w.Area()->closeAllSubWindows();
}

TEST(Ayuda, AbreElManualUnaSolaVezYSigueSusEnlaces) {
    CarpetaPruebas carpeta(false);
    carpeta.Escribir("UXEL Garvola _ Manual.htm",
                     "<html><body><h1>Manual de Garvola</h1><p><a href=\"#fin\">Ir al final</a></p>" +
                         QByteArray(200, '\n').replace("\n", "<p>texto de relleno</p>") +
                         "<h2><a name=\"fin\"></a>Atajos de teclado</h2></body></html>");
    frmMDI w;
    w.show();
    w.Cargar();
    w.Accion("mnuAyuda")->trigger();
    auto* ayuda = w.Abierto<frmAyuda>();
    ASSERT_NE(ayuda, nullptr);
    EXPECT_EQ(ayuda->windowTitle(), "Ayuda");
    auto* web = ayuda->findChild<QTextBrowser*>("WebBrowser1");
    ASSERT_NE(web, nullptr);
    EXPECT_TRUE(web->toPlainText().contains("Manual de Garvola"));
    EXPECT_EQ(web->source(), QUrl::fromLocalFile(frmAyuda::RutaManual()));

    // An anchor inside the manual scrolls the same page.
    web->resize(400, 200);
    web->setSource(QUrl::fromLocalFile(frmAyuda::RutaManual()).resolved(QUrl("#fin")));
    EXPECT_GT(web->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(web->toPlainText().contains("Manual de Garvola"));

    // The browser keeps a 120-twip margin at every size.
    ayuda->resize(TwipsAPixeles(9000), TwipsAPixeles(6000));
    EXPECT_EQ(web->geometry(), QRect(TwipsAPixeles(120), TwipsAPixeles(120), TwipsAPixeles(9000 - 240),
                                     TwipsAPixeles(6000 - 240)));
    ayuda->resize(4, 4);
    EXPECT_EQ(web->size(), QSize(1, 1));

    const qsizetype abiertas = w.Area()->subWindowList().size();
    w.Accion("mnuAyuda")->trigger();
    EXPECT_EQ(w.Area()->subWindowList().size(), abiertas);
    EXPECT_EQ(w.Abierto<frmAyuda>(), ayuda);
    EXPECT_EQ(w.Area()->activeSubWindow(), ayuda->Marco());
    EXPECT_TRUE(Guion().llamadas.empty());
    w.Area()->closeAllSubWindows();
}

TEST(Ayuda, SinManualUnAvisoYNingunaVentana) {
    CarpetaPruebas carpeta(false);
    frmMDI w;
    w.show();
    w.Cargar();
    const qsizetype abiertas = w.Area()->subWindowList().size();
    for (int vez = 1; vez <= 2; ++vez) {
        w.Accion("mnuAyuda")->trigger();
        ASSERT_EQ(Guion().llamadas.size(), size_t(vez));
        const auto& l = Guion().llamadas.back();
        EXPECT_EQ(l.tipo, DialogosGuion::Tipo::Informar);
        EXPECT_EQ(l.titulo, "UXEL Garvola");
        EXPECT_EQ(l.icono, Icono::Exclamacion);
        EXPECT_EQ(l.texto, u"No se encontr\u00f3 el fichero de ayuda:\r\n\r\n" +
                               QDir::toNativeSeparators(carpeta.Archivo("UXEL Garvola _ Manual.htm")));
        EXPECT_EQ(w.Abierto<frmAyuda>(), nullptr);
        EXPECT_EQ(w.Area()->subWindowList().size(), abiertas);
    }
    w.Area()->closeAllSubWindows();
}

TEST(AcercaDe, TextosDelProgramaCentradaYCarpetaDeDatos) {
    CarpetaPruebas carpeta(false);
    frmMDI w;
    w.resize(1200, 900);
    w.show();
    w.Cargar();
    w.Accion("mnuAyudaAcerca")->trigger();
    auto* acerca = w.Abierto<frmAcercaDe>();
    ASSERT_NE(acerca, nullptr);
    auto texto = [acerca](const char* nombre) {
        auto* l = acerca->findChild<QLabel*>(QString::fromLatin1(nombre));
        EXPECT_NE(l, nullptr) << nombre;
        return l ? l->text() : QString();
    };
    EXPECT_EQ(texto("lblVers"), QStringLiteral("Versión"));
    EXPECT_EQ(texto("lblVersion"), "0.9831");
    EXPECT_EQ(texto("lblCopyright"), frmMDI::Copyright);
    EXPECT_EQ(texto("lblCopyright2"), frmMDI::Copyright2);
    EXPECT_EQ(acerca->findChild<QLabel*>("lblCopyright")->font().family(), QFont("Arial").family());
    EXPECT_FALSE(texto("lblBasadoEn").isEmpty());
    EXPECT_TRUE(texto("lblCarpetaDatos").contains(QDir::toNativeSeparators(carpeta.Ruta())));

    // Centred in the client area, every time it is chosen.
    const QSize cliente = w.Area()->viewport()->size();
    QWidget* marco = acerca->Marco();
    auto centrada = [&] {
        return QPoint(std::max(0, (cliente.width() - marco->width()) / 2),
                      std::max(0, (cliente.height() - marco->height()) / 2));
    };
    EXPECT_LE((marco->pos() - centrada()).manhattanLength(), 2);
    marco->move(0, 0);
    w.Accion("mnuAyudaAcerca")->trigger();
    EXPECT_LE((marco->pos() - centrada()).manhattanLength(), 2);

    QTest::mouseClick(acerca->findChild<QWidget*>("cmdAceptar"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.Abierto<frmAcercaDe>(), nullptr);
    w.Area()->closeAllSubWindows();
}

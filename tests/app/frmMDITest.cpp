#include "app/frmMDI.h"
#include "app/frmBotonesDirectos.h"
#include "shell/AjustesUsuario.h"
#include "shell/AlmacenDatos.h"
#include "shell/Numeros.h"

#include "soporte/CarpetaPruebas.h"
#include "soporte/DialogosGuion.h"
#include "soporte/Etiquetas.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

int g_cierres = 0;

class VentanaDePrueba : public VentanaModulo {
public:
    explicit VentanaDePrueba(Anfitrion&) { resize(400, 300); }
    void Cargar() override { ++cargas; }
    int cargas = 0;

protected:
    void closeEvent(QCloseEvent* e) override {
        ++g_cierres;
        // The databases are still open while children close.
        EXPECT_NE(ReferenceDb(), nullptr);
        e->accept();
    }
};

class VentanaOtra : public VentanaModulo {
public:
    explicit VentanaOtra(Anfitrion&) { resize(300, 200); }
};

QString Estado(frmMDI& w) {
    return w.findChild<QLabel*>("lblStatus")->text();
}

void GuardarMDI(const char* clave, const QString& valor) {
    GuardarAjuste("Tintaluz", "MDI", clave, valor);
}

} // namespace

TEST(frmMDITest, ArranqueConAjustesVacios) {
    CarpetaPruebas carpeta(false);
    frmMDI w;
    const QSize diseno = w.size();
    w.Cargar();
    EXPECT_EQ(w.windowTitle(), "UXEL Garvola");
    EXPECT_EQ(Estado(w), "|  Listo  |");
    EXPECT_EQ(w.size(), diseno);
    EXPECT_FALSE(w.windowState() & Qt::WindowMaximized);
    EXPECT_NE(ReferenceDb(), nullptr);
    EXPECT_NE(NotesDb(), nullptr);
    EXPECT_TRUE(ReferenceDb()->ExisteTabla("NotasPeliRevMias"));
    EXPECT_TRUE(w.Area()->Fondo().isNull());
}

TEST(frmMDITest, MenusConSusAtajos) {
    CarpetaPruebas carpeta(false);
    frmMDI w;
    QStringList titulos;
    for (QAction* a : w.menuBar()->actions())
        titulos << a->text();
    EXPECT_EQ(titulos, (QStringList{QStringLiteral("&Módulos"), "&Visor ", "V&entanas", "Se&rvicio", "A&yuda",
                                    "&Acerca de...", "&Salir"}));
    EXPECT_EQ(w.Accion("mnuBuscarPeliRevel")->shortcut(), QKeySequence("Ctrl+B"));
    EXPECT_EQ(w.Accion("mnuVerNotas")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(w.Accion("mnuBuscarPeliRevelDiscont")->text(),
              QStringLiteral("Películas y reveladores discontinuados/obsoletos"));
    EXPECT_NE(w.findChild<QMenu*>("mnuVentanas"), nullptr);
}

TEST(frmMDITest, EstadoMaximizadoYMinimizado) {
    CarpetaPruebas carpeta(false);
    {
        GuardarMDI("State", "2");
        GuardarMDI("Left", "30000");
        frmMDI w;
        w.Cargar();
        EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
        CerrarBasesDatos();
    }
    GuardarMDI("State", "1");
    GuardarMDI("Left", "1500");
    GuardarMDI("Top", "750");
    GuardarMDI("Width", "15000");
    GuardarMDI("Height", "9000");
    frmMDI w;
    w.Cargar();
    EXPECT_FALSE(w.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
    EXPECT_EQ(w.pos(), QPoint(100, 50));
    EXPECT_EQ(w.size(), QSize(1000, 600));
}

TEST(frmMDITest, AnchoMenorDe1001TwipsDejaElDiseno) {
    CarpetaPruebas carpeta(false);
    GuardarMDI("Width", "1000");
    GuardarMDI("Height", "9000");
    frmMDI w;
    const QSize diseno = w.size();
    w.Cargar();
    EXPECT_EQ(w.size(), diseno);
}

TEST(frmMDITest, FondoDelArchivoDeAjustes) {
    CarpetaPruebas carpeta(false);
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::red);
    QDir().mkpath(carpeta.Archivo("imag"));
    ASSERT_TRUE(img.save(carpeta.Archivo("imag/propio.png"), "PNG"));
    carpeta.Escribir("garvola.cfg", "Fondo=propio.png\r\n");
    frmMDI w;
    w.Cargar();
    EXPECT_EQ(w.Area()->Fondo().size(), QSize(40, 30));
    w.FijarFondo("no_existe.jpg");
    EXPECT_TRUE(w.Area()->Fondo().isNull());
}

TEST(frmMDITest, SalirPreguntaYRespetaLaRespuesta) {
    CarpetaPruebas carpeta(false);
    frmMDI w;
    w.Cargar();
    w.show();
    Guion().respuestas = {Respuesta::No};
    w.Accion("mnuSalir")->trigger();
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    const auto& l = Guion().llamadas[0];
    EXPECT_EQ(l.titulo, "Confirmar");
    EXPECT_EQ(l.texto, QStringLiteral("¿Salir del programa?"));
    EXPECT_EQ(l.icono, Icono::Pregunta);
    EXPECT_TRUE(w.isVisible());
    EXPECT_NE(ReferenceDb(), nullptr);

    Guion().respuestas = {Respuesta::Si};
    w.Accion("mnuSalir")->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(ReferenceDb(), nullptr);
    EXPECT_EQ(LeerAjuste("Tintaluz", "MDI", "State", "x"), "0");
    EXPECT_EQ(LeerAjuste("Tintaluz", "MDI", "Width", "x"), QString::number(w.width() * 15));
}

TEST(frmMDITest, ModulosUnicosYCerradosAntesQueLasBases) {
    CarpetaPruebas carpeta(false);
    frmMDI w;
    w.Cargar();
    w.show();
    g_cierres = 0;
    auto* a = w.Abrir<VentanaDePrueba>();
    auto* b = w.Abrir<VentanaDePrueba>();
    EXPECT_EQ(a, b);
    EXPECT_EQ(a->cargas, 1);
    // The frame grows around the designed client size, which a cascade keeps.
    EXPECT_EQ(a->size(), QSize(400, 300));
    EXPECT_GT(a->Marco()->height(), 300);
    w.Accion("mnuVentanasCascada")->trigger();
    EXPECT_EQ(a->size(), QSize(400, 300));
    // The shortcut panel, opened at start, and the one test window.
    EXPECT_EQ(w.Area()->subWindowList().size(), 2);
    w.close();
    EXPECT_EQ(g_cierres, 1);
    EXPECT_EQ(ReferenceDb(), nullptr);
}

TEST(frmMDITest, EstadoYCentrado) {
    CarpetaPruebas carpeta(false);
    frmMDI w;
    w.Cargar();
    w.show();
    w.EstadoMostrar("");
    EXPECT_EQ(Estado(w), "  ");
    w.EstadoMostrar("Kodak  -  3 combinaciones");
    EXPECT_EQ(Estado(w), "  Kodak  -  3 combinaciones");
    // A very long film name is cut at the window's edge; it never widens the window.
    const int ancho = w.width();
    w.EstadoMostrar(QString(3000, u'L') + "  -  3 combinaciones");
    QCoreApplication::processEvents();
    EXPECT_EQ(w.width(), ancho);
    EXPECT_LT(w.minimumSizeHint().width(), ancho);
    EXPECT_TRUE(Estado(w).endsWith("L  -  3 combinaciones"));
    // Names are shown as they are, never read as markup.
    w.EstadoMostrar("<b>Foma</b>  -  1 combinaciones");
    EXPECT_TRUE(MuestraTalCual(w.findChild<QLabel*>("lblStatus")));

    auto* v = w.Abrir<VentanaDePrueba>();
    QWidget* marco = v->Marco();
    marco->resize(200, 100);
    w.CentrarChild(v);
    const QSize cliente = w.Area()->viewport()->size();
    // Half-pixel positions round to even, as every computed coordinate does.
    EXPECT_EQ(marco->pos(), QPoint(RedondearEntero((cliente.width() - 200) / 2.0),
                                   RedondearEntero((cliente.height() - 100) / 2.0)));
    marco->resize(cliente.width() + 100, cliente.height() + 100);
    w.CentrarChild(v);
    EXPECT_EQ(marco->pos(), QPoint(0, 0));
}

TEST(frmMDITest, BaseQueNoAbreDetieneElArranque) {
    CarpetaPruebas carpeta(false);
    QFile::remove(carpeta.Archivo("tz.mdb"));
    frmMDI w;
    try {
        w.Cargar();
        FAIL() << "started without its database";
    } catch (const ErrorBD& e) {
        EXPECT_TRUE(e.Descripcion().startsWith(
            "No se pudo abrir la base de datos tz.mdb: no se encuentra el archivo "))
            << e.what();
    }
    EXPECT_EQ(ReferenceDb(), nullptr);
}

TEST(frmMDITest, MosaicoApilaLasVentanasHorizontalmente) {
    CarpetaPruebas carpeta(false);
    frmMDI w;
    w.Cargar();
    w.resize(1000, 800);
    w.show();
    // Only the two test windows take part; the panel opened at start is closed.
    w.Area()->closeAllSubWindows();
    auto* a = w.Abrir<VentanaDePrueba>();
    auto* b = w.Abrir<VentanaOtra>();
    const QSize cliente = w.Area()->viewport()->size();
    const QRect arriba(0, 0, cliente.width(), cliente.height() / 2);
    const QRect abajo(0, cliente.height() / 2, cliente.width(), cliente.height() / 2);
    // Each as wide as the client area, the active window on top.
    w.Accion("mnuVentanasMosaico")->trigger();
    EXPECT_EQ(b->Marco()->geometry(), arriba);
    EXPECT_EQ(a->Marco()->geometry(), abajo);
    // A maximised window is restored to take its place.
    w.Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(a->Marco()));
    a->Marco()->showMaximized();
    w.Accion("mnuVentanasMosaico")->trigger();
    EXPECT_FALSE(a->Marco()->isMaximized());
    EXPECT_EQ(a->Marco()->geometry(), arriba);
    EXPECT_EQ(b->Marco()->geometry(), abajo);
}

// Every question is asked before any window closes: "Cancelar" leaves them all open, and the
// next "Salir" asks again, once.
TEST(frmMDITest, CancelarAlSalirDejaTodasLasVentanasAbiertas) {
    CarpetaPruebas carpeta(false);
    frmMDI w;
    w.Cargar();
    w.show();
    w.Accion("mnuVerNotas")->trigger();
    auto* titulo = w.findChild<QLineEdit*>("txtTitulo");
    ASSERT_NE(titulo, nullptr);
    QTest::keyClicks(titulo, "sin guardar");
    auto abiertas = [&w] {
        int n = 0;
        for (QMdiSubWindow* sub : w.Area()->subWindowList())
            n += sub->isVisible();
        return n;
    };
    ASSERT_EQ(abiertas(), 2);

    Guion().respuestas = {Respuesta::Si, Respuesta::Cancelar};
    w.Accion("mnuSalir")->trigger();
    ASSERT_EQ(Guion().llamadas.size(), 2u);
    EXPECT_EQ(Guion().llamadas[1].tipo, DialogosGuion::Tipo::SiNoCancelar);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(abiertas(), 2);
    EXPECT_NE(w.Abierto<frmBotonesDirectos>(), nullptr);
    EXPECT_EQ(titulo->text(), "sin guardar");
    EXPECT_NE(ReferenceDb(), nullptr);

    Guion().respuestas = {Respuesta::Si, Respuesta::No};
    w.Accion("mnuSalir")->trigger();
    EXPECT_EQ(Guion().llamadas.size(), 4u) << "la ventana de notas contesta una vez";
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(ReferenceDb(), nullptr);
}

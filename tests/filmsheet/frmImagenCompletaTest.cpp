#include "filmsheet/frmImagenCompleta.h"
#include "shell/Lienzo.h"
#include "soporte/AnfitrionPrueba.h"

#include "soporte/CarpetaPruebas.h"
#include "soporte/Etiquetas.h"
#include "soporte/ImagenesPrueba.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor kOscuro(32, 32, 32);

class frmImagenCompletaTest : public ::testing::Test {
protected:
    void SetUp() override { mdi_.Area()->resize(1200, 860); }
    frmImagenCompleta* Mostrar(const QString& ruta, const QString& titulo = "Foto", bool llenar = false) {
        frmImagenCompleta* w = mdi_.Abrir<frmImagenCompleta>();
        w->MostrarImagen(ruta, titulo, llenar);
        return w;
    }
    static Lienzo* Canvas(frmImagenCompleta* w) { return w->findChild<Lienzo*>("picImg"); }
    static QColor En(frmImagenCompleta* w, int px, int py) { return Canvas(w)->Buffer().pixelColor(px, py); }
    QString Png(const QString& nombre, const QImage& img) const {
        const QString ruta = carpeta_.Archivo(nombre);
        img.save(ruta, "PNG");
        return ruta;
    }

    CarpetaPruebas carpeta_{false};
    AnfitrionPrueba mdi_{true};
};

} // namespace

TEST_F(frmImagenCompletaTest, DisenoYPieConElTitulo) {
    frmImagenCompleta* w = Mostrar(Png("a.png", ImagenLisa(40, 30, Qt::red)), "Ilford HP5 Plus");
    EXPECT_EQ(w->size(), QSize(800, 600));
    EXPECT_EQ(w->Marco()->windowTitle(), "Ilford HP5 Plus");
    auto* lbl = w->findChild<QLabel*>("lblNombre");
    ASSERT_NE(lbl, nullptr);
    EXPECT_EQ(lbl->text(), "Ilford HP5 Plus");
    EXPECT_EQ(lbl->geometry(), QRect(0, 580, 800, 19));
    EXPECT_TRUE(lbl->font().bold());
    EXPECT_EQ(lbl->alignment(), Qt::AlignCenter);
    EXPECT_EQ(Canvas(w)->geometry(), QRect(0, 0, 800, 580));
    EXPECT_EQ(mdi_.Area()->activeSubWindow(), static_cast<QMdiSubWindow*>(w->Marco()));
    EXPECT_EQ(w->RutaImagen(), carpeta_.Archivo("a.png"));
}

TEST_F(frmImagenCompletaTest, PequenaAgrandadaPorElCargadorEscalado) {
    frmImagenCompleta* w = Mostrar(Png("a.png", ImagenLisa(40, 30, QColor(200, 150, 20))));
    // 40 x 30 fitted into 800 x 580: 773 x 580, left (12000 - 11594) \ 2 = 203 twips, pixel 14.
    EXPECT_EQ(En(w, 13, 290), kOscuro);
    EXPECT_EQ(En(w, 14, 290), QColor(200, 150, 20));
    EXPECT_EQ(En(w, 786, 0), QColor(200, 150, 20));
    EXPECT_EQ(En(w, 786, 579), QColor(200, 150, 20));
    EXPECT_EQ(En(w, 787, 290), kOscuro);
}

TEST_F(frmImagenCompletaTest, PequenaAgrandadaPorElEstiradoDeReserva) {
    // The scaled loader cannot read a corrupt .jpg; the plain loader finds its WebP twin.
    carpeta_.Escribir("b.jpg", "no es un jpeg");
    ASSERT_TRUE(GuardarWebP(ImagenLisa(40, 30, QColor(20, 160, 90)), carpeta_.Archivo("b.webp")));
    frmImagenCompleta* w = Mostrar(carpeta_.Archivo("b.jpg"));
    // 600 x 450 twips scaled by 8700 / 450: 11600 x 8700 at x 200 twips, pixels 13 to 785.
    EXPECT_EQ(En(w, 12, 290), kOscuro);
    EXPECT_EQ(En(w, 13, 290), QColor(20, 160, 90));
    EXPECT_EQ(En(w, 785, 579), QColor(20, 160, 90));
    EXPECT_EQ(En(w, 786, 290), kOscuro);
}

TEST_F(frmImagenCompletaTest, AlRedimensionarVuelveALeerElArchivo) {
    const QString ruta = Png("c.png", ImagenLisa(100, 100, Qt::blue));
    frmImagenCompleta* w = Mostrar(ruta);
    EXPECT_EQ(En(w, 400, 290), QColor(Qt::blue));
    Png("c.png", ImagenLisa(100, 50, Qt::yellow));
    w->Marco()->resize(w->Marco()->size() + QSize(-400, 100));
    ASSERT_EQ(w->size(), QSize(400, 700));
    EXPECT_EQ(Canvas(w)->Buffer().size(), QSize(400, 680));
    // 100 x 50 fitted to 400 wide: 400 x 200, centred in 680.
    EXPECT_EQ(En(w, 200, 339), QColor(Qt::yellow));
    EXPECT_EQ(En(w, 200, 239), kOscuro);
    EXPECT_EQ(En(w, 200, 240), QColor(Qt::yellow));
    EXPECT_EQ(En(w, 200, 440), kOscuro);
    EXPECT_EQ(w->findChild<QLabel*>("lblNombre")->geometry(), QRect(0, 680, 400, 19));
}

TEST_F(frmImagenCompletaTest, SegundaLlamadaReemplazaYArchivosQueFaltanOMalos) {
    frmImagenCompleta* w = Mostrar(Png("d.png", ImagenLisa(80, 58, Qt::red)), "Primera");
    frmImagenCompleta* otra = Mostrar(Png("e.png", ImagenLisa(80, 58, Qt::green)), "Segunda");
    EXPECT_EQ(otra, w);
    EXPECT_EQ(mdi_.Area()->subWindowList().size(), 1);
    EXPECT_EQ(En(w, 400, 290), QColor(Qt::green));
    EXPECT_EQ(w->Marco()->windowTitle(), "Segunda");

    // Gone from disk: new title, the drawing stays.
    Mostrar(carpeta_.Archivo("no_existe.png"), "Tercera");
    EXPECT_EQ(w->findChild<QLabel*>("lblNombre")->text(), "Tercera");
    EXPECT_EQ(En(w, 400, 290), QColor(Qt::green));

    // Unreadable: the canvas is cleared.
    carpeta_.Escribir("mala.png", "basura");
    Mostrar(carpeta_.Archivo("mala.png"), "Cuarta");
    EXPECT_EQ(En(w, 400, 290), kOscuro);
}

TEST_F(frmImagenCompletaTest, LlenarOcupaElAreaDelPrincipal) {
    frmImagenCompleta* w = Mostrar(Png("f.png", ImagenLisa(10, 10, Qt::red)), "Ficha", true);
    EXPECT_EQ(w->Marco()->geometry(), QRect(QPoint(0, 0), mdi_.Area()->viewport()->size()));
}

TEST_F(frmImagenCompletaTest, VentanaMuyBajaYDobleClicCierra) {
    frmImagenCompleta* w = Mostrar(Png("g.png", ImagenLisa(10, 10, Qt::red)));
    const QSize marco = w->Marco()->size() - w->size();
    w->Marco()->resize(marco + QSize(300, 10));
    ASSERT_EQ(w->height(), 10);
    EXPECT_EQ(Canvas(w)->height(), 1);
    // A 1 x 1 picture, 15 twips wide, at (4500 - 15) \ 2 = 2242 twips: pixel 149.
    EXPECT_EQ(En(w, 149, 0), QColor(Qt::red));
    EXPECT_EQ(En(w, 150, 0), kOscuro);

    QPointer<frmImagenCompleta> vigilada = w;
    QTest::mouseDClick(Canvas(w), Qt::LeftButton, {}, QPoint(0, 0));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(vigilada.isNull());
    EXPECT_TRUE(mdi_.Area()->subWindowList().isEmpty());
}

TEST_F(frmImagenCompletaTest, TituloConMarcasTalCual) {
    auto* w = Mostrar(Png("a.png", ImagenLisa(40, 30, Qt::red)), "<b>a</b>.png");
    EXPECT_TRUE(MuestraTalCual(w->findChild<QLabel*>("lblNombre")));
}

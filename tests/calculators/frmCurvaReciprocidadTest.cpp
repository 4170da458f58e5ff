#include "calculators/frmCurvaReciprocidad.h"

#include "calculators/GraficaReciprocidad.h"
#include "calculators/Reciprocidad.h"
#include "shell/Lienzo.h"
#include "shell/Numeros.h"

#include "soporte/VentanaPrueba.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor kRejilla(220, 220, 220);

class CurvaReciprocidad : public ::testing::Test, public VentanaPrueba<frmCurvaReciprocidad> {
protected:
    CurvaReciprocidad() {
        Abrir();
        lista = C<QListWidget>("lstCurvas");
        lienzo = C<Lienzo>("picCurva");
        tooltip = C<QLabel>("lblTooltip");
        g.FijarMarco(lienzo->AnchoTwips(), lienzo->AltoTwips());
    }
    void Seleccionar(std::initializer_list<int> filas) {
        lista->clearSelection();
        for (int f : filas)
            lista->item(f)->setSelected(true);
    }
    void Salir(const char* caja, const QString& texto) {
        auto* c = C<QLineEdit>(caja);
        c->setText(texto);
        QFocusEvent salida(QEvent::FocusOut);
        QCoreApplication::sendEvent(c, &salida);
    }
    // The frame and ranges a drawing of these films over tmin..tmax uses.
    void Escala(const QList<double>& p, double tmin, double tmax) {
        g.tmMinGraf = tmin;
        g.tmMaxGraf = tmax;
        g.tcMaxGraf = TcMaximoMuestreado(p, tmin, tmax) * 1.05;
    }
    void Mover(double x, double y) {
        const QPointF punto(TwipsAPixeles(x), TwipsAPixeles(y));
        QMouseEvent evento(QEvent::MouseMove, punto, lienzo->mapToGlobal(punto), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
        QCoreApplication::sendEvent(lienzo, &evento);
    }
    int Cuantos(const QColor& color) {
        int n = 0;
        const QImage& b = lienzo->Buffer();
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                n += b.pixelColor(x, y) == color;
        return n;
    }
    // The legend as the window lays it out for these films (it may raise the plot's bottom).
    LeyendaRecip Leyenda(const QList<int>& filas) {
        QStringList textos;
        for (int f : filas)
            textos.append(TextoLeyendaRecip(TablaPeliculas()[std::size_t(f)]));
        g.FijarMarco(lienzo->AnchoTwips(), lienzo->AltoTwips());
        return g.DisponerLeyenda(
            textos, lienzo->AnchoTwips(), lienzo->AltoTwips(),
            [this](const QString& t, double puntos) { return lienzo->MedirTexto(t, puntos); });
    }
    QColor Swatch(const QList<int>& filas, int k) {
        const QPoint l = Leyenda(filas).Lugar(k);
        return lienzo->PixelEn(l.x() + 160, l.y() + 70);
    }

    QListWidget* lista;
    Lienzo* lienzo;
    QLabel* tooltip;
    GraficaRecip g;
};

} // namespace

TEST_F(CurvaReciprocidad, ListaAlCargar) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Curvas de reciprocidad de películas"));
    ASSERT_EQ(lista->count(), 33);
    EXPECT_EQ(lista->item(31)->text(), "Kodak Tri-X 400 (p=1.54)");
    EXPECT_EQ(lista->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_FALSE(tooltip->isVisible());
    EXPECT_EQ(C<QLineEdit>("txtTmMin")->text(), "1");
    EXPECT_EQ(C<QLineEdit>("txtTmMax")->text(), "120");
}

TEST_F(CurvaReciprocidad, RejillaDeTriX) {
    Seleccionar({31});
    Escala({1.54}, 1, 120);
    const int arriba = g.gy0 + 200;
    for (int tm = 20; tm <= 120; tm += 20)
        EXPECT_EQ(lienzo->PixelEn(g.X(tm), arriba), kRejilla) << tm;
    EXPECT_EQ(lienzo->PixelEn(g.X(10), arriba), QColor(Qt::white));
    auto yTc = [&](double tc) { return RedondearEntero(g.gy1 - tc / g.tcMaxGraf * (g.gy1 - g.gy0)); };
    EXPECT_EQ(lienzo->PixelEn(g.gx0 + 300, yTc(1600)), kRejilla);
    EXPECT_EQ(lienzo->PixelEn(g.gx0 + 300, yTc(1500)), QColor(Qt::white));
    EXPECT_EQ(lienzo->PixelEn(g.gx0, (g.gy0 + g.gy1) / 2), QColor(Qt::black));
    // The curve itself, in the first colour of the palette.
    EXPECT_EQ(lienzo->PixelEn(g.X(g.tmMaxGraf), g.Y(TiempoCorregido(120, 1.54))), QColor(0, 80, 180));
    EXPECT_EQ(Swatch({31}, 0), QColor(0, 80, 180));
}

TEST_F(CurvaReciprocidad, CincoPeliculasEnDosColumnas) {
    Seleccionar({0, 3, 9, 15, 31});
    Escala({1.62, 1.03, 1.25, 1.25, 1.54}, 1, 120);
    EXPECT_EQ(Swatch({0, 3, 9, 15, 31}, 3), QColor(180, 100, 0));
    EXPECT_EQ(Swatch({0, 3, 9, 15, 31}, 4), QColor(120, 0, 180));
    const LeyendaRecip l = Leyenda({0, 3, 9, 15, 31});
    EXPECT_EQ(l.Lugar(4).y(), l.Lugar(0).y());
    EXPECT_GT(l.Lugar(4).x(), l.Lugar(0).x());

    Seleccionar({0, 1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(Swatch({0, 1, 2, 3, 4, 5, 6, 7, 8}, 7), QColor(80, 80, 80));
    EXPECT_EQ(Swatch({0, 1, 2, 3, 4, 5, 6, 7, 8}, 8), QColor(0, 80, 180));
}

TEST_F(CurvaReciprocidad, LecturaNombraLaPeliculaPosterior) {
    Mover(3000, 3000); // nothing drawn yet
    EXPECT_FALSE(tooltip->isVisible());
    Seleccionar({14, 16}); // Ilford FP4 Plus 1.26, Ilford Ortho Plus 80 1.25
    Escala({1.26, 1.25}, 1, 120);
    const double x = g.X(60);
    const double y = RedondearEntero(g.gy1 - TiempoCorregido(60, 1.26) / g.tcMaxGraf * (g.gy1 - g.gy0));
    Mover(x, y);
    ASSERT_TRUE(tooltip->isVisible());
    EXPECT_EQ(tooltip->text(), " Ilford Ortho Plus 80  (p=1.25) ");
    EXPECT_EQ(tooltip->palette().color(QPalette::Window), QColor(180, 0, 0));
    EXPECT_TRUE(tooltip->font().bold());
    const QString texto = TextoLecturaRecip(TablaPeliculas()[16]);
    EXPECT_EQ(tooltip->width(), TwipsAPixeles(texto.size() * 90 + 300));
    EXPECT_NEAR(tooltip->x(), TwipsAPixeles(TwipsAPixeles(x) * 15 + 120), 1);

    Mover(g.gx0 - 100, y); // outside the frame
    EXPECT_FALSE(tooltip->isVisible());
}

TEST_F(CurvaReciprocidad, RangosCorregidosYNoValidos) {
    Seleccionar({31});
    Salir("txtTmMin", "0");
    EXPECT_EQ(C<QLineEdit>("txtTmMin")->text(), "1");
    Salir("txtTmMin", "30");
    Salir("txtTmMax", "20");
    EXPECT_EQ(C<QLineEdit>("txtTmMax")->text(), "120");
    EXPECT_GT(Cuantos(kRejilla), 0);

    Salir("txtTmMin", "150");
    EXPECT_EQ(C<QLineEdit>("txtTmMin")->text(), "150");
    EXPECT_EQ(Cuantos(kRejilla), 0);
    EXPECT_EQ(Cuantos(QColor(0, 80, 180)), 0);
    int rojos = 0;
    const QImage& b = lienzo->Buffer();
    for (int py = 0; py < b.height(); ++py)
        for (int px = 0; px < b.width(); ++px)
            rojos += b.pixelColor(px, py).red() > 120 && b.pixelColor(px, py).green() < 80;
    EXPECT_GT(rojos, 10) << "the window says what is wrong";
    Mover(g.X(100), g.gy0 + 10);
    EXPECT_FALSE(tooltip->isVisible());

    Salir("txtTmMax", "300");
    EXPECT_GT(Cuantos(kRejilla), 0);
}

TEST_F(CurvaReciprocidad, SinSeleccionPanelBlanco) {
    Seleccionar({3, 4});
    lista->clearSelection();
    const int total = lienzo->Buffer().width() * lienzo->Buffer().height();
    EXPECT_EQ(Cuantos(Qt::white), total);
    Clic("btnCerrar");
    EXPECT_FALSE(w->isVisible());
}

// "0,5" is half a second, as in the other calculators; below a second nothing is shortened.
TEST_F(CurvaReciprocidad, MinimoConComaDecimal) {
    Seleccionar({0}); // Fomapan 100 Classic, p = 1.62
    Salir("txtTmMax", "2");
    Salir("txtTmMin", "0,5");
    EXPECT_EQ(C<QLineEdit>("txtTmMin")->text(), "0,5");
    Escala({1.62}, 0.5, 2);
    // The curve starts on the line without failure, at 0.5 s, not below it.
    const QColor color(0, 80, 180);
    EXPECT_EQ(lienzo->PixelEn(g.X(0.5), g.Y(0.5)), color);
    EXPECT_EQ(lienzo->PixelEn(g.X(0.8), g.Y(0.8)), color);
}

// Twenty films: every legend entry inside the panel, clear of the axis labels and of each other.
TEST_F(CurvaReciprocidad, LeyendaDeVeintePeliculasDentroDelPanel) {
    QList<int> filas;
    for (int f = 0; f < 20; ++f)
        filas.append(f);
    lista->clearSelection();
    for (int f : filas)
        lista->item(f)->setSelected(true);
    const LeyendaRecip l = Leyenda(filas);
    const QRect panel(0, 0, lienzo->AnchoTwips(), lienzo->AltoTwips());
    const QSizeF rotulo = lienzo->MedirTexto("0", 8);
    const QRect rotulosTm(g.gx0 - 80, g.gy1 + 30, g.gx1 - g.gx0 + 400, int(rotulo.height()));
    const QRect titulo(l.tituloTm, lienzo->MedirTexto("Tm (s)", 8).toSize());
    EXPECT_FALSE(titulo.intersects(rotulosTm));
    EXPECT_FALSE(titulo.intersects(QRect(10, g.gy1 - 60, int(rotulo.width()), int(rotulo.height()))));
    QList<QRect> entradas;
    for (int k = 0; k < filas.size(); ++k) {
        const QString texto = TextoLeyendaRecip(TablaPeliculas()[std::size_t(filas[k])]);
        const QPoint p = l.Lugar(k);
        const QRect entrada(p.x(), p.y() + 30, 340 + int(lienzo->MedirTexto(texto, l.puntos).width()),
                            std::max(100, int(lienzo->MedirTexto(texto, l.puntos).height())));
        EXPECT_TRUE(panel.contains(entrada)) << k;
        EXPECT_FALSE(entrada.intersects(titulo)) << k;
        EXPECT_FALSE(entrada.intersects(rotulosTm)) << k;
        for (const QRect& otra : entradas)
            EXPECT_FALSE(entrada.intersects(otra)) << k;
        entradas.append(entrada);
        EXPECT_EQ(lienzo->PixelEn(p.x() + 160, p.y() + 70), ColorCurvaRecip(k)) << k;
    }
    EXPECT_GE(l.puntos, 6);
    // A picture to look at, when asked for: GARVOLA_CAPTURAS=/tmp/...
    if (const QString capturas = qEnvironmentVariable("GARVOLA_CAPTURAS"); !capturas.isEmpty())
        w->grab().save(capturas + "/reciprocidad20.png");
}

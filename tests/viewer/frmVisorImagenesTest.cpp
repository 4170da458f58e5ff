#include "viewer/frmVisorImagenes.h"
#include "shell/Lienzo.h"
#include "shell/Numeros.h"
#include "shell/Tema.h"
#include "viewer/DecodificadorImagenes.h"

#include "soporte/AnfitrionPrueba.h"
#include "soporte/CarpetaPruebas.h"
#include "soporte/EnlacesPrueba.h"
#include "soporte/ImagenesPrueba.h"
#include "soporte/NombresCrudos.h"
#include "soporte/VentanaPrueba.h"

#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

namespace {

const QColor kColores[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow};

class VisorImagenes : public ::testing::Test {
protected:
    VisorImagenes() {
        // Three pictures of the box's proportions, one wide, one unreadable; and a folder of 20.
        for (int i = 0; i < 3; ++i)
            Guardar(QStringLiteral("imag/films/f%1.png").arg(i), ImagenLisa(400, 300, kColores[i]));
        Guardar("imag/films/g_ancha.png", ImagenLisa(400, 100, Qt::magenta));
        carpeta_.Escribir("imag/films/h_rota.png", "no es una imagen");
        carpeta_.Escribir("imag/films/notas.txt", "-");
        for (int i = 0; i < 20; ++i)
            Guardar(QStringLiteral("imag/muchas/m%1.png").arg(i, 2, 10, QChar(u'0')),
                    ImagenLisa(40, 30, kColores[i % 6]));
    }

    void Guardar(const QString& relativo, const QImage& imagen) {
        carpeta_.Escribir(relativo, {});
        ASSERT_TRUE(imagen.save(carpeta_.Archivo(relativo)));
    }
    frmVisorImagenes* Abrir() {
        w_ = anfitrion_.Abrir<frmVisorImagenes>();
        return w_;
    }
    template <class T = QWidget> T* C(const char* nombre) { return Control<T>(w_, nombre); }
    QString Ruta(const QString& relativo) {
        return QDir::toNativeSeparators(relativo.isEmpty() ? carpeta_.Ruta() : carpeta_.Archivo(relativo));
    }
    // The folder's node, its parents opened as a user opens them (which reads them).
    QTreeWidgetItem* Nodo(const QString& relativo) {
        QTreeWidgetItem* nodo = C<QTreeWidget>("tvCarpetas")->topLevelItem(0);
        QString ruta = Ruta(QString());
        for (const QString& parte : relativo.split(u'/')) {
            nodo->setExpanded(true);
            ruta += QDir::separator() + parte;
            QTreeWidgetItem* hijo = nullptr;
            for (int i = 0; i < nodo->childCount() && !hijo; ++i)
                if (nodo->child(i)->data(0, Qt::UserRole).toString() == ruta + QDir::separator())
                    hijo = nodo->child(i);
            if (!hijo)
                return nullptr;
            nodo = hijo;
        }
        return nodo;
    }
    // Clicks the folder's node as a user does, its parents opened first.
    void ElegirCarpeta(const QString& relativo) {
        QTreeWidgetItem* nodo = Nodo(relativo);
        ASSERT_NE(nodo, nullptr) << relativo.toStdString();
        auto* arbol = C<QTreeWidget>("tvCarpetas");
        arbol->scrollToItem(nodo);
        QTest::mouseClick(arbol->viewport(), Qt::LeftButton, {}, arbol->visualItemRect(nodo).center());
        ASSERT_EQ(arbol->currentItem(), nodo);
    }
    void Esperar() { w_->findChild<DecodificadorImagenes*>("decodificador")->Esperar(); }
    Lienzo* Tira() { return C<Lienzo>("picTira"); }
    // Centre of a slot, in pixels of the strip.
    QPoint Centro(int ranura) {
        return {TwipsAPixeles(ranura * 1480 + 60 + 680),
                TwipsAPixeles((Tira()->AltoTwips() - 1020) / 2 + 510)};
    }
    void ClicRanura(int ranura) { QTest::mouseClick(Tira(), Qt::LeftButton, {}, Centro(ranura)); }
    QColor EnRanura(int ranura) { return Tira()->Buffer().pixelColor(Centro(ranura)); }
    // The frame, just left of the box.
    QColor Marco(int ranura) {
        return Tira()->Buffer().pixelColor(TwipsAPixeles(ranura * 1480 + 60) - 1, Centro(ranura).y());
    }
    QString Info() { return C<QLabel>("lblInfo")->text(); }

    CarpetaPruebas carpeta_{false};
    AnfitrionPrueba anfitrion_;
    frmVisorImagenes* w_ = nullptr;
};

} // namespace

TEST_F(VisorImagenes, AlAbrirElArbolDeLaCarpetaDelProgramaYNadaElegido) {
    Abrir();
    EXPECT_EQ(w_->windowTitle(), "Visor de imágenes");
    auto* arbol = C<QTreeWidget>("tvCarpetas");
    ASSERT_EQ(arbol->topLevelItemCount(), 1);
    QTreeWidgetItem* raiz = arbol->topLevelItem(0);
    EXPECT_EQ(raiz->text(0), QDir::toNativeSeparators(carpeta_.Ruta()));
    EXPECT_TRUE(raiz->isExpanded());
    EXPECT_EQ(Nodo("imag")->parent(), raiz);
    EXPECT_NE(Nodo("imag/muchas"), nullptr);
    EXPECT_EQ(C<QLabel>("lblRuta")->text(), "(ninguna carpeta seleccionada)");
    EXPECT_FALSE(C<QScrollBar>("hscTira")->isEnabled());
    EXPECT_EQ(Tira()->Buffer().pixelColor(Centro(0)), Tema::ColorFondoTira);
}

TEST_F(VisorImagenes, UnaCarpetaLlenaLaTiraConMiniaturasAjustadas) {
    Abrir();
    ElegirCarpeta("imag/films");
    EXPECT_EQ(C<QLabel>("lblRuta")->text(), Ruta("imag/films") + QDir::separator());
    EXPECT_EQ(Info(), "5 imágenes encontradas");
    Esperar();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(EnRanura(i), kColores[i]) << i;
        EXPECT_EQ(Marco(i), Tema::ColorMarcoMiniatura) << i;
    }
    // The wide one leaves white above and below, with a grey edge line.
    EXPECT_EQ(EnRanura(3), QColor(Qt::magenta));
    const QPoint c = Centro(3);
    EXPECT_EQ(Tira()->Buffer().pixelColor(c.x(), c.y() - 30), QColor(Qt::white));
    bool borde = false;
    for (int y = c.y() - 30; y < c.y(); ++y)
        borde |= Tira()->Buffer().pixelColor(c.x(), y) == Tema::ColorBordeMiniatura;
    EXPECT_TRUE(borde);
    // Unreadable: white.
    EXPECT_EQ(EnRanura(4), QColor(Qt::white));
    EXPECT_EQ(EnRanura(5), Tema::ColorFondoTira);
    EXPECT_FALSE(C<QScrollBar>("hscTira")->isEnabled());
}

TEST_F(VisorImagenes, UnClicEligeYMuestraLaVistaPrevia) {
    Abrir();
    ElegirCarpeta("imag/films");
    Esperar();
    ClicRanura(1);
    EXPECT_EQ(Info(), "f1.png");
    EXPECT_EQ(Marco(1), Tema::ColorMarcoElegida);
    EXPECT_EQ(Marco(0), Tema::ColorMarcoMiniatura);
    Esperar();
    auto* vista = C<Lienzo>("picPreview");
    EXPECT_EQ(vista->Buffer().pixelColor(vista->width() / 2, vista->height() / 2), QColor(Qt::green));
    EXPECT_EQ(vista->Buffer().pixelColor(2, vista->height() / 2), Tema::ColorFondoVista);
    EXPECT_EQ(EnRanura(1), QColor(Qt::green)); // still drawn after the redraw
    EXPECT_TRUE(anfitrion_.imagenes.empty());

    // A click right of the last thumbnail does nothing.
    ClicRanura(6);
    EXPECT_EQ(Info(), "f1.png");
    EXPECT_EQ(Marco(1), Tema::ColorMarcoElegida);
}

TEST_F(VisorImagenes, DosClicsRapidosEnLaMismaAbrenLaImagenCompleta) {
    Abrir();
    ElegirCarpeta("imag/films");
    ClicRanura(2);
    ClicRanura(2);
    // The picture full size is asked of the host, titled with its file name.
    ASSERT_EQ(anfitrion_.imagenes.size(), 1u);
    EXPECT_EQ(anfitrion_.imagenes[0].ruta, Ruta("imag/films/f2.png"));
    EXPECT_EQ(anfitrion_.imagenes[0].titulo, "f2.png");
    EXPECT_FALSE(anfitrion_.imagenes[0].llenar);
    Esperar();
    EXPECT_EQ(Info(), "f2.png");
    EXPECT_EQ(Marco(2), Tema::ColorMarcoElegida);

    // Quick clicks on two thumbnails: the second is chosen, nothing opens.
    ClicRanura(0);
    ClicRanura(1);
    EXPECT_EQ(Info(), "f1.png");
    EXPECT_EQ(anfitrion_.imagenes.size(), 1u);
    // A double click as the window system delivers it: a press, then a double click.
    QTest::mouseDClick(w_->window()->windowHandle(), Qt::LeftButton, {},
                       Tira()->mapTo(w_->window(), Centro(0)));
    ASSERT_EQ(anfitrion_.imagenes.size(), 2u);
    EXPECT_EQ(anfitrion_.imagenes[1].ruta, Ruta("imag/films/f0.png"));
    EXPECT_EQ(Info(), "f0.png");
}

TEST_F(VisorImagenes, UnSegundoClicPasadoMedioSegundoSoloElige) {
    Abrir();
    ElegirCarpeta("imag/films");
    ClicRanura(0);
    QTest::qWait(520);
    ClicRanura(0);
    EXPECT_TRUE(anfitrion_.imagenes.empty());
    EXPECT_EQ(Info(), "f0.png");
}

TEST_F(VisorImagenes, LaBarraDesplazaLaTiraSinCambiarLaEleccion) {
    Abrir();
    ElegirCarpeta("imag/muchas");
    EXPECT_EQ(Info(), "20 imágenes encontradas");
    auto* barra = C<QScrollBar>("hscTira");
    EXPECT_TRUE(barra->isEnabled());
    EXPECT_EQ(barra->maximum(), 20 - 8);
    EXPECT_EQ(barra->pageStep(), 8);
    ClicRanura(0);
    barra->setValue(3);
    Esperar();
    EXPECT_EQ(EnRanura(0), kColores[3]);
    EXPECT_EQ(Info(), "m00.png");
    ClicRanura(1);
    EXPECT_EQ(Info(), "m04.png");
    EXPECT_EQ(Marco(1), Tema::ColorMarcoElegida);

    // Tooltips name the file under the pointer.
    QTest::mouseMove(Tira(), Centro(2));
    EXPECT_EQ(Tira()->toolTip(), "m05.png");
}

TEST_F(VisorImagenes, OtraCarpetaDescartaLoPendienteYVaciaLaEleccion) {
    Abrir();
    ElegirCarpeta("imag/muchas");
    ClicRanura(2);
    ElegirCarpeta("imag/films");
    EXPECT_EQ(Info(), "5 imágenes encontradas");
    Esperar();
    EXPECT_EQ(EnRanura(0), kColores[0]);
    EXPECT_EQ(Marco(2), Tema::ColorMarcoMiniatura);
    auto* vista = C<Lienzo>("picPreview");
    EXPECT_EQ(vista->Buffer().pixelColor(vista->width() / 2, vista->height() / 2), Tema::ColorFondoVista);
}

TEST_F(VisorImagenes, RedimensionarVuelveADibujarYUnaTiraEstrechaMuestraUnaRanura) {
    Abrir();
    ElegirCarpeta("imag/films");
    ClicRanura(1);
    w_->resize(TwipsAPixeles(12000), TwipsAPixeles(8000));
    // The strip stays at the foot of the window, above the bar.
    EXPECT_EQ(Tira()->geometry().bottom(), w_->height() - TwipsAPixeles(660) - 1);
    // The preview is drawn again for its new size: 8440 x 5420 twips, the picture 7227 wide in
    // its middle, where the earlier drawing reached further right.
    Esperar();
    auto* vista = C<Lienzo>("picPreview");
    const int medio = vista->height() / 2;
    EXPECT_EQ(vista->Buffer().pixelColor(vista->width() / 2, medio), QColor(Qt::green));
    EXPECT_EQ(vista->Buffer().pixelColor(TwipsAPixeles(8200), medio), Tema::ColorFondoVista);

    // 4000 wide leaves a strip of 440 twips: one slot, and the bar to reach the others.
    w_->resize(TwipsAPixeles(4000), TwipsAPixeles(3000));
    auto* barra = C<QScrollBar>("hscTira");
    EXPECT_TRUE(barra->isEnabled());
    EXPECT_EQ(barra->maximum(), 4);

    // Below 4000 x 3000 nothing moves.
    const QRect antes = Tira()->geometry();
    w_->resize(TwipsAPixeles(3900), TwipsAPixeles(5000));
    EXPECT_EQ(Tira()->geometry(), antes);
}

TEST_F(VisorImagenes, UnJpegIlegibleConSuGemelaWebPSeVe) {
    carpeta_.Escribir("imag/devs/rodinal.jpg", "no es un jpeg");
    ASSERT_TRUE(GuardarWebP(ImagenLisa(80, 60, Qt::yellow), carpeta_.Archivo("imag/devs/rodinal.webp")));
    Abrir();
    ElegirCarpeta("imag/devs");
    Esperar();
    EXPECT_EQ(EnRanura(0), QColor(Qt::yellow)); // rodinal.jpg, through its twin
    EXPECT_EQ(EnRanura(1), QColor(Qt::yellow)); // rodinal.webp
}

TEST_F(VisorImagenes, UnBucleDeEnlacesAbreYCierra) {
    ASSERT_TRUE(QFile::link(carpeta_.Ruta(), carpeta_.Archivo("imag/films/todo")));
    ASSERT_TRUE(QFile::link(carpeta_.Archivo("imag"), carpeta_.Archivo("imag/muchas/imag")));
    Abrir();
    ASSERT_NE(Nodo("imag/films/todo"), nullptr);
    EXPECT_EQ(Nodo("imag/films/todo")->childCount(), 0);
    ElegirCarpeta("imag/films/todo");
    EXPECT_EQ(Info(), "0 imágenes encontradas");
    ClicRanura(0);
    QPointer<frmVisorImagenes> ventana(w_);
    w_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ventana.isNull());
}

TEST_F(VisorImagenes, AlRecibirElFocoNoSeEligeNingunaCarpeta) {
    Abrir();
    auto* arbol = C<QTreeWidget>("tvCarpetas");
    QFocusEvent foco(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(arbol, &foco);
    EXPECT_EQ(C<QLabel>("lblRuta")->text(), "(ninguna carpeta seleccionada)");
    EXPECT_EQ(Info(), "");
    // The keyboard still chooses: down from the root to its first folder.
    arbol->setCurrentItem(arbol->topLevelItem(0));
    QTest::keyClick(arbol, Qt::Key_Down);
    EXPECT_EQ(C<QLabel>("lblRuta")->text(), Ruta("imag") + QDir::separator());
    EXPECT_EQ(Info(), "0 imágenes encontradas");
}

TEST_F(VisorImagenes, UnClicEnLaCarpetaYaElegidaLaVuelveALeer) {
    Abrir();
    ElegirCarpeta("imag/films");
    EXPECT_EQ(Info(), "5 imágenes encontradas");
    Guardar("imag/films/nueva.png", ImagenLisa(40, 30, Qt::red));
    ElegirCarpeta("imag/films");
    EXPECT_EQ(Info(), "6 imágenes encontradas");
}

TEST_F(VisorImagenes, OtraCarpetaEmpiezaPorSuPrimeraImagen) {
    for (int i = 0; i < 12; ++i)
        Guardar(QStringLiteral("imag/otras/o%1.png").arg(i, 2, 10, QChar(u'0')),
                ImagenLisa(40, 30, kColores[i % 6]));
    Abrir();
    ElegirCarpeta("imag/muchas");
    auto* barra = C<QScrollBar>("hscTira");
    barra->setValue(12);
    ElegirCarpeta("imag/otras");
    EXPECT_EQ(barra->value(), 0);
    EXPECT_EQ(barra->maximum(), 12 - 8);
    ClicRanura(0);
    EXPECT_EQ(Info(), "o00.png");
    EXPECT_EQ(Marco(0), Tema::ColorMarcoElegida);
}

TEST_F(VisorImagenes, EnlacesARaizYEntreHermanasAbrenEnseguidaYSinRepetir) {
    ASSERT_TRUE(QFile::link(QStringLiteral("/"), carpeta_.Archivo("imag/x")));
    ASSERT_TRUE(CrearHermanasEnlazadas(carpeta_.Archivo("hermanas")));
    Abrir();
    // Nothing below the root's folders is read until a folder is opened.
    QTreeWidgetItem* x = Nodo("imag/x");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->childCount(), 0);
    EXPECT_EQ(x->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    x->setExpanded(true);
    const int enLaRaiz = int(QDir(QDir::rootPath())
                                 .entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
                                 .size());
    EXPECT_EQ(x->childCount(), std::min(enLaRaiz, 201));
    // Each sister is entered once, from where the tree lists it; its links are leaves.
    QTreeWidgetItem* h0 = Nodo("hermanas/h0");
    ASSERT_NE(h0, nullptr);
    h0->setExpanded(true);
    ASSERT_EQ(h0->childCount(), 7);
    for (int i = 0; i < h0->childCount(); ++i)
        EXPECT_EQ(h0->child(i)->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
    ElegirCarpeta("hermanas/h0/a1");
    EXPECT_EQ(Info(), "0 imágenes encontradas");
}

TEST_F(VisorImagenes, NombresQueNoSonUtf8EnElArbolYEnLaTira) {
    const BorradoCrudo borrado(carpeta_.Ruta());
    const QByteArray imag = QFile::encodeName(carpeta_.Archivo("imag"));
    ASSERT_TRUE(CrearCarpetaCruda(imag + "/viaje_\xe9t\xe9"));
    ASSERT_TRUE(GuardarImagenCruda(ImagenLisa(400, 300, Qt::cyan),
                                   imag + "/viaje_\xe9t\xe9/Hoja_\xe9xito.png", "PNG"));
    Abrir();
    QTreeWidgetItem* nodo = Nodo("imag");
    ASSERT_NE(nodo, nullptr);
    nodo->setExpanded(true);
    QTreeWidgetItem* viaje = nullptr;
    for (int i = 0; i < nodo->childCount(); ++i)
        if (nodo->child(i)->text(0) == QStringLiteral("viaje_\uFFFDt\uFFFD"))
            viaje = nodo->child(i);
    ASSERT_NE(viaje, nullptr);
    auto* arbol = C<QTreeWidget>("tvCarpetas");
    arbol->scrollToItem(viaje);
    QTest::mouseClick(arbol->viewport(), Qt::LeftButton, {}, arbol->visualItemRect(viaje).center());
    EXPECT_EQ(C<QLabel>("lblRuta")->text(), Ruta("imag") + QStringLiteral("/viaje_\uFFFDt\uFFFD/"));
    EXPECT_EQ(Info(), "1 imágenes encontradas");
    Esperar();
    EXPECT_EQ(EnRanura(0), QColor(Qt::cyan));
    ClicRanura(0);
    EXPECT_EQ(Info(), QStringLiteral("Hoja_\uFFFDxito.png"));
    Esperar();
    auto* vista = C<Lienzo>("picPreview");
    EXPECT_EQ(vista->Buffer().pixelColor(vista->width() / 2, vista->height() / 2), QColor(Qt::cyan));
}

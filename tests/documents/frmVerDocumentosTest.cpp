#include "documents/frmVerDocumentos.h"
#include "documents/Escritorio.h"
#include "shell/AjustesUsuario.h"
#include "shell/Controles.h"
#include "shell/EntradasCarpeta.h"
#include "shell/Numeros.h"

#include "soporte/AnfitrionPrueba.h"
#include "soporte/CarpetaPruebas.h"
#include "soporte/DialogosGuion.h"
#include "soporte/ImagenesPrueba.h"
#include "soporte/NombresCrudos.h"
#include "soporte/VentanaPrueba.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class VerDocumentos : public ::testing::Test {
protected:
    VerDocumentos() {
        previo_ = InstalarAbridorEscritorio([this](const QString& ruta) {
            abiertos_ << ruta;
            return abrirPuede_;
        });
        carpeta_.Escribir("datasheets/Ilford_HP5_datasheet.pdf", QByteArray(2048, 'x'));
        carpeta_.Escribir("datasheets/Kodak_TriX.pdf", "%PDF");
        carpeta_.Escribir("datasheets/notas.txt", "no");
        ImagenLisa(40, 30, Qt::red).save(carpeta_.Archivo("datasheets/curva_hp5.png"));
        carpeta_.Escribir("otrosdoc/zonas.pdf", "%PDF");
    }
    ~VerDocumentos() override { InstalarAbridorEscritorio(previo_); }

    frmVerDocumentos* Abrir(const QString& carpeta, const QString& titulo) {
        frmVerDocumentos* w = anfitrion_.Abrir<frmVerDocumentos>();
        w->Abrir(carpeta, titulo);
        return w;
    }
    QStringList Nombres(QWidget* w) {
        QStringList n;
        auto* lv = Control<QTreeWidget>(w, "lvDocs");
        for (int i = 0; i < lv->topLevelItemCount(); ++i)
            n << lv->topLevelItem(i)->text(0);
        return n;
    }
    QTreeWidgetItem* Entrada(QWidget* w, const QString& nombre) {
        auto lista = Control<QTreeWidget>(w, "lvDocs")->findItems(nombre, Qt::MatchExactly, 0);
        return lista.isEmpty() ? nullptr : lista.front();
    }
    void DobleClic(QWidget* w, const QString& nombre) {
        auto* lv = Control<QTreeWidget>(w, "lvDocs");
        QTreeWidgetItem* e = Entrada(w, nombre);
        ASSERT_NE(e, nullptr) << nombre.toStdString();
        const QPoint p = lv->visualItemRect(e).center();
        QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(lv->viewport(), Qt::LeftButton, {}, p);
    }

    CarpetaPruebas carpeta_{false};
    AnfitrionPrueba anfitrion_;
    AbridorEscritorio previo_;
    QStringList abiertos_;
    bool abrirPuede_ = true;
};

} // namespace

TEST_F(VerDocumentos, AbreLaCarpetaConSuTituloLasColumnasYElConteo) {
    frmVerDocumentos* w = Abrir("datasheets", "Documentos de referencia");
    EXPECT_EQ(w->windowTitle(), "Documentos de referencia");
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(Nombres(w), QStringList({"curva_hp5.png", "Ilford_HP5_datasheet.pdf", "Kodak_TriX.pdf"}));
    EXPECT_EQ(Control<QLabel>(w, "lblConteo")->text(), "3 documentos");
    auto* lv = Control<QTreeWidget>(w, "lvDocs");
    EXPECT_EQ(lv->headerItem()->text(0), "Nombre");
    EXPECT_EQ(lv->headerItem()->text(2), "Tamaño");
    const QTreeWidgetItem* hp5 = Entrada(w, "Ilford_HP5_datasheet.pdf");
    ASSERT_NE(hp5, nullptr);
    EXPECT_EQ(hp5->text(1), "PDF");
    EXPECT_EQ(hp5->text(2), "2 KB");
    EXPECT_EQ(lv->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(lv->font().family(), Fuente("Courier New", 9).family());
}

TEST_F(VerDocumentos, FiltrarYEscapeVacianLaCaja) {
    frmVerDocumentos* w = Abrir("datasheets", "Documentos de referencia");
    auto* filtro = Control<QLineEdit>(w, "txtFiltro");
    QTest::keyClicks(filtro, "hp5");
    EXPECT_EQ(Nombres(w), QStringList({"curva_hp5.png", "Ilford_HP5_datasheet.pdf"}));
    EXPECT_EQ(Control<QLabel>(w, "lblConteo")->text(), "2 documentos");
    filtro->clear();
    QTest::keyClicks(filtro, ".PDF");
    EXPECT_EQ(Nombres(w), QStringList({"Ilford_HP5_datasheet.pdf", "Kodak_TriX.pdf"}));
    filtro->clear();
    QTest::keyClicks(filtro, "kodak");
    EXPECT_EQ(Control<QLabel>(w, "lblConteo")->text(), "1 documentos");
    QTest::keyClick(filtro, Qt::Key_Escape);
    EXPECT_EQ(filtro->text(), "");
    EXPECT_EQ(Nombres(w).size(), 3);
    EXPECT_TRUE(w->isVisible()); // the key is swallowed
}

TEST_F(VerDocumentos, OtraCarpetaReutilizaLaVentanaYGuardaSuLugarAparte) {
    frmVerDocumentos* w = Abrir("datasheets", "Documentos de referencia");
    QTest::keyClicks(Control<QLineEdit>(w, "txtFiltro"), "kodak");
    w->Marco()->move(30, 45);
    frmVerDocumentos* otra = Abrir("otrosdoc", "Otros documentos");
    EXPECT_EQ(otra, w);
    EXPECT_EQ(w->windowTitle(), "Otros documentos");
    EXPECT_EQ(w->CarpetaDocs(), "otrosdoc");
    EXPECT_EQ(Control<QLineEdit>(w, "txtFiltro")->text(), "");
    EXPECT_EQ(Nombres(w), QStringList({"zonas.pdf"}));

    w->close();
    EXPECT_EQ(LeerAjuste("Garvola", "otrosdoc", "Left", "-"), QString::number(PixelesATwips(30)));
    EXPECT_EQ(LeerAjuste("Garvola", "datasheets", "Left", "-"), "-");

    // Reopened for that folder, it comes back where it was.
    GuardarAjuste("Garvola", "datasheets", "Left", "1500");
    GuardarAjuste("Garvola", "datasheets", "Top", "750");
    GuardarAjuste("Garvola", "datasheets", "Width", "9000");
    GuardarAjuste("Garvola", "datasheets", "Height", "6000");
    frmVerDocumentos* nueva = Abrir("datasheets", "Documentos de referencia");
    EXPECT_EQ(nueva->Marco()->pos(), QPoint(100, 50));
    EXPECT_EQ(nueva->Marco()->size(), QSize(600, 400));
}

TEST_F(VerDocumentos, CarpetaQueFalta) {
    QDir(carpeta_.Archivo("otrosdoc")).removeRecursively();
    frmVerDocumentos* w = Abrir("otrosdoc", "Otros documentos");
    EXPECT_EQ(Control<QLabel>(w, "lblConteo")->text(), "Carpeta 'otrosdoc' no encontrada");
    EXPECT_TRUE(Nombres(w).isEmpty());
    EXPECT_TRUE(Guion().llamadas.empty());
}

TEST_F(VerDocumentos, UnPdfSeAbreConElEscritorioYSiNoPuedeSeDice) {
    frmVerDocumentos* w = Abrir("datasheets", "Documentos de referencia");
    DobleClic(w, "Kodak_TriX.pdf");
    EXPECT_EQ(abiertos_, QStringList({carpeta_.Archivo("datasheets/Kodak_TriX.pdf")}));
    EXPECT_TRUE(Guion().llamadas.empty());

    abrirPuede_ = false;
    auto* lv = Control<QTreeWidget>(w, "lvDocs");
    lv->setCurrentItem(Entrada(w, "Ilford_HP5_datasheet.pdf"));
    QTest::keyClick(lv, Qt::Key_Return);
    ASSERT_EQ(abiertos_.size(), 2);
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Guion().llamadas[0].texto,
              "No se pudo abrir el documento: " + carpeta_.Archivo("datasheets/Ilford_HP5_datasheet.pdf"));
    EXPECT_EQ(Guion().llamadas[0].icono, Icono::Exclamacion);

    // Enter with nothing selected opens nothing.
    lv->clearSelection();
    QTest::keyClick(lv, Qt::Key_Enter);
    EXPECT_EQ(abiertos_.size(), 2);
}

// A picture is asked of the host full size, over the whole client area.
TEST_F(VerDocumentos, UnaImagenSePideACompletaYLlenando) {
    frmVerDocumentos* w = Abrir("datasheets", "Documentos de referencia");
    auto* lv = Control<QTreeWidget>(w, "lvDocs");
    lv->setCurrentItem(Entrada(w, "curva_hp5.png"));
    QTest::keyClick(lv, Qt::Key_Enter);
    ASSERT_EQ(anfitrion_.imagenes.size(), 1u);
    EXPECT_EQ(anfitrion_.imagenes[0].ruta, carpeta_.Archivo("datasheets/curva_hp5.png"));
    EXPECT_EQ(anfitrion_.imagenes[0].titulo, "curva_hp5.png");
    EXPECT_TRUE(anfitrion_.imagenes[0].llenar);
    EXPECT_TRUE(abiertos_.isEmpty());
}

TEST_F(VerDocumentos, AlRedimensionarLaListaYLaPrimeraColumnaSiguenLaVentana) {
    frmVerDocumentos* w = Abrir("datasheets", "Documentos de referencia");
    auto* lv = Control<QTreeWidget>(w, "lvDocs");
    w->resize(TwipsAPixeles(9000), TwipsAPixeles(6000));
    EXPECT_EQ(lv->geometry().right(), w->width() - TwipsAPixeles(120) - 1);
    EXPECT_EQ(lv->geometry().bottom(), w->height() - TwipsAPixeles(60) - 1);
    EXPECT_LT(lv->columnWidth(0), TwipsAPixeles(7200)); // it followed the narrower window
    const QRect antes = lv->geometry();
    w->resize(TwipsAPixeles(1995), TwipsAPixeles(6000));
    EXPECT_EQ(lv->geometry(), antes);
}

TEST_F(VerDocumentos, UnNombreQueNoEsUtf8SeVeYSeAbrePorSusBytes) {
    const BorradoCrudo borrado(carpeta_.Ruta());
    const QByteArray carpeta = QFile::encodeName(carpeta_.Archivo("datasheets"));
    ASSERT_TRUE(CrearArchivoCrudo(carpeta + "/Hoja_\xe9xito.pdf", "%PDF"));
    frmVerDocumentos* w = Abrir("datasheets", "Documentos de referencia");
    EXPECT_EQ(Nombres(w), QStringList({"curva_hp5.png", QStringLiteral("Hoja_\uFFFDxito.pdf"),
                                       "Ilford_HP5_datasheet.pdf", "Kodak_TriX.pdf"}));
    EXPECT_EQ(Control<QLabel>(w, "lblConteo")->text(), "4 documentos");
    DobleClic(w, QStringLiteral("Hoja_\uFFFDxito.pdf"));
    ASSERT_EQ(abiertos_.size(), 1);
    EXPECT_EQ(BytesDeRuta(abiertos_[0]), carpeta + "/Hoja_\xe9xito.pdf");
    EXPECT_TRUE(Guion().llamadas.empty());
}

#include "shell/Controles.h"
#include "soporte/TextoExtrano.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {
// Counts the box's resizes; past a bound it hides the box, which ends a layout that never settles.
struct ContadorTamanos : QObject {
    QWidget* caja = nullptr;
    int cambios = 0;
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Resize && objeto->isWidgetType() &&
            (objeto == caja || caja->isAncestorOf(static_cast<QWidget*>(objeto))) && ++cambios == 500)
            caja->hide();
        return false;
    }
};
} // namespace

// Found by random use (seed 4): the search window's notes box, made narrow by "Mosaico" while it held
// mixed-script text, showed and hid its horizontal scroll bar without end.
TEST(CajaAjustada, UnaCajaEstrechaNoCambiaDeTamanoSinFin) {
    const QString texto = TextoExtrano(2600);
    int sinFin = 0;
    // Where the bar came and went: a few pixels wide, a few lines high.
    for (int ancho : {2, 4, 7, 10})
        for (int alto : {20, 40, 60, 80}) {
            QWidget padre;
            padre.resize(400, 400);
            padre.show();
            QPlainTextEdit caja(&padre);
            caja.setReadOnly(true);
            AjustarALineas(&caja);
            caja.resize(300, 200);
            caja.show();
            caja.setPlainText(texto);
            QCoreApplication::processEvents();
            ContadorTamanos contador;
            contador.caja = &caja;
            qApp->installEventFilter(&contador);
            caja.setGeometry(0, 0, ancho, alto);
            for (int i = 0; i < 5; ++i)
                QCoreApplication::processEvents();
            qApp->removeEventFilter(&contador);
            if (contador.cambios >= 500)
                ++sinFin;
        }
    EXPECT_EQ(sinFin, 0);
}

TEST(CajaAjustada, UnaPalabraMasLargaQueLaCajaSeParteEnLineas) {
    QPlainTextEdit caja;
    AjustarALineas(&caja);
    caja.resize(120, 200);
    caja.show();
    caja.setPlainText(QString(200, u'x'));
    QCoreApplication::processEvents();
    EXPECT_GT(caja.document()->firstBlock().layout()->lineCount(), 1);
}

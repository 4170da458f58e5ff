#include "shell/Controles.h"

#include "shell/Numeros.h"
#include "shell/Tema.h"
#include "shell/TemaOscuroPropio.h"

#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTextDocument>
#include <QWidget>

void ColocarTwips(QWidget* control, double izquierda, double arriba, double ancho, double alto) {
    control->setGeometry(TwipsAPixeles(izquierda), TwipsAPixeles(arriba), std::max(0, TwipsAPixeles(ancho)),
                         std::max(0, TwipsAPixeles(alto)));
}

QLabel* CrearEtiqueta(QWidget* padre, const char* nombre, const QString& texto, double izquierda,
                      double arriba, double ancho, double alto, Qt::Alignment alineacion) {
    auto* etiqueta = CrearControl<QLabel>(padre, nombre, izquierda, arriba, ancho, alto);
    etiqueta->setTextFormat(Qt::PlainText);
    etiqueta->setText(texto);
    etiqueta->setAlignment(alineacion);
    if (ancho <= 0) {
        etiqueta->adjustSize();
        etiqueta->move(TwipsAPixeles(izquierda), TwipsAPixeles(arriba));
    }
    return etiqueta;
}

QSize ClienteTwips(const QWidget* control) {
    return QSize(PixelesATwips(control->width()), PixelesATwips(control->height()));
}

QFont Fuente(const QString& familia, double puntos, bool negrita) {
    QFont f(familia);
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

void ColorTexto(QWidget* control, const QColor& color) {
    QPalette p = control->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::ButtonText, color);
    p.setColor(QPalette::Text, color);
    control->setPalette(p);
}

void ColorFondo(QWidget* control, const QColor& color) {
    QPalette p = control->palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Base, color);
    p.setColor(QPalette::Button, color);
    control->setPalette(p);
    control->setAutoFillBackground(true);
}

void EstiloGrid(QTableView* grid) {
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    const QString hoja =
        QStringLiteral("QTableView { gridline-color: %1; selection-background-color: %2; "
                       "selection-color: black; }"
                       "QHeaderView::section { background-color: %3; color: %4; border: none; "
                       "border-right: 1px solid %5; border-bottom: 1px solid %5; padding: 1px 4px; }")
            .arg(Tema::LineasGrid.name(), Tema::ColorSeleccion.name(), Tema::ColorTitulo.name(),
                 Tema::ColorBlanco.name(), Tema::BordeCabecera.name());
    // A widget's own sheet wins over the program's: in the dark mode the grid gives its own up.
    AlCambiarModo(grid, [grid, hoja](bool oscuro) { grid->setStyleSheet(oscuro ? QString() : hoja); });
}

QString TextoEscrito(const QPlainTextEdit* caja) {
    QString texto = caja->document()->toRawText();
    for (QChar& c : texto)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    return texto;
}

void AjustarALineas(QPlainTextEdit* caja) {
    caja->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    caja->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    caja->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    caja->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QFont FuenteVentanaCalc() {
    return Fuente(Tema::FaceInterfaz, 8);
}

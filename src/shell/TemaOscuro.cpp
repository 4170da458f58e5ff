#include "shell/TemaOscuro.h"

#include "shell/Tema.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

namespace {

struct Antes {
    bool activo = false;
    QString hoja;
};
Antes& Estado() {
    static Antes a;
    return a;
}

// A style sheet rather than a palette: it reaches windows that set colours of their own and grid
// rows coloured by their data, and taking it away gives every widget back its own palette.
QString HojaOscura() {
    const QString fondo = Tema::OscuroFondo.name(), texto = Tema::OscuroTexto.name(),
                  tenue = Tema::OscuroTenue.name(), caja = Tema::OscuroCaja.name(),
                  boton = Tema::OscuroBoton.name();
    return QStringLiteral(
               "\n* { background-color: %1; color: %2; selection-background-color: %3; selection-color: %1;"
               " gridline-color: %3; alternate-background-color: %1; }"
               "*:disabled { color: %3; }"
               "QLineEdit, QPlainTextEdit, QTextEdit, QComboBox, QAbstractSpinBox, QListView, QTreeView,"
               " QTableView { background-color: %4; border: 1px solid %3; }"
               "QPushButton, QToolButton { background-color: %5; border: 1px solid %3; padding: 1px 2px; }"
               "QPushButton:default { border: 1px solid %2; }"
               "QAbstractItemView::item { background-color: %4; color: %2; }"
               "QAbstractItemView::item:selected { background-color: %3; color: %1; }"
               "QHeaderView::section { background-color: %5; color: %2; border: none;"
               " border-right: 1px solid %3; border-bottom: 1px solid %3; padding: 1px 4px; }"
               "QMenuBar::item:selected, QMenu::item:selected { background-color: %3; color: %1; }"
               "QProgressBar { border: 1px solid %3; } QProgressBar::chunk { background-color: %3; }"
               "QCheckBox::indicator, QRadioButton::indicator { border: 1px solid %2; background-color: %1; }"
               "QCheckBox::indicator:checked, QRadioButton::indicator:checked { background-color: %2; }"
               "QToolTip { border: 1px solid %3; }")
        .arg(fondo, texto, tenue, caja, boton);
}

} // namespace

void AplicarModoOscuro(bool si) {
    Antes& a = Estado();
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || si == a.activo)
        return;
    if (si) {
        a.hoja = app->styleSheet();
        app->setStyleSheet(a.hoja + HojaOscura());
    } else {
        app->setStyleSheet(a.hoja);
    }
    a.activo = si;
    // Pictures drawn by hand (the client area's background) ask the mode when they paint.
    for (QWidget* w : QApplication::allWidgets())
        w->update();
}

bool ModoOscuroActivo() {
    return Estado().activo;
}

QPixmap EnRojoOscuro(const QPixmap& imagen) {
    QImage i = imagen.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < i.height(); ++y) {
        auto* fila = reinterpret_cast<QRgb*>(i.scanLine(y));
        for (int x = 0; x < i.width(); ++x)
            fila[x] = qRgba(qGray(fila[x]) * Tema::OscuroTexto.red() / 255, 0, 0, qAlpha(fila[x]));
    }
    QPixmap r = QPixmap::fromImage(i);
    r.setDevicePixelRatio(imagen.devicePixelRatio());
    return r;
}

#include "shell/TemaOscuro.h"

#include "shell/Tema.h"
#include "shell/TemaOscuroPropio.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionTitleBar>
#include <QWidget>
#include <vector>

namespace {

struct Avisado {
    QPointer<QWidget> widget;
    std::function<void(bool)> aplicar;
};

struct Antes {
    bool activo = false;
    bool estiloPuesto = false;
    QString hoja;
    std::vector<Avisado> avisados;
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
               "QToolTip { border: 1px solid %3; }"
               // The frame keeps the width the style gives it, so a window keeps its client size.
               "QMdiSubWindow { border: 1px solid %3; padding: 3px; }"
               "QScrollBar { background-color: %4; border: 1px solid %3; }"
               "QScrollBar::handle { background-color: %5; border: 1px solid %3; min-height: 16px;"
               " min-width: 16px; }"
               "QScrollBar::add-line, QScrollBar::sub-line { background-color: %5; border: 1px solid %3; }"
               "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"
               // The desktop's button pictures (yes, no, cancel) are in colour.
               "QDialogButtonBox { dialogbuttonbox-buttons-have-icons: 0; }")
        .arg(fondo, texto, tenue, caja, boton);
}

// The style draws a title bar with colours of its own (white captions); in the mode it is drawn
// as the style draws it on grey, then turned into shades of red: caption, icon and buttons alike.
class EstiloOscuro : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* opcion, QPainter* p,
                            const QWidget* widget) const override {
        const auto* titulo = qstyleoption_cast<const QStyleOptionTitleBar*>(opcion);
        if (control != CC_TitleBar || !titulo || !ModoOscuroActivo()) {
            QProxyStyle::drawComplexControl(control, opcion, p, widget);
            return;
        }
        // Active: light caption on dark grey. Inactive: dark caption on light grey, drawn inverted.
        const bool activa = titulo->titleBarState & State_Active;
        QStyleOptionTitleBar gris(*titulo);
        gris.rect = QRect(QPoint(0, 0), titulo->rect.size());
        gris.palette.setColor(QPalette::Highlight, QColor(48, 48, 48));
        gris.palette.setColor(QPalette::Window, QColor(216, 216, 216));
        gris.palette.setColor(QPalette::WindowText, Qt::black);
        gris.palette.setColor(QPalette::Text, Qt::black);
        gris.palette.setColor(QPalette::Button, QColor(216, 216, 216));
        const qreal escala = p->device() ? p->device()->devicePixelRatioF() : 1.0;
        QImage imagen(gris.rect.size() * escala, QImage::Format_ARGB32_Premultiplied);
        imagen.setDevicePixelRatio(escala);
        imagen.fill(activa ? QColor(48, 48, 48) : QColor(216, 216, 216));
        {
            QPainter enImagen(&imagen);
            QProxyStyle::drawComplexControl(control, &gris, &enImagen, widget);
        }
        if (!activa)
            imagen.invertPixels();
        p->drawImage(titulo->rect.topLeft(), EnRojoOscuro(imagen));
    }

    // Pictures drawn by the style (a button's, a label's) are in colour: in the mode, in red.
    void drawItemPixmap(QPainter* p, const QRect& zona, int alineacion,
                        const QPixmap& imagen) const override {
        QProxyStyle::drawItemPixmap(p, zona, alineacion, ModoOscuroActivo() ? EnRojoOscuro(imagen) : imagen);
    }
};

} // namespace

void AplicarModoOscuro(bool si) {
    Antes& a = Estado();
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || si == a.activo)
        return;
    if (si && !a.estiloPuesto) {
        // Before any style sheet of the mode, so the sheet's style sits on top of this one.
        a.estiloPuesto = true;
        app->setStyle(new EstiloOscuro);
    }
    if (si) {
        a.hoja = app->styleSheet();
        app->setStyleSheet(a.hoja + HojaOscura());
    } else {
        app->setStyleSheet(a.hoja);
        // The sheet leaves each control the font and colours it had under it; what the control
        // did not set itself is taken again from its window, which set it.
        for (QWidget* w : QApplication::allWidgets()) {
            if (!w->testAttribute(Qt::WA_SetFont))
                w->setFont(QFont());
            if (!w->testAttribute(Qt::WA_SetPalette))
                w->setPalette(QPalette());
        }
    }
    a.activo = si;
    std::erase_if(a.avisados, [](const Avisado& v) { return v.widget.isNull(); });
    // The list may grow while it is told (a widget that creates another).
    const std::vector<Avisado> avisados = a.avisados;
    for (const Avisado& v : avisados)
        if (v.widget)
            v.aplicar(si);
    // Pictures drawn by hand (the client area's background) ask the mode when they paint.
    for (QWidget* w : QApplication::allWidgets())
        w->update();
}

bool ModoOscuroActivo() {
    return Estado().activo;
}

void AlCambiarModo(QWidget* widget, std::function<void(bool oscuro)> aplicar) {
    aplicar(ModoOscuroActivo());
    Antes& a = Estado();
    std::erase_if(a.avisados, [](const Avisado& v) { return v.widget.isNull(); });
    a.avisados.push_back({widget, std::move(aplicar)});
}

QImage EnRojoOscuro(const QImage& imagen, bool tenue) {
    const int tope = (tenue ? Tema::OscuroTenue : Tema::OscuroTexto).red();
    QImage i = imagen.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < i.height(); ++y) {
        auto* fila = reinterpret_cast<QRgb*>(i.scanLine(y));
        for (int x = 0; x < i.width(); ++x)
            fila[x] = qRgba(qGray(fila[x]) * tope / 255, 0, 0, qAlpha(fila[x]));
    }
    return i;
}

QPixmap EnRojoOscuro(const QPixmap& imagen) {
    QPixmap r = QPixmap::fromImage(EnRojoOscuro(imagen.toImage()));
    r.setDevicePixelRatio(imagen.devicePixelRatio());
    return r;
}

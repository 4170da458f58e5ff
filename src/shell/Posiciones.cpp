#include "shell/Posiciones.h"

#include "shell/AjustesUsuario.h"
#include "shell/Numeros.h"
#include "shell/VentanaModulo.h"

#include <QTableView>

namespace {
const QString kApp = QStringLiteral("Garvola");

QWidget* Marco(QWidget* ventana) {
    if (auto* modulo = qobject_cast<VentanaModulo*>(ventana))
        return modulo->Marco();
    return ventana;
}

QString Columna(int i) {
    return u"Col" + QString::number(i);
}
} // namespace

void GuardarPosicionVentana(const QString& aplicacion, const QString& clave, QWidget* ventana) {
    if (!ventana)
        return;
    QWidget* w = Marco(ventana);
    const bool maximizada = w->isMaximized();
    // A maximised main window keeps the place it had before, for when the user restores it.
    const QRect g = maximizada && w->isWindow() ? w->normalGeometry() : QRect(w->pos(), w->size());
    auto guardar = [&](const QString& nombre, int valor) {
        GuardarAjuste(aplicacion, clave, nombre, QString::number(valor));
    };
    guardar(QStringLiteral("Left"), PixelesATwips(g.x()));
    guardar(QStringLiteral("Top"), PixelesATwips(g.y()));
    guardar(QStringLiteral("Width"), PixelesATwips(g.width()));
    guardar(QStringLiteral("Height"), PixelesATwips(g.height()));
    guardar(QStringLiteral("State"), maximizada ? 2 : w->isMinimized() ? 1 : 0);
}

void RestaurarPosicionVentana(const QString& aplicacion, const QString& clave, QWidget* ventana) {
    if (!ventana)
        return;
    QWidget* w = Marco(ventana);
    auto leer = [&](const QString& nombre, int porDefecto) {
        return LeerAjusteEntero(aplicacion, clave, nombre, porDefecto);
    };
    if (leer(QStringLiteral("State"), 0) == 2) {
        w->setWindowState(w->windowState() | Qt::WindowMaximized);
        return;
    }
    const int x = leer(QStringLiteral("Left"), PixelesATwips(w->x()));
    const int y = leer(QStringLiteral("Top"), PixelesATwips(w->y()));
    const int ancho = leer(QStringLiteral("Width"), PixelesATwips(w->width()));
    const int alto = leer(QStringLiteral("Height"), PixelesATwips(w->height()));
    if (ancho < 1001)
        return;
    w->move(TwipsAPixeles(x), TwipsAPixeles(y));
    w->resize(TwipsAPixeles(ancho), TwipsAPixeles(alto));
}

void GuardarPosicionVentana(const QString& clave, QWidget* ventana) {
    GuardarPosicionVentana(kApp, clave, ventana);
}

void RestaurarPosicionVentana(const QString& clave, QWidget* ventana) {
    RestaurarPosicionVentana(kApp, clave, ventana);
}

void GuardarAnchosColumnas(const QString& clave, QTableView* grid) {
    if (!grid || !grid->model())
        return;
    for (int i = 0; i < grid->model()->columnCount(); ++i)
        GuardarAjuste(kApp, clave, Columna(i), QString::number(PixelesATwips(grid->columnWidth(i))));
}

void RestaurarAnchosColumnas(const QString& clave, QTableView* grid) {
    if (!grid || !grid->model())
        return;
    for (int i = 0; i < grid->model()->columnCount(); ++i) {
        const int twips = LeerAjusteEntero(kApp, clave, Columna(i), 0);
        if (twips > 100)
            grid->setColumnWidth(i, TwipsAPixeles(twips));
    }
}

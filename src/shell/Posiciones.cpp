#include "shell/Posiciones.h"

#include "shell/AjustesUsuario.h"
#include "shell/Numeros.h"
#include "shell/VentanaModulo.h"

#include <QEvent>
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

// Keeps the last place a sub-window had while neither minimised nor maximised: Qt remembers it
// only for top-level windows, and a minimised sub-window is a small strip.
class LugarNormal : public QObject {
public:
    explicit LugarNormal(QWidget* marco) : QObject(marco), marco_(marco) {
        Recordar();
        marco->installEventFilter(this);
    }
    QRect Lugar() const { return lugar_; }
    void Recordar() {
        if (!marco_->isMinimized() && !marco_->isMaximized())
            lugar_ = QRect(marco_->pos(), marco_->size());
    }

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Move || evento->type() == QEvent::Resize)
            Recordar();
        return false;
    }

private:
    QWidget* marco_;
    QRect lugar_;
};

LugarNormal* SeguirLugar(QWidget* marco) {
    for (QObject* hijo : marco->children())
        if (auto* seguidor = dynamic_cast<LugarNormal*>(hijo))
            return seguidor;
    return new LugarNormal(marco);
}

// Where the window stands when shown normally, whatever its state now.
QRect LugarNormalDe(QWidget* w) {
    if (!w->isMinimized() && !w->isMaximized())
        return QRect(w->pos(), w->size());
    if (w->isWindow())
        return w->normalGeometry();
    return SeguirLugar(w)->Lugar();
}
} // namespace

void GuardarPosicionVentana(const QString& aplicacion, const QString& clave, QWidget* ventana) {
    if (!ventana)
        return;
    QWidget* w = Marco(ventana);
    const bool maximizada = w->isMaximized();
    // A maximised or minimised window keeps the place it had before, for when it is restored.
    const QRect g = LugarNormalDe(w);
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
    if (!w->isWindow())
        SeguirLugar(w);
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
    if (!w->isWindow())
        SeguirLugar(w)->Recordar();
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

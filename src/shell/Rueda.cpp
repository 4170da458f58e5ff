#include "shell/Rueda.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPointer>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

namespace {

class FiltroRueda : public QObject {
public:
    // Deleting the filter unhooks it: the grid drops event filters that no longer exist.
    explicit FiltroRueda(QAbstractScrollArea* grid) : QObject(grid), grid_(grid) {
        grid->installEventFilter(this);
        grid->viewport()->installEventFilter(this);
    }
    QAbstractScrollArea* Grid() const { return grid_; }

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() != QEvent::Wheel)
            return false;
        const int delta = static_cast<QWheelEvent*>(evento)->angleDelta().y();
        if (delta == 0)
            return false;
        const int muescas = acumulado_.Muescas(delta);
        if (muescas != 0)
            DesplazarPorRueda(grid_, muescas * kDeltaMuesca, QApplication::wheelScrollLines());
        evento->accept();
        return true;
    }

private:
    QPointer<QAbstractScrollArea> grid_;
    AcumuladorRueda acumulado_;
};

// The one slot: the filter lives as a child of its grid, so a destroyed grid empties it.
QPointer<FiltroRueda> g_filtro;

} // namespace

int AcumuladorRueda::Muescas(int delta) {
    // A turn the other way starts again from nothing.
    if ((delta > 0) != (resto_ > 0) && resto_ != 0)
        resto_ = 0;
    resto_ += delta;
    const int muescas = resto_ / kDeltaMuesca;
    resto_ -= muescas * kDeltaMuesca;
    return muescas;
}

void DesplazarPorRueda(QAbstractScrollArea* grid, int delta, int lineas) {
    if (!grid || delta == 0)
        return;
    const int muescas = std::max(1, std::abs(delta) / 120);
    QScrollBar* barra = grid->verticalScrollBar();
    const bool arriba = delta > 0;
    if (lineas == kPaginaPorMuesca) {
        for (int i = 0; i < muescas; ++i)
            barra->triggerAction(arriba ? QAbstractSlider::SliderPageStepSub
                                        : QAbstractSlider::SliderPageStepAdd);
        return;
    }
    if (lineas <= 0)
        lineas = 3;
    for (int i = 0; i < lineas * muescas; ++i)
        barra->triggerAction(arriba ? QAbstractSlider::SliderSingleStepSub
                                    : QAbstractSlider::SliderSingleStepAdd);
}

void EngancharRueda(QAbstractScrollArea* grid) {
    if (!grid || GridEnganchado() == grid)
        return;
    SoltarRueda();
    g_filtro = new FiltroRueda(grid);
}

void SoltarRueda() {
    delete g_filtro.data();
    g_filtro = nullptr;
}

QAbstractScrollArea* GridEnganchado() {
    return g_filtro ? g_filtro->Grid() : nullptr;
}

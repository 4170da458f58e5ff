#include "shell/AreaMDI.h"

#include "shell/Mosaico.h"
#include "shell/Numeros.h"
#include "shell/Tema.h"
#include "shell/TemaOscuro.h"

#include <QMdiSubWindow>
#include <QPainter>

void AreaMDI::FijarFondo(const QImage& imagen) {
    fondo_ = imagen;
    viewport()->update();
}

void AreaMDI::paintEvent(QPaintEvent* evento) {
    if (ModoOscuroActivo()) {
        QPainter(viewport()).fillRect(viewport()->rect(), Tema::OscuroFondo);
        return;
    }
    if (fondo_.isNull()) {
        QMdiArea::paintEvent(evento);
        return;
    }
    // Cover the whole area, keeping the picture's proportions, centred.
    QPainter p(viewport());
    const QSize area = viewport()->size();
    const QSize escalado = fondo_.size().scaled(area, Qt::KeepAspectRatioByExpanding);
    const QRect destino((area.width() - escalado.width()) / 2, (area.height() - escalado.height()) / 2,
                        escalado.width(), escalado.height());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(destino, fondo_);
}

VentanaModulo* AreaMDI::Buscar(const std::type_info& tipo) const {
    for (QMdiSubWindow* sub : subWindowList())
        if (auto* v = qobject_cast<VentanaModulo*>(sub->widget()); v && typeid(*v) == tipo)
            return v;
    return nullptr;
}

void AreaMDI::Agregar(VentanaModulo* ventana) {
    // A window designed at a client size keeps it; the frame adds its own border and title.
    const bool disenada = ventana->testAttribute(Qt::WA_Resized);
    const QSize cliente = ventana->size();
    QMdiSubWindow* sub = addSubWindow(ventana);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    if (disenada) {
        sub->ensurePolished();
        const QMargins m = sub->contentsMargins();
        sub->resize(cliente.grownBy(m));
    }
    sub->setWindowIcon(window()->windowIcon());
    ventana->Cargar();
    if (disenada)
        ventana->FijarTamanoDisenado(ventana->size());
    if (!sub->isMaximized())
        sub->show();
    else
        sub->showMaximized();
    setActiveSubWindow(sub);
}

void AreaMDI::Activar(QWidget* ventana) {
    auto* sub = qobject_cast<QMdiSubWindow*>(ventana->parentWidget());
    if (!sub)
        return;
    if (sub->isMinimized())
        sub->showNormal();
    sub->show();
    setActiveSubWindow(sub);
}

void AreaMDI::CentrarChild(QWidget* ventana) {
    if (!ventana)
        return;
    QWidget* marco = ventana;
    if (auto* modulo = qobject_cast<VentanaModulo*>(ventana))
        marco = modulo->Marco();
    const QSize cliente = viewport()->size();
    const double izquierda =
        std::max(0.0, (PixelesATwips(cliente.width()) - PixelesATwips(marco->width())) / 2.0);
    const double arriba =
        std::max(0.0, (PixelesATwips(cliente.height()) - PixelesATwips(marco->height())) / 2.0);
    marco->move(TwipsAPixeles(izquierda), TwipsAPixeles(arriba));
}

void AreaMDI::Mosaico() {
    // The toolkit's own tiling puts two windows side by side; these lie one above the other.
    QList<QMdiSubWindow*> ventanas;
    int altoMinimizadas = 0;
    const QList<QMdiSubWindow*> apiladas = subWindowList(QMdiArea::StackingOrder);
    for (auto it = apiladas.crbegin(); it != apiladas.crend(); ++it) {
        QMdiSubWindow* sub = *it;
        if (!sub->isVisible())
            continue;
        if (sub->isMinimized()) {
            altoMinimizadas = std::max(altoMinimizadas, sub->height());
            continue;
        }
        if (sub->isMaximized())
            sub->showNormal();
        ventanas << sub;
    }
    const QSize cliente = viewport()->size();
    const std::vector<QRect> lugares = MosaicoHorizontal(
        int(ventanas.size()), {cliente.width(), std::max(1, cliente.height() - altoMinimizadas)});
    for (qsizetype i = 0; i < ventanas.size(); ++i)
        ventanas[i]->setGeometry(lugares[size_t(i)]);
}

#include "soporte/Capturas.h"

#include "shell/DialogosQt.h"

#include <QApplication>
#include <QMessageBox>
#include <QRectF>
#include <QTimer>
#include <QWidget>

QImage Captura(QWidget* ventana, const char* nombre) {
    const QImage i = ventana->grab().toImage();
    if (const QString carpeta = qEnvironmentVariable("GARVOLA_CAPTURAS"); !carpeta.isEmpty())
        i.save(carpeta + u'/' + QString::fromLatin1(nombre) + u".png");
    return i;
}

QImage CajaDePregunta(const char* nombre) {
    QImage caja;
    QTimer::singleShot(0, [&caja, nombre] {
        if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            caja = Captura(m, nombre);
            m->done(QMessageBox::No);
        }
    });
    DialogosQt().PreguntarSiNo(QString(), QStringLiteral("¿Detener el temporizador?"), Icono::Pregunta);
    return caja;
}

namespace {

// The zone in the picture's own pixels (a grab of a scaled screen is larger than the widget).
QRect EnPixeles(const QImage& i, QRect zona) {
    if (zona.isNull())
        return i.rect();
    const qreal f = i.devicePixelRatio();
    return QRectF(QPointF(zona.topLeft()) * f, QSizeF(zona.size()) * f).toRect() & i.rect();
}

} // namespace

double Claros(const QImage& imagen, QRect zona) {
    const QImage i = imagen.convertToFormat(QImage::Format_RGB32);
    const QRect z = EnPixeles(i, zona);
    if (i.isNull() || z.isEmpty())
        return 1.0;
    qint64 claros = 0;
    for (int y = z.top(); y <= z.bottom(); ++y) {
        const auto* fila = reinterpret_cast<const QRgb*>(i.constScanLine(y));
        for (int x = z.left(); x <= z.right(); ++x)
            claros += qGreen(fila[x]) > 40 || qBlue(fila[x]) > 40;
    }
    return double(claros) / (qint64(z.width()) * z.height());
}

int RojoMaximo(const QImage& imagen, QRect zona) {
    const QImage i = imagen.convertToFormat(QImage::Format_RGB32);
    const QRect z = EnPixeles(i, zona);
    int rojo = 0;
    for (int y = z.top(); y <= z.bottom(); ++y) {
        const auto* fila = reinterpret_cast<const QRgb*>(i.constScanLine(y));
        for (int x = z.left(); x <= z.right(); ++x)
            rojo = std::max(rojo, qRed(fila[x]));
    }
    return rojo;
}

#include "viewer/DecodificadorImagenes.h"

#include "shell/EntradasCarpeta.h"
#include "shell/Imagenes.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QMutex>
#include <QSet>
#include <QThread>
#include <algorithm>

namespace {
QString Clave(DecodificadorImagenes::Clase clase, const QString& ruta, const QSize& caja) {
    return QString::number(int(clase)) + u'|' + QString::number(caja.width()) + u'x' +
           QString::number(caja.height()) + u'|' + ruta;
}
// A name Qt's file classes cannot spell: opened by its bytes and read by Qt's readers alone.
QImage CargarPorBytes(const QString& ruta, const QSize& caja) {
    QFile archivo;
    if (!AbrirParaLeer(archivo, ruta))
        return {};
    QImageReader lector(&archivo);
    lector.setAutoTransform(true);
    const QSize anunciado = lector.size();
    if (!anunciado.isValid() || qint64(anunciado.width()) * anunciado.height() > kMaxPixelesImagen)
        return {};
    const QImage imagen = lector.read();
    if (imagen.isNull() || caja.isEmpty())
        return {};
    return imagen.scaled(caja, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
} // namespace

QImage CargarReducida(const QString& ruta, const QSize& caja) {
    if (RutaConBytesSueltos(ruta))
        return CargarPorBytes(ruta, caja);
    QImage imagen = CargarImagenEscalada(ruta, caja.width(), caja.height());
    if (!imagen.isNull())
        return imagen;
    imagen = CargarImagen(ruta);
    if (imagen.isNull() || caja.isEmpty())
        return {};
    return imagen.scaled(caja, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// Shared with the tasks, which may outlive a request but never the decoder.
struct DecodificadorImagenes::Estado {
    mutable QMutex cerrojo;
    quint64 generacion = 0;
    QSet<QString> vigentes;

    bool Vigente(quint64 gen, const QString& clave) const {
        QMutexLocker l(&cerrojo);
        return gen == generacion && vigentes.contains(clave);
    }
};

DecodificadorImagenes::DecodificadorImagenes(QObject* padre)
    : QObject(padre), estado_(std::make_shared<Estado>()) {
    hilos_.setMaxThreadCount(std::clamp(QThread::idealThreadCount(), 1, 4));
}

DecodificadorImagenes::~DecodificadorImagenes() {
    Descartar();
    hilos_.waitForDone();
}

void DecodificadorImagenes::Pedir(Clase clase, const QString& ruta, const QSize& caja) {
    const QString clave = Clave(clase, ruta, caja);
    quint64 gen;
    {
        QMutexLocker l(&estado_->cerrojo);
        if (estado_->vigentes.contains(clave))
            return;
        estado_->vigentes.insert(clave);
        gen = estado_->generacion;
    }
    hilos_.start([this, estado = estado_, gen, clase, ruta, clave, caja] {
        if (!estado->Vigente(gen, clave))
            return;
        const QImage imagen = CargarReducida(ruta, caja);
        // The decoder waits for this task before it goes, so it is still there to receive.
        QMetaObject::invokeMethod(
            this,
            [this, gen, clave, clase, ruta, caja, imagen] {
                Entregar(gen, clave, clase, ruta, caja, imagen);
            },
            Qt::QueuedConnection);
    });
}

void DecodificadorImagenes::Entregar(quint64 generacion, const QString& clave, Clase clase,
                                     const QString& ruta, const QSize& caja, const QImage& imagen) {
    {
        QMutexLocker l(&estado_->cerrojo);
        if (generacion != estado_->generacion || !estado_->vigentes.remove(clave))
            return;
    }
    Q_EMIT Decodificada(clase, ruta, caja, imagen);
}

void DecodificadorImagenes::Olvidar(Clase clase, const QString& ruta, const QSize& caja) {
    QMutexLocker l(&estado_->cerrojo);
    estado_->vigentes.remove(Clave(clase, ruta, caja));
}

void DecodificadorImagenes::Descartar() {
    hilos_.clear();
    QMutexLocker l(&estado_->cerrojo);
    ++estado_->generacion;
    estado_->vigentes.clear();
}

bool DecodificadorImagenes::Pendiente() const {
    QMutexLocker l(&estado_->cerrojo);
    return !estado_->vigentes.isEmpty();
}

void DecodificadorImagenes::Esperar() {
    // What arrives may ask for more (a redraw); go on until nothing is left.
    while (Pendiente()) {
        hilos_.waitForDone();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
}

#include "timer/SonidoTemporizador.h"

#include "timer/Tonos.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

std::unique_ptr<QSoundEffect> SonidoTemporizador::Efecto(const QString& archivo, const QString& nombre,
                                                         const QByteArray& wav) {
    const QString ruta = carpeta_.filePath(archivo);
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly) || f.write(wav) != wav.size()) {
        error_ = u"no se pudo escribir el tono de " + nombre + u" (" + f.errorString() + u')';
        return nullptr;
    }
    f.close();
    auto e = std::make_unique<QSoundEffect>();
    QSoundEffect* efecto = e.get();
    // Loading ends later, on the event loop: a failure is kept for the timer to show.
    QObject::connect(efecto, &QSoundEffect::statusChanged, efecto, [this, efecto, nombre] {
        if (efecto->status() == QSoundEffect::Error)
            error_ = u"no se pudo cargar el tono de " + nombre;
    });
    e->setSource(QUrl::fromLocalFile(ruta));
    return e;
}

SonidoTemporizador::SonidoTemporizador() {
    if (!carpeta_.isValid() || QMediaDevices::audioOutputs().isEmpty())
        return;
    agitar_ = Efecto(QStringLiteral("agitar.wav"), QStringLiteral("agitar"), TonoWav(1320, 180));
    fin_ = Efecto(QStringLiteral("fin.wav"), QStringLiteral("fin de etapa"), TonoWav(660, 700));
    disponible_ = agitar_ && fin_;
}
SonidoTemporizador::~SonidoTemporizador() = default;

void SonidoTemporizador::Agitar() {
    if (agitar_)
        agitar_->play();
}

void SonidoTemporizador::FinEtapa() {
    if (fin_)
        fin_->play();
}

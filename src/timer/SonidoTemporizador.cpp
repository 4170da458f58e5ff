#include "timer/SonidoTemporizador.h"

#include "timer/Tonos.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {
std::unique_ptr<QSoundEffect> Efecto(const QString& ruta, const QByteArray& wav) {
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly) || f.write(wav) != wav.size())
        return nullptr;
    f.close();
    auto e = std::make_unique<QSoundEffect>();
    e->setSource(QUrl::fromLocalFile(ruta));
    return e;
}
} // namespace

SonidoTemporizador::SonidoTemporizador() {
    if (!carpeta_.isValid() || QMediaDevices::audioOutputs().isEmpty())
        return;
    agitar_ = Efecto(carpeta_.filePath(QStringLiteral("agitar.wav")), TonoWav(1320, 180));
    fin_ = Efecto(carpeta_.filePath(QStringLiteral("fin.wav")), TonoWav(660, 700));
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

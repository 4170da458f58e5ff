#pragma once

#include "timer/Sonido.h"

#include <QTemporaryDir>
#include <memory>

class QSoundEffect;

// Tones played with Qt Multimedia from WAV files the program writes at start into a folder of
// its own: a short high one to agitate, a longer low one at a stage's end.
class SonidoTemporizador : public Sonido {
public:
    SonidoTemporizador();
    ~SonidoTemporizador() override;
    bool Disponible() const override { return disponible_; }
    void Agitar() override;
    void FinEtapa() override;
    QString Error() const override { return error_; }

private:
    std::unique_ptr<QSoundEffect> Efecto(const QString& archivo, const QString& nombre,
                                         const QByteArray& wav);

    QTemporaryDir carpeta_;
    QString error_; // before the effects, whose handlers write it
    std::unique_ptr<QSoundEffect> agitar_;
    std::unique_ptr<QSoundEffect> fin_;
    bool disponible_ = false;
};

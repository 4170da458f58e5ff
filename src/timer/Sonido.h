#pragma once

#include <QString>

// The timer's alerts to the ear. The program plays tones; tests count the calls.
class Sonido {
public:
    virtual ~Sonido() = default;
    // False when there is no audio device: the timer runs silently.
    virtual bool Disponible() const = 0;
    // Why a tone cannot play (it failed to be written or loaded); empty while all is well.
    virtual QString Error() const { return {}; }
    virtual void Agitar() = 0;
    virtual void FinEtapa() = 0;
};

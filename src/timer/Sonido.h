#pragma once

// The timer's alerts to the ear. The program plays tones; tests count the calls.
class Sonido {
public:
    virtual ~Sonido() = default;
    // False when there is no audio device: the timer runs silently.
    virtual bool Disponible() const = 0;
    virtual void Agitar() = 0;
    virtual void FinEtapa() = 0;
};

#pragma once

#include <QElapsedTimer>

// The timer's only notion of time: a monotonic reading in ms. The program reads QElapsedTimer;
// tests hand in a clock they move by hand.
class Reloj {
public:
    virtual ~Reloj() = default;
    virtual qint64 Milisegundos() const = 0;
};

class RelojMonotono : public Reloj {
public:
    RelojMonotono() { t_.start(); }
    qint64 Milisegundos() const override { return t_.elapsed(); }

private:
    QElapsedTimer t_;
};

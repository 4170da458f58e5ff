#pragma once

#include "shell/Borradores.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

// The draft of one box, kept as the user types. A keystroke only (re)starts a timer; when it runs
// out the window's text is taken once and handed to the draft writer's thread. The text is taken
// in a pause of kPausaMs, where taking a large one (RTF of a long note) holds no key back, and at
// the latest kEsperaMs after the first key not yet taken, so steady typing is on disk at most that
// long (plus the write) after each key.
class ApunteBorrador : public QObject {
public:
    // The unsaved text of the box, or nothing when it holds none. A draft with neither title nor
    // text is removed instead of written.
    using Tomar = std::function<std::optional<Borrador>()>;
    static constexpr int kPausaMs = 400;
    static constexpr int kEsperaMs = 1200;

    ApunteBorrador(QObject* padre, Tomar tomar);

    // The user changed the text.
    void Cambio();
    // The text was saved or dropped: no draft is left of that target.
    void Quitar(const QString& destino);
    // Takes the text at once (a timer that is running is stopped).
    void Ahora();

private:
    Tomar tomar_;
    QTimer reloj_;
    QElapsedTimer desde_; // since the first key not taken yet
};

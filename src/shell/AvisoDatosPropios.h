#pragma once

#include <QObject>

// "The photographer's own data changed" (own times, films, developers): whoever writes them
// announces it, and every window that shows them listens and reloads, whichever window or module
// did the writing. Announcements made during one turn of the event loop reach the listeners once,
// at the next turn, so that a save of several rows reloads each window once.
class AvisoDatosPropios : public QObject {
    Q_OBJECT
public:
    static AvisoDatosPropios& Instancia();

Q_SIGNALS:
    void Cambiados();

private:
    friend void AvisarDatosPropiosCambiados();
    void Avisar();
    bool pendiente_ = false;
};

void AvisarDatosPropiosCambiados();

#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QWidget;

// One running copy per program folder: a lock file and a local socket in the per-user runtime
// folder, both named after the folder. The copy holding the lock listens; a later start asks it,
// through the socket, to bring its window to the front and then ends.
class CopiaUnica : public QObject {
public:
    // carpetaRuntime empty: the per-user runtime folder ($XDG_RUNTIME_DIR).
    explicit CopiaUnica(const QString& carpetaPrograma, const QString& carpetaRuntime = {});
    ~CopiaUnica() override;

    // True when this is the only copy. A lock left by a killed copy is taken over.
    bool Tomar();
    // Holding the lock: answers later starts by calling mostrar. False when the socket cannot
    // be opened (the lock still keeps other copies out).
    bool Escuchar(std::function<void()> mostrar);
    // Not holding it: asks the running copy to show its window and waits for its answer.
    // Returns the running copy's process id, or 0 when none answered within espera.
    qint64 PedirQueSeMuestre(int esperaMs) const;

    QString RutaCerrojo() const { return base_ + QStringLiteral(".lock"); }
    QString RutaSocket() const { return base_ + QStringLiteral(".sock"); }

private:
    void Atender();

    QString base_;
    QLockFile cerrojo_;
    QLocalServer* servidor_ = nullptr;
    std::function<void()> mostrar_;
};

// A later start wants this window: shown, restored when minimised, raised and activated.
void TraerAlFrente(QWidget& ventana);

#include "app/CopiaUnica.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

namespace {
const QByteArray kPeticion = QByteArrayLiteral("mostrar\n");
const QByteArray kRespuesta = QByteArrayLiteral("mostrada ");

QString NombreCarpeta(const QString& carpeta) {
    // The same folder reached through a link or a relative path is the same copy.
    const QString canonica = QFileInfo(carpeta).canonicalFilePath();
    const QString ruta =
        canonica.isEmpty() ? QDir::cleanPath(QFileInfo(carpeta).absoluteFilePath()) : canonica;
    return QString::fromLatin1(
        QCryptographicHash::hash(ruta.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

QString Runtime(const QString& dada) {
    if (!dada.isEmpty())
        return dada;
    const QString r = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return r.isEmpty() ? QDir::tempPath() : r;
}
} // namespace

CopiaUnica::CopiaUnica(const QString& carpetaPrograma, const QString& carpetaRuntime)
    : base_(Runtime(carpetaRuntime) + QStringLiteral("/garvola-") + NombreCarpeta(carpetaPrograma)),
      cerrojo_(base_ + QStringLiteral(".lock")) {}

CopiaUnica::~CopiaUnica() {
    delete servidor_;
    cerrojo_.unlock();
}

bool CopiaUnica::Tomar() {
    // QLockFile removes a lock whose process is gone.
    return cerrojo_.isLocked() || cerrojo_.tryLock(0);
}

bool CopiaUnica::Escuchar(std::function<void()> mostrar) {
    mostrar_ = std::move(mostrar);
    delete servidor_;
    servidor_ = new QLocalServer;
    servidor_->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock, a socket file still there was left by a killed copy.
    QLocalServer::removeServer(RutaSocket());
    QObject::connect(servidor_, &QLocalServer::newConnection, this, [this] { Atender(); });
    return servidor_->listen(RutaSocket());
}

void CopiaUnica::Atender() {
    while (QLocalSocket* s = servidor_->nextPendingConnection()) {
        QObject::connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        QObject::connect(s, &QLocalSocket::readyRead, s, [this, s] {
            if (!s->canReadLine())
                return;
            if (s->readLine(64) != kPeticion) {
                s->disconnectFromServer();
                return;
            }
            if (mostrar_)
                mostrar_();
            s->write(kRespuesta + QByteArray::number(QCoreApplication::applicationPid()) + '\n');
            s->flush();
            s->disconnectFromServer();
        });
    }
}

qint64 CopiaUnica::PedirQueSeMuestre(int esperaMs) const {
    QElapsedTimer reloj;
    reloj.start();
    QLocalSocket s;
    s.connectToServer(RutaSocket());
    if (!s.waitForConnected(esperaMs))
        return 0;
    s.write(kPeticion);
    if (!s.waitForBytesWritten(esperaMs))
        return 0;
    QByteArray respuesta;
    while (!respuesta.endsWith('\n')) {
        const qint64 queda = esperaMs - reloj.elapsed();
        if (queda <= 0 || (s.bytesAvailable() == 0 && !s.waitForReadyRead(int(queda))))
            return 0;
        respuesta += s.readAll();
    }
    if (!respuesta.startsWith(kRespuesta))
        return 0;
    return respuesta.mid(kRespuesta.size()).trimmed().toLongLong();
}

void TraerAlFrente(QWidget& ventana) {
    ventana.setWindowState((ventana.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    ventana.show();
    ventana.raise();
    ventana.activateWindow();
}

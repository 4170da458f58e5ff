#include "shell/Borradores.h"

#include "shell/AjustesUsuario.h"
#include "shell/Archivos.h"
#include "shell/Rutas.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <algorithm>
#include <atomic>

namespace {

const QByteArray kFirma = QByteArrayLiteral("GARVOLA-BORRADOR-1\n");
constexpr qsizetype kLargoSuma = 32; // SHA-256
const QString kExtension = QStringLiteral(".borrador");

QByteArray Suma(const QByteArray& datos) {
    return QCryptographicHash::hash(datos, QCryptographicHash::Sha256);
}

std::atomic<bool>& Activos() {
    static std::atomic<bool> si{true};
    return si;
}

} // namespace

QString CarpetaBorradores() {
    return CarpetaAjustes() + QStringLiteral("/borradores");
}

QString ArchivoBorrador(const QString& destino) {
    const QByteArray clave = (CarpetaPrograma() + u'\n' + destino).toUtf8();
    return CarpetaBorradores() + u'/' +
           QString::fromLatin1(QCryptographicHash::hash(clave, QCryptographicHash::Sha1).toHex()) +
           kExtension;
}

QByteArray CodificarBorrador(const Borrador& b) {
    QByteArray carga;
    {
        QDataStream s(&carga, QIODevice::WriteOnly);
        s.setVersion(QDataStream::Qt_6_0);
        s << b.destino << b.etiqueta << b.titulo << b.texto << b.formato << b.carpeta
          << b.hora.toMSecsSinceEpoch();
    }
    QByteArray datos = kFirma;
    {
        QDataStream s(&datos, QIODevice::Append);
        s << quint64(carga.size());
    }
    return datos + Suma(carga) + carga;
}

std::optional<Borrador> DecodificarBorrador(const QByteArray& datos) {
    const qsizetype cabecera = kFirma.size() + qsizetype(sizeof(quint64)) + kLargoSuma;
    if (datos.size() < cabecera || !datos.startsWith(kFirma))
        return std::nullopt;
    quint64 largo = 0;
    {
        QDataStream s(datos.mid(kFirma.size(), sizeof(quint64)));
        s >> largo;
    }
    // A file cut short, or grown by a write that is not ours, is not a draft.
    if (largo != quint64(datos.size() - cabecera))
        return std::nullopt;
    const QByteArray carga = datos.mid(cabecera);
    if (Suma(carga) != datos.mid(cabecera - kLargoSuma, kLargoSuma))
        return std::nullopt;
    Borrador b;
    qint64 hora = 0;
    QDataStream s(carga);
    s.setVersion(QDataStream::Qt_6_0);
    s >> b.destino >> b.etiqueta >> b.titulo >> b.texto >> b.formato >> b.carpeta >> hora;
    if (s.status() != QDataStream::Ok || !s.atEnd() || b.destino.isEmpty())
        return std::nullopt;
    b.hora = QDateTime::fromMSecsSinceEpoch(hora);
    return b;
}

namespace {
// The folder is the file's own, fixed when the write was asked for.
bool Escribir(const QString& archivo, const Borrador& b) {
    QDir().mkpath(QFileInfo(archivo).absolutePath());
    return bool(EscribirArchivoSeguro(archivo, CodificarBorrador(b)));
}
} // namespace

bool EscribirBorrador(const Borrador& b) {
    return Escribir(ArchivoBorrador(b.destino), b);
}

void QuitarBorrador(const QString& destino) {
    QFile::remove(ArchivoBorrador(destino));
}

std::vector<Borrador> ListarBorradores() {
    std::vector<Borrador> lista;
    const QDir dir(CarpetaBorradores());
    for (const QString& nombre : dir.entryList({u'*' + kExtension}, QDir::Files)) {
        QByteArray datos;
        if (!LeerArchivo(dir.filePath(nombre), datos))
            continue;
        std::optional<Borrador> b = DecodificarBorrador(datos);
        // A file renamed by hand, or of another program folder, belongs to no target here.
        if (b && b->carpeta == CarpetaPrograma() && dir.filePath(nombre) == ArchivoBorrador(b->destino))
            lista.push_back(std::move(*b));
    }
    std::stable_sort(lista.begin(), lista.end(),
                     [](const Borrador& a, const Borrador& b) { return a.hora < b.hora; });
    return lista;
}

QString AvisoRecuperados(const std::vector<Borrador>& borradores) {
    QStringList nombres;
    for (const Borrador& b : borradores)
        nombres << b.etiqueta;
    return u"Se recuperó texto sin guardar de: " + nombres.join(QStringLiteral(", ")) + u'.';
}

EscritorBorradores::EscritorBorradores() : hilo_([this] { Trabajar(); }) {}

EscritorBorradores::~EscritorBorradores() {
    {
        std::lock_guard l(m_);
        fin_ = true;
    }
    cv_.notify_all();
    hilo_.join();
}

void EscritorBorradores::Encargar(Borrador b) {
    if (b.carpeta.isEmpty())
        b.carpeta = CarpetaPrograma();
    const QString archivo = ArchivoBorrador(b.destino);
    {
        std::lock_guard l(m_);
        pendientes_[archivo] = std::move(b);
    }
    cv_.notify_all();
}

void EscritorBorradores::Quitar(const QString& destino) {
    const QString archivo = ArchivoBorrador(destino);
    {
        std::lock_guard l(m_);
        pendientes_[archivo] = std::nullopt;
    }
    cv_.notify_all();
}

void EscritorBorradores::Esperar() {
    std::unique_lock l(m_);
    cv_.wait(l, [this] { return pendientes_.empty() && !ocupado_; });
}

int EscritorBorradores::Fallos() const {
    std::lock_guard l(m_);
    return fallos_;
}

void EscritorBorradores::Trabajar() {
    std::unique_lock l(m_);
    for (;;) {
        cv_.wait(l, [this] { return fin_ || !pendientes_.empty(); });
        if (pendientes_.empty()) {
            if (fin_)
                return;
            continue;
        }
        auto tarea = pendientes_.extract(pendientes_.begin());
        ocupado_ = true;
        l.unlock();
        bool hecho = true;
        if (tarea.mapped())
            hecho = Escribir(tarea.key(), *tarea.mapped());
        else
            QFile::remove(tarea.key());
        l.lock();
        ocupado_ = false;
        if (!hecho)
            ++fallos_;
        cv_.notify_all();
    }
}

EscritorBorradores& Borradores() {
    static EscritorBorradores escritor;
    return escritor;
}

bool BorradoresActivos() {
    return Activos();
}

void ActivarBorradores(bool si) {
    Activos() = si;
}

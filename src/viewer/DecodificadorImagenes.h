#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <memory>

// The picture of a file reduced (or enlarged) to fit a box of pixels, proportions kept: decoded at
// that size where the format allows, else decoded whole and scaled. Null when it cannot be read.
QImage CargarReducida(const QString& ruta, const QSize& caja);

// Decodes pictures away from the window's thread. Each picture comes back through Decodificada,
// on the thread that owns this object, unless it was forgotten or dropped meanwhile.
class DecodificadorImagenes : public QObject {
    Q_OBJECT
public:
    enum class Clase { Miniatura, Vista };

    explicit DecodificadorImagenes(QObject* padre = nullptr);
    // Waits for the decodings under way; nothing more is delivered.
    ~DecodificadorImagenes() override;

    // The picture of the file fitted to a box of pixels. Asking again for what is under way does
    // nothing.
    void Pedir(Clase clase, const QString& ruta, const QSize& caja);
    // Not wanted any more: skipped if not started, not delivered if done.
    void Olvidar(Clase clase, const QString& ruta, const QSize& caja);
    // Drops everything asked so far (another folder).
    void Descartar();
    bool Pendiente() const;
    // Waits until everything asked has been decoded and delivered.
    void Esperar();

Q_SIGNALS:
    void Decodificada(DecodificadorImagenes::Clase clase, const QString& ruta, const QSize& caja,
                      const QImage& imagen);

private:
    struct Estado;
    void Entregar(quint64 generacion, const QString& clave, Clase clase, const QString& ruta,
                  const QSize& caja, const QImage& imagen);

    std::shared_ptr<Estado> estado_;
    QThreadPool hilos_;
};

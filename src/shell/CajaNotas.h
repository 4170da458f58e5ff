#pragma once

#include <QObject>
#include <QString>
#include <functional>

class ApunteBorrador;
class QPlainTextEdit;
class QPushButton;

// The user's own notes of one thing shown in a window (a film with a developer, a formula): the
// editable box, its "Guardar mis notas" button and the question about unsaved text. What the text
// belongs to is its target, a key the window makes up ("" when none); the window saves it through
// a callback. A save that fails keeps the text, its target and the button, for another try.
class CajaNotas : public QObject {
    Q_OBJECT
public:
    // Writes the text for the target it was shown with; raises ErrorBD when it cannot.
    using Guardar = std::function<void(const QString& texto)>;

    // The box and the button are made children of padre with those objectNames. A narrow button
    // wraps its caption onto several lines.
    CajaNotas(QWidget* padre, const char* nombreCaja, const char* nombreBoton, bool botonEstrecho = false);

    QPlainTextEdit* Caja() const { return caja_; }
    QPushButton* Boton() const { return boton_; }

    // The stored text of a target: nothing unsaved, the button disabled. etiqueta names the
    // target in the recovery message after a crash ("Mis notas de Ilford HP5 Plus × ID-11").
    void Mostrar(const QString& destino, const QString& texto, Guardar guardar,
                 const QString& etiqueta = QString());
    // Text typed earlier for the target shown and not saved yet (carried over a reload).
    void PonerSinGuardar(const QString& texto);
    // No target: the box is empty and nothing can be typed into it.
    void Vaciar();

    const QString& Destino() const { return destino_; }
    bool Cambiada() const;
    QString Texto() const;

    // Unsaved text: asks whether to save it, and Yes saves it. False only when the save failed:
    // the text is still unsaved and the caller keeps it on screen. No leaves the text as it is,
    // for the caller to replace, and drops its draft.
    bool Resolver();
    // Saves now; on failure says so and keeps everything.
    bool GuardarAhora();

Q_SIGNALS:
    // The user changed the text of the target (loading a text does not count).
    void TextoCambiado(const QString& destino);
    void Guardada(const QString& destino);

private:
    void Poner(const QString& texto, bool cambiada);

    QPlainTextEdit* caja_;
    QPushButton* boton_;
    QString destino_;
    QString etiqueta_;
    Guardar guardar_;
    ApunteBorrador* apunte_;
    bool poniendo_ = false;
};

#pragma once

#include <QColor>
#include <QString>
#include <memory>
#include <optional>

// Every message box and input dialog of the program goes through this seam, so that tests can
// script the answers. An empty title stands for the application's default title.
enum class Icono { Ninguno, Pregunta, Informacion, Exclamacion, Critico };
enum class Respuesta { Si, No, Cancelar, Aceptar };

class Dialogos {
public:
    virtual ~Dialogos() = default;
    virtual Respuesta PreguntarSiNo(const QString& titulo, const QString& texto,
                                    Icono icono = Icono::Pregunta) = 0;
    virtual Respuesta PreguntarSiNoCancelar(const QString& titulo, const QString& texto,
                                            Icono icono = Icono::Pregunta) = 0;
    // One OK button.
    virtual void Informar(const QString& titulo, const QString& texto, Icono icono = Icono::Informacion) = 0;
    // The text typed, or nothing when the user cancelled.
    virtual std::optional<QString> PedirTexto(const QString& titulo, const QString& etiqueta,
                                              const QString& inicial) = 0;
    // A file path chosen by the user, or nothing when cancelled. filtro: "Descripción (*.zip)", with
    // ";;" between choices.
    virtual std::optional<QString> PedirArchivoGuardar(const QString& titulo, const QString& inicial,
                                                       const QString& filtro) = 0;
    virtual std::optional<QString> PedirArchivoAbrir(const QString& titulo, const QString& inicial,
                                                     const QString& filtro) = 0;
    // A colour chosen by the user, starting from inicial; nothing when cancelled.
    virtual std::optional<QColor> PedirColor(const QString& titulo, const QColor& inicial) = 0;
};

// The dialogs in use; none is installed until the program or a test installs one.
Dialogos& Dialogo();
void InstalarDialogos(std::unique_ptr<Dialogos> dialogos);

// Default title of message boxes that name none.
inline const QString kTituloAplicacion = QStringLiteral("UXEL Garvola");

#pragma once

#include "shell/Dialogos.h"

// The program's dialogs: Qt message boxes and input dialogs over the active window.
class DialogosQt : public Dialogos {
public:
    Respuesta PreguntarSiNo(const QString& titulo, const QString& texto, Icono icono) override;
    Respuesta PreguntarSiNoCancelar(const QString& titulo, const QString& texto, Icono icono) override;
    void Informar(const QString& titulo, const QString& texto, Icono icono) override;
    std::optional<QString> PedirTexto(const QString& titulo, const QString& etiqueta,
                                      const QString& inicial) override;
    std::optional<QString> PedirArchivoGuardar(const QString& titulo, const QString& inicial,
                                               const QString& filtro) override;
    std::optional<QString> PedirArchivoAbrir(const QString& titulo, const QString& inicial,
                                             const QString& filtro) override;
    std::optional<QColor> PedirColor(const QString& titulo, const QColor& inicial) override;
};

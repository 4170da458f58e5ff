#pragma once

#include "shell/Dialogos.h"

#include <deque>
#include <vector>

// Dialogs for tests: each call is recorded; questions and input dialogs answer from queues.
// A question with no answer queued fails the test and answers No (or Cancelar).
class DialogosGuion : public Dialogos {
public:
    enum class Tipo { SiNo, SiNoCancelar, Informar, PedirTexto, PedirArchivo, PedirColor };
    struct Llamada {
        Tipo tipo;
        QString titulo;
        QString texto;
        Icono icono = Icono::Ninguno;
        QString inicial; // PedirTexto and PedirArchivo: the proposed text or path; PedirColor: its name
    };

    Respuesta PreguntarSiNo(const QString& titulo, const QString& texto, Icono icono) override;
    Respuesta PreguntarSiNoCancelar(const QString& titulo, const QString& texto, Icono icono) override;
    void Informar(const QString& titulo, const QString& texto, Icono icono) override;
    std::optional<QString> PedirTexto(const QString& titulo, const QString& etiqueta,
                                      const QString& inicial) override;
    // Both file dialogs answer from archivos; texto records the filter.
    std::optional<QString> PedirArchivoGuardar(const QString& titulo, const QString& inicial,
                                               const QString& filtro) override;
    std::optional<QString> PedirArchivoAbrir(const QString& titulo, const QString& inicial,
                                             const QString& filtro) override;
    // Answers from colores.
    std::optional<QColor> PedirColor(const QString& titulo, const QColor& inicial) override;

    std::deque<Respuesta> respuestas;
    std::deque<std::optional<QString>> textos;
    std::deque<std::optional<QString>> archivos;
    std::deque<std::optional<QColor>> colores;
    std::vector<Llamada> llamadas;
};

// The scripted dialogs every test program installs; cleared before each test.
DialogosGuion& Guion();

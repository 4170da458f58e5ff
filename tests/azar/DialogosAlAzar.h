#pragma once

#include "shell/Dialogos.h"

#include <QColor>
#include <QRandomGenerator>
#include <QString>

// Dialogs for random use: every question is answered with one of the buttons it offers, chosen
// by the seeded generator; file dialogs choose paths inside one scratch folder or cancel.
class DialogosAlAzar : public Dialogos {
public:
    DialogosAlAzar(QRandomGenerator& azar, QString carpetaArchivos);

    Respuesta PreguntarSiNo(const QString& titulo, const QString& texto, Icono icono) override;
    Respuesta PreguntarSiNoCancelar(const QString& titulo, const QString& texto, Icono icono) override;
    void Informar(const QString& titulo, const QString& texto, Icono icono) override;
    std::optional<QString> PedirTexto(const QString& titulo, const QString& etiqueta,
                                      const QString& inicial) override;
    std::optional<QString> PedirArchivoGuardar(const QString& titulo, const QString& inicial,
                                               const QString& filtro) override;
    std::optional<QColor> PedirColor(const QString& titulo, const QColor& inicial) override;
    std::optional<QString> PedirArchivoAbrir(const QString& titulo, const QString& inicial,
                                             const QString& filtro) override;

    int preguntas = 0;

private:
    QRandomGenerator& azar_;
    QString carpeta_;
};

// A text a user might type into any box: words, numbers, times, nothing, or the long strange text.
QString TextoAlAzar(QRandomGenerator& azar);

#include "soporte/DialogosGuion.h"

#include <gtest/gtest.h>

Respuesta DialogosGuion::PreguntarSiNo(const QString& titulo, const QString& texto, Icono icono) {
    llamadas.push_back({Tipo::SiNo, titulo, texto, icono, {}});
    if (respuestas.empty()) {
        ADD_FAILURE() << "Unexpected question: " << texto.toStdString();
        return Respuesta::No;
    }
    const Respuesta r = respuestas.front();
    respuestas.pop_front();
    return r;
}

Respuesta DialogosGuion::PreguntarSiNoCancelar(const QString& titulo, const QString& texto, Icono icono) {
    llamadas.push_back({Tipo::SiNoCancelar, titulo, texto, icono, {}});
    if (respuestas.empty()) {
        ADD_FAILURE() << "Unexpected question: " << texto.toStdString();
        return Respuesta::Cancelar;
    }
    const Respuesta r = respuestas.front();
    respuestas.pop_front();
    return r;
}

void DialogosGuion::Informar(const QString& titulo, const QString& texto, Icono icono) {
    llamadas.push_back({Tipo::Informar, titulo, texto, icono, {}});
}

std::optional<QString> DialogosGuion::PedirTexto(const QString& titulo, const QString& etiqueta,
                                                 const QString& inicial) {
    llamadas.push_back({Tipo::PedirTexto, titulo, etiqueta, Icono::Ninguno, inicial});
    if (textos.empty()) {
        ADD_FAILURE() << "Unexpected input dialog: " << etiqueta.toStdString();
        return std::nullopt;
    }
    auto r = textos.front();
    textos.pop_front();
    return r;
}

namespace {
std::optional<QString> SiguienteArchivo(DialogosGuion& d, const QString& titulo, const QString& inicial,
                                        const QString& filtro) {
    d.llamadas.push_back({DialogosGuion::Tipo::PedirArchivo, titulo, filtro, Icono::Ninguno, inicial});
    if (d.archivos.empty()) {
        ADD_FAILURE() << "Unexpected file dialog: " << titulo.toStdString();
        return std::nullopt;
    }
    auto r = d.archivos.front();
    d.archivos.pop_front();
    return r;
}
} // namespace

std::optional<QString> DialogosGuion::PedirArchivoGuardar(const QString& titulo, const QString& inicial,
                                                          const QString& filtro) {
    return SiguienteArchivo(*this, titulo, inicial, filtro);
}

std::optional<QString> DialogosGuion::PedirArchivoAbrir(const QString& titulo, const QString& inicial,
                                                        const QString& filtro) {
    return SiguienteArchivo(*this, titulo, inicial, filtro);
}

std::optional<QColor> DialogosGuion::PedirColor(const QString& titulo, const QColor& inicial) {
    llamadas.push_back({Tipo::PedirColor, titulo, {}, Icono::Ninguno, inicial.name()});
    if (colores.empty()) {
        ADD_FAILURE() << "Unexpected colour dialog: " << titulo.toStdString();
        return std::nullopt;
    }
    auto r = colores.front();
    colores.pop_front();
    return r;
}

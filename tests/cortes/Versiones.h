#pragma once

// What the save helper writes at step i, shared by the helper and the test that kills it: after a
// kill every file and row must hold the content of one whole step, the last acknowledged or the next.
#include "calculators/PerfilesTemp.h"
#include "devtimes/TiemposPropios.h"

#include <QByteArray>
#include <QString>

// The kinds of save, as the helper's first argument.
inline constexpr const char* kNotaPersonal = "nota";
inline constexpr const char* kNotaPeliRev = "notamia";
inline constexpr const char* kNotaFormula = "formula";
inline constexpr const char* kPerfil = "perfil";
inline constexpr const char* kAjustes = "ajustes";
inline constexpr const char* kCopia = "copia";
inline constexpr const char* kTiempoPropio = "tiempo";

// Titles and bodies whose length changes from step to step, so a mix of two shows.
inline QString TituloPaso(qint64 i) {
    return u"Nota " + QString::number(i);
}
inline QString CuerpoPaso(qint64 i) {
    return u"{\\rtf1 paso " + QString::number(i) + u' ' +
           QString(int(i % 97) * 300, QChar(char16_t(u'a' + i % 26))) + u'}';
}
inline PerfilTemp PerfilPaso(qint64 i) {
    PerfilTemp p;
    p.nombre = QStringLiteral("guardado");
    p.segundos = qint16(i % 3600);
    p.revelador = qint16(i % 4);
    return p;
}
// The profiles file before the first step.
inline QByteArray PerfilesIniciales() {
    return "antes|0|1|20.0|600|0|20.0\r\nguardado|0|1|20.0|0|0|20.0\r\ndespues|1|1|21.0|300|1|21.0\r\n";
}
inline QByteArray PerfilesPaso(qint64 i) {
    ArchivoPerfiles archivo;
    archivo.Analizar(PerfilesIniciales());
    archivo.Poner(PerfilPaso(i));
    return archivo.Contenido();
}
// An own time rewritten at each step, with a new own film that must be stored with it.
inline TiempoPropio TiempoPaso(qint64 i) {
    TiempoPropio t;
    t.id = 1;
    t.pelicula = u"Película " + QString::number(i);
    t.revelador = QStringLiteral("Rodinal");
    t.ei = QString::number(i);
    t.tiempo35 = QStringLiteral("8:00");
    t.nota = CuerpoPaso(i);
    return t;
}
inline QString FondoPaso(qint64 i) {
    return u"fondo_" + QString::number(i) + QString(int(i % 89) * 20, u'x') + u".jpg";
}
inline QByteArray AjustesIniciales() {
    return "Otra=1\r\nFondo=primero.jpg\r\nUltima=2\r\n";
}

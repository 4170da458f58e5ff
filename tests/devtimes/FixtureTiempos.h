#pragma once

#include "devtimes/TiemposPropios.h"
#include "shell/AlmacenDatos.h"

#include "soporte/CarpetaPruebas.h"
#include "soporte/ImagenesPrueba.h"

#include <QBuffer>
#include <QVariant>

// Rows of the development-time tables, written straight into the fixture ReferenceDb.
namespace fixture {

inline void Pelicula(int id, const QString& nombre) {
    ReferenceDb()->Insertar("Peliculas", {{"IdPelicula", id}, {"Nombre", nombre}});
}

inline void Revelador(int id, const QString& nombre) {
    ReferenceDb()->Insertar("Reveladores", {{"IdRevelador", id}, {"Nombre", nombre}});
}

// An own time as typed in its dialog, not yet stored.
inline TiempoPropio Propio(const QString& pelicula, const QString& revelador, const QString& dilucion,
                           const QString& ei, const QString& temperatura = "20",
                           const QString& t35 = "9:00") {
    TiempoPropio t;
    t.pelicula = pelicula;
    t.revelador = revelador;
    t.dilucion = dilucion;
    t.ei = ei;
    t.tiempo35 = t35;
    t.temperatura = temperatura;
    return t;
}

// Null stands for a missing value.
inline void Tiempo(int pelicula, int revelador, const QVariant& iso, const QVariant& temperatura,
                   const QVariant& t35 = "8", const QVariant& notas = {}, const QVariant& dilucion = "1+1") {
    ReferenceDb()->Insertar("Tiempos", {{"IdPelicula", pelicula},
                                        {"IdRevelador", revelador},
                                        {"Dilucion", dilucion},
                                        {"ISO", iso},
                                        {"Tiempo35", t35},
                                        {"Tiempo120", " 9 "},
                                        {"TiempoHoja", QVariant()},
                                        {"Temperatura", temperatura},
                                        {"Notas", notas}});
}

inline void Codigo(const QString& codigo, const QVariant& descripcion) {
    ReferenceDb()->Insertar("NotasPeliRev", {{"Codigo", codigo}, {"DescripcionES", descripcion}});
}

inline void Discontinuado(const QString& tabla, const QString& pelicula, const QString& revelador,
                          const QString& iso, const QString& estado, const QString& temperatura = "20",
                          const QString& t35 = "7") {
    ReferenceDb()->Insertar(tabla, {{"Pelicula", pelicula},
                                    {"Revelador", revelador},
                                    {"Dilucion", "1+9"},
                                    {"ISO", iso},
                                    {"35mm", t35},
                                    {"120", QVariant()},
                                    {"Hoja", "10"},
                                    {"Temperatura", temperatura},
                                    {"Estado", estado}});
}

// A plain JPEG picture in the program folder.
inline void Foto(const CarpetaPruebas& carpeta, const QString& relativo, int ancho, int alto,
                 const QColor& color) {
    QByteArray jpg;
    QBuffer buffer(&jpg);
    ImagenLisa(ancho, alto, color).save(&buffer, "JPG");
    carpeta.Escribir(relativo, jpg);
}

} // namespace fixture

#pragma once

#include "devtimes/ConsultasTiempos.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

// Discontinued films and developers: two flat tables keyed by names. Film mode searches
// PeliculasDisc by Pelicula; developer mode ReveladoresDisc by Revelador.

QString ConsultaListaDisc(bool modoPelicula, const QString& filtro);
QString ConsultaTemperaturasDisc(bool modoPelicula, const QString& nombre);
// temperatura empty: every temperature. ISO sorts as plain text here.
QString ConsultaTiemposDisc(bool modoPelicula, const QString& nombre, const QString& temperatura);

// Each name once, in name order; an invalid pattern lists nothing. Empty while the ReferenceDb is closed.
QStringList LeerListaDisc(bool modoPelicula, const QString& filtro);
// Nothing for an empty name.
QStringList LeerTemperaturasDisc(bool modoPelicula, const QString& nombre);
// Other side's name, Dilucion, ISO, 35mm, 120, Hoja, Temperatura, Estado: untrimmed.
std::vector<QStringList> LeerTiemposDisc(bool modoPelicula, const QString& nombre,
                                         const QString& temperatura);

// Background of a data row (numbered from 1) by the exact Estado text.
QColor ColorEstado(const QString& estado, int fila);

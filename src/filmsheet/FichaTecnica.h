#pragma once

#include <QColor>
#include <QString>
#include <QVariant>
#include <optional>

// What the technical sheet shows of a film, and the display rules of its values.

// Trimmed; "", "--", "|", "-" and "0" show as nothing; "|" shows as an en dash (380|650 -> 380–650).
QString FormatearValor(const QString& texto);
// Colour and note of the source of the spectral range, by exact text.
QColor ColorFuente(const QString& fuente);
QString NotaFuente(const QString& fuente);
// Colour of the reciprocity-failure level, by exact text.
QColor ColorReciprocidad(const QString& nivel);

// Status badge: only a stored 1 is discontinued; anything not convertible to a 16-bit integer counts as 0.
struct Insignia {
    QString texto;
    QColor fondo;
};
Insignia InsigniaDiscontinuada(const QVariant& valor);

// The sheet's row as text, columns by name (through TextoSeguro).
struct DatosFicha {
    QString fabricante, isoNominal, tipoGrano, sensibilidadEspectral, procesoCompatible, fechaLanzamiento,
        formatoDisponible, reveladorIdeal;
    QVariant discontinuada;
    QString rangoEspectralNm, fuenteRangoEspectral, picoSensibilidadNm, corteRojoNm, corteIrNm,
        falloReciprocidad, correccionReciprocidad, tamanioGranoRms, resolucionLpMm;
};

// Name of the film in Peliculas, "" when it has no row or the ReferenceDb is closed.
QString LeerNombrePelicula(int idPelicula);
// The film's PeliculasInfoTec row, or nothing (also while the ReferenceDb is closed).
std::optional<DatosFicha> LeerDatosFicha(int idPelicula);

// Path of the maker's curve picture named after the film in imag\curvas, "" when there is none.
// A name that would lead outside that folder finds nothing.
QString BuscarCurvaOficial(const QString& nombrePelicula);

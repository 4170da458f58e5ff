#pragma once

#include "devtimes/TiemposPropios.h"

#include <QDateTime>
#include <QString>
#include <vector>

// The development log in the NotesDb: one entry per finished development. While the NotesDb is
// closed nothing is read or written; an engine failure raises ErrorBD.

struct EntradaCuaderno {
    qint64 id = 0;
    QDateTime fecha;
    QString pelicula, revelador, dilucion, ei, formato;
    int decimasBase = 0, decimasBano = 0; // tenths of °C
    int segundosBase = 0, segundos = 0;   // base and corrected developing time
    QString agitacion;
    QString nota;
};

// The entry of a finished run: `inicio` holds what was set when it started; its note (a planned
// session's summary) goes before the user's `nota`. A developing stage cut
// short keeps the time it really lasted, and its note says so.
EntradaCuaderno EntradaDeMarcha(EntradaCuaderno inicio, int segundosRevelados, const QString& nota);

// Stores the entry dated now; its new Id, 0 while the NotesDb is closed.
qint64 GuardarEnCuaderno(const EntradaCuaderno& entrada);
// Newest first.
std::vector<EntradaCuaderno> LeerCuaderno();
// One line of the list: date, film, developer, dilution, EI, format, temperatures and time.
QString TextoEntrada(const EntradaCuaderno& e);

// A finished development as an own time: the corrected time under its format, at the bath temperature.
TiempoPropio TiempoDeEntrada(const EntradaCuaderno& e);

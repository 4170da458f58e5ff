#pragma once

#include "shell/DialectoJet.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The development-time queries. The texts are built by concatenation, as the stored dialect
// expects them: texts inside single quotes with every quote doubled, ids in decimal.
// modoPelicula: the list shows films and the grid developers; otherwise the reverse.

struct ItemLista {
    int id = 0; // 0 in the discontinued tables, which have names only; kIdPropio for own ones
    QString nombre;
    bool propio = false; // the user's own film or developer, which the reference list lacks
};

// Id of a list entry that names an own film or developer: it has no reference id.
inline constexpr int kIdPropio = -1;

struct NotaMia {
    int idNota = 0;
    QString texto;
};

QString ConsultaLista(bool modoPelicula, const QString& filtro);
QString ConsultaTemperaturas(bool modoPelicula, int id);
// temperatura empty: every temperature.
QString ConsultaTiempos(bool modoPelicula, int id, const QString& temperatura);
QString ConsultaDescripcionCodigo(const QString& codigo);
QString ConsultaIdPorNombre(bool modoPelicula, const QString& nombreOtroLado);
QString ConsultaNotaMia(bool modoPelicula, int idPelicula, int idRevelador);
QString TablaNotasMias(bool modoPelicula);

// Running them on the ReferenceDb: empty results while it is closed; engine failures raise ErrorBD.

// A filter the engine would reject as a pattern (an unclosed "[") lists nothing.
std::vector<ItemLista> LeerLista(bool modoPelicula, const QString& filtro);
QStringList LeerTemperaturas(bool modoPelicula, int id);
// The eight grid texts of each row: other side's name, dilution, ISO, the three times trimmed,
// temperature, raw note codes.
std::vector<QStringList> LeerTiempos(bool modoPelicula, int id, const QString& temperatura);
// Id of the grid row's other side (developer in film mode, film in developer mode); 0 when unknown.
int BuscarIdOtroLado(bool modoPelicula, const QString& nombre);
std::optional<NotaMia> LeerNotaMia(bool modoPelicula, int idPelicula, int idRevelador);
// Updates note idNota, or appends a new one when idNota is 0 (or its row has gone meanwhile).
// Returns the key of the row that holds the text now.
int GuardarNotaMia(bool modoPelicula, int idNota, int idPelicula, int idRevelador, const QString& texto);

// The raw codes of a row ("[A] [B] agitar") as a readable line, one query per code.
QString DescribirCodigos(const QString& notas);

// Count line of the item list, e.g. "12 películas".
QString TextoConteo(bool modoPelicula, int entradas);
// The same with how many of them have times, e.g. "44 películas, 24 con tiempos".
QString TextoConteoConTiempos(bool modoPelicula, int entradas, int conTiempos);
// Whether each entry has reference times (by its id; own entries have none).
std::vector<bool> TienenTiempos(bool modoPelicula, const std::vector<ItemLista>& items);
// Status line after a times query: "  - sin datos" or "  -  N combinaciones" after the item.
QString TextoEstadoTiempos(const QString& item, int filas);

// Helpers shared with the discontinued queries.
QStringList LeerColumna(const QString& sql);
std::vector<QStringList> LeerFilas(const QString& sql, int columnas, bool recortarTiempos);

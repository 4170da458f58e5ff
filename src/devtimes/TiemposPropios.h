#pragma once

#include "devtimes/ConsultasTiempos.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The photographer's own development times, and the own films and developers they name, kept in
// the NotesDb so that no update of the reference data touches them. Films and developers are named,
// not numbered: an own time of a reference film attaches to it whatever its id in a later edition.

inline const QString kCodigoPropio = QStringLiteral("[PROPIO]");
inline const QString kDescripcionPropio = QStringLiteral("Tiempo propio del usuario");
// After the name of an own entry in the item list.
inline const QString kMarcaPropio = QStringLiteral("  · propio");

struct TiempoPropio {
    qint64 id = 0; // 0 until stored
    QString pelicula, revelador, dilucion, ei;
    QString tiempo35, tiempo120, tiempoHoja; // "m:ss" or empty
    QString temperatura, agitacion, nota;
};

// What the grid shows of one row, and which own time it is (0 for a reference row).
struct FilaTiempos {
    QStringList textos;
    qint64 idPropio = 0;
};

// Running them on the NotesDb: empty results while it is closed; engine failures raise ErrorBD.
// Every write announces itself (AvisarDatosPropiosCambiados), so that open windows reload.

// Own names on the searched side (films or developers) that match the list filter.
QStringList LeerNombresPropios(bool modoPelicula, const QString& filtro);
// Records as own every film and developer an own time names that the reference lists lack (after a
// data update renamed one, or an import brought it), so the list finds each own time. At start-up
// and after an import; a read-only NotesDb is left as it is. Returns how many names were added.
int RegistrarNombresPropios();
// The reference entries with the own names they lack, in name order (case-insensitive).
std::vector<ItemLista> MezclarLista(std::vector<ItemLista> referencia, const QStringList& propios);
// Whether the reference list holds that name.
bool EsNombreReferencia(bool modoPelicula, const QString& nombre);

// Whether each entry (by name, case-insensitive) has own times.
std::vector<bool> TienenTiemposPropios(bool modoPelicula, const std::vector<ItemLista>& items);

QStringList LeerTemperaturasPropias(bool modoPelicula, const QString& nombre);
// One list, no text twice, in order of the number of degrees.
QStringList MezclarTemperaturas(const QStringList& referencia, const QStringList& propias);

// temperatura empty: every temperature. In the order of the grid: other side's name, then EI.
std::vector<TiempoPropio> LeerTiemposPropios(bool modoPelicula, const QString& nombre,
                                             const QString& temperatura);
std::optional<TiempoPropio> LeerTiempoPropio(qint64 id);
// The eight grid texts of an own row; its notes column carries the own code and the user's note.
QStringList TextosFila(const TiempoPropio& t, bool modoPelicula);
// Reference rows (already in grid order) and own rows of the same item, each own row placed after
// the reference rows of the same other side and EI.
std::vector<FilaTiempos> MezclarFilas(std::vector<QStringList> referencia,
                                      const std::vector<TiempoPropio>& propios, bool modoPelicula);
// The readable notes of an own row.
QString DescribirTiempoPropio(const TiempoPropio& t);

// A name as the user means it: no accents, one blank between words, any case.
QString PlegarNombre(const QString& nombre);
// The one rule for "the same own time", in the own-time dialog and in the import alike: film,
// developer, dilution, EI and temperature, each folded as PlegarNombre does. Equal keys are one
// entry in the user's eyes.
QString ClaveTiempoPropio(const TiempoPropio& t);

// Another stored own time with the same key.
std::optional<qint64> BuscarTiempoIgual(const TiempoPropio& t);
// Appends (id 0) or rewrites the time, and records as own the film and developer the reference
// list lacks, in one transaction. igual: the equal own time (BuscarTiempoIgual) the user chose to
// replace, in the same transaction: a new time takes its place, an edited one stays and the equal
// one goes. Returns the time's id.
qint64 GuardarTiempoPropio(const TiempoPropio& t, std::optional<qint64> igual = std::nullopt);
void BorrarTiempoPropio(qint64 id);
// Every own time, film and developer, in one transaction.
void BorrarTodosMisTiempos();

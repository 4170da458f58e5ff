#pragma once

#include "shell/Dialogos.h"

#include <QDateTime>
#include <QString>
#include <functional>

// The dated backup of both databases beside the program, with compacted copies.

// How one copy came out.
enum class EstadoCopia {
    Error,       // not copied, or the copy does not open and check sound
    Compactada,  // copied, compacted, checked
    SinCompactar // copied and checked; the compaction failed, so the copy is the larger original
};

struct ResultadoRespaldo {
    QString carpeta; // the backup folder, ending in a separator
    EstadoCopia referencia = EstadoCopia::Error;
    EstadoCopia notas = EstadoCopia::Error;
    QString errorReapertura; // what went wrong reopening the live databases; "" when both opened

    bool TodoBien() const {
        return referencia != EstadoCopia::Error && notas != EstadoCopia::Error && errorReapertura.isEmpty();
    }
};

// A text for the user and how it is shown.
struct MensajeCopia {
    QString texto;
    Icono icono = Icono::Informacion;
};

// The title of the command's dialogs.
QString TituloCopiaSeguridad();
// What the user is asked before anything is closed; the copy goes on only on "Sí".
MensajeCopia PreguntaCopiaSeguridad();
// The command once agreed: the folder named by momento, created, and both databases copied into it.
// A failed reopening goes to avisar at once. Returns the report the user is shown at the end.
MensajeCopia CopiarBasesDatos(const QDateTime& momento,
                              const std::function<void(const QString&)>& avisar = {});

// "respaldo_de_datos/YYMMDD HHMMSS/" beside the program, as a native path.
QString CarpetaRespaldo(const QDateTime& momento);
// Creates the root and the folder as needed; false when the folder is not there afterwards.
bool CrearCarpetaRespaldo(const QString& carpeta);

// Closes both databases, copies them into the existing folder, reopens them, then compacts and
// checks each copy. A failed reopening is passed to avisar at once, before the compaction.
ResultadoRespaldo RespaldarBases(const QString& carpeta,
                                 const std::function<void(const QString&)>& avisar = {});

// The final report: the folder, then one "OK" / "ERROR" line per file.
QString InformeRespaldo(const ResultadoRespaldo& resultado);

// The pieces, for tests and measurement.

// Overwrites an existing destination in one step; a failed or interrupted copy leaves the old
// destination as it was and no partial file in its place.
bool CopiarArchivo(const QString& origen, const QString& destino);
// Compacts copia through "~tmp_" + its name beside it, checks the result sound and puts it in the
// copy's place; clave keys the result as the source is keyed ("" for none). False, and the copy
// as it was, when anything fails.
bool CompactarCopia(const QString& copia, const QString& clave);
// The file opens (with clave) and its integrity check says ok.
bool CopiaSana(const QString& ruta, const QString& clave);
// AbrirBasesDatos; the message for the user ("" when both handles are open).
QString ReabrirBasesDatos();

#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

// One file of a document folder as the list shows it.
struct Documento {
    QString nombre; // with its extension, as shown (bytes that are not UTF-8 as U+FFFD)
    QString tipo;   // the extension in upper case, without the point
    QString tamano; // FormatoTamano of its length
    QString ruta;   // full path, its bytes kept (RutaDeBytes)
};

struct ListadoDocumentos {
    std::vector<Documento> documentos;
    // "N documentos", or the message for a folder that is not there.
    QString conteo;
};

// The accepted files of the folder carpetaDocs (relative to the program folder) whose lower-case
// name contains the filter (trimmed, lower case; empty lists them all): plain, visible files only,
// in name order.
ListadoDocumentos ListarDocumentos(const QString& carpetaDocs, const QString& filtro);

// How a document of an accepted type opens.
enum class ClaseDocumento { Ninguna, Pdf, Imagen };
ClaseDocumento ClaseDeTipo(const QString& tipo);

// "512 B", "1 KB", "5.2 MB" (the locale's decimal separator). 64-bit, so files past 2 GB are right.
QString FormatoTamano(qint64 bytes);

#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <vector>

// File names as the file system keeps them: bytes, not always valid UTF-8. Qt's own listings skip
// a name it cannot decode, so the program lists folders here and carries each path in a QString
// that keeps every byte: valid UTF-8 decodes as usual, and a byte that is not part of valid UTF-8
// becomes the lone low surrogate U+DC80 + (byte - 0x80), which valid UTF-8 never yields.

QString RutaDeBytes(const QByteArray& bytes);
// The real bytes of such a path.
QByteArray BytesDeRuta(const QString& ruta);
// True when the path holds bytes Qt's file classes cannot name (open it by BytesDeRuta).
bool RutaConBytesSueltos(const QString& ruta);
// What the user sees: each stray byte as the replacement character U+FFFD.
QString NombreVisible(const QString& nombre);

class QFile;
// Opens the file for reading by its real bytes; false when it cannot be.
bool AbrirParaLeer(QFile& archivo, const QString& ruta);

struct EntradaCarpeta {
    QString nombre;       // as RutaDeBytes keeps it
    bool carpeta = false; // a folder, or a link to one
    bool archivo = false; // a regular file, or a link to one
    bool enlace = false;
    qint64 tamano = 0;
    // The real folder or file (links followed), to tell one reached twice.
    quint64 dispositivo = 0;
    quint64 nodo = 0;
};

// Every entry of the folder but "." and "..", in no order; a broken link is neither file nor
// folder. Empty when the folder cannot be read.
std::vector<EntradaCarpeta> ListarCarpeta(const QString& carpeta);
// Whether the folder holds at least one folder (or link to one); reads no further than that.
bool TieneSubcarpetas(const QString& carpeta);
// The order of every list of names: the alphabetical order of the rest of the program.
bool NombreAntes(const QString& a, const QString& b);
// The path with "/" between it and the name unless it ends in one.
QString UnirRuta(const QString& carpeta, const QString& nombre);

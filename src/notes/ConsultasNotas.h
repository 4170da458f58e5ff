#pragma once

#include <QString>
#include <optional>
#include <vector>

// The personal notes of the NotesDb. While the NotesDb is closed every operation does nothing;
// an engine failure raises ErrorBD.

enum class OrdenNotas { Fecha, Titulo };

struct ItemNota {
    qint64 id = 0;
    QString texto; // "dd/mm/yyyy", two blanks, the title
};

struct Nota {
    qint64 id = 0;
    QString titulo;
    QString texto; // RTF, or plain text in older rows
};

// Newest first by date, or by title.
std::vector<ItemNota> ListarNotas(OrdenNotas orden);
std::optional<Nota> LeerNota(qint64 id);
// Rewrites title and body and returns the note's Id. A row that has vanished meanwhile (the notes
// were cleared while this one was open) is inserted anew, so the text survives: the Id returned is
// then the new one. 0 while the NotesDb is closed.
qint64 ActualizarNota(qint64 id, const QString& titulo, const QString& cuerpo);
// Adds a note dated now; returns its new Id, 0 while the NotesDb is closed.
qint64 InsertarNota(const QString& titulo, const QString& cuerpo);
// The note's date as "dd/mm/yyyy"; empty when no row has that id.
QString FechaNota(qint64 id);
void BorrarNota(qint64 id);

// The title as stored: trimmed, "(sin titulo)" when that leaves nothing.
QString TituloGuardado(const QString& titulo);
// A body is RTF when it starts with "{\rtf"; anything else is plain text.
bool EsRtf(const QString& cuerpo);

#pragma once

#include <QString>
#include <QVariant>
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
    // As stored. Set once when the note is first kept, so with the Id it tells this note from one that
    // took its Id in a file whose ids were reused (an older file, a restored copy).
    QVariant fecha;
    QString titulo;
    QString texto; // RTF, or plain text in older rows
};

// Newest first by date, or by title.
std::vector<ItemNota> ListarNotas(OrdenNotas orden);
std::optional<Nota> LeerNota(qint64 id);
// Rewrites title and body of the note with that Id and stored date (as LeerNota gave them) and returns
// its Id. When no such row is left (the notes were cleared while this one was open, whether or not
// another note has taken its Id since) the note is inserted anew, so the text survives and no other
// note is written over: the Id returned is then the new one. 0 while the NotesDb is closed.
qint64 ActualizarNota(qint64 id, const QVariant& fecha, const QString& titulo, const QString& cuerpo);
// Adds a note dated now; returns its new Id, 0 while the NotesDb is closed.
qint64 InsertarNota(const QString& titulo, const QString& cuerpo);
// The note's date as "dd/mm/yyyy"; empty when no row has that id.
QString FechaNota(qint64 id);
void BorrarNota(qint64 id);

// The title as stored: trimmed, "(sin titulo)" when that leaves nothing.
QString TituloGuardado(const QString& titulo);
// A body is RTF when it starts with "{\rtf"; anything else is plain text.
bool EsRtf(const QString& cuerpo);

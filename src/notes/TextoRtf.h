#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

class QTextDocument;

// The program's own RTF reader and writer for note bodies.

// Replaces the document's content with the RTF read: text, faces, sizes, bold, italic, underline,
// colours and paragraph alignment. It never fails: from malformed input (unbalanced braces, a
// truncated file, deep nesting, huge numbers) it reads what it can and keeps every character of
// text it found.
void LeerRtf(QStringView rtf, QTextDocument& documento);
// A file's bytes: characters outside escapes are Windows-1252.
void LeerRtf(const QByteArray& rtf, QTextDocument& documento);

// The code pages the reader decodes (document, face and character-set pages); a document in any
// other page is read as Windows-1252. Double-byte pages: 932, 936, 949, 950, 1361.
const QList<int>& CodigosPaginaRtf();

// The document as 7-bit RTF that word processors open: a font table of the faces used, a colour
// table, sizes in half points, characters beyond ASCII as \uN?.
QString EscribirRtf(const QTextDocument& documento);

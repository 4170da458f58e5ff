#pragma once

#include <QByteArray>
#include <QStringView>

class QTextDocument;

// The program's own RTF reader for note bodies.

// Replaces the document's content with the RTF read: text, faces, sizes, bold, italic, underline,
// colours and paragraph alignment. It never fails: from malformed input (unbalanced braces, a
// truncated file, deep nesting, huge numbers) it reads what it can and keeps every character of
// text it found.
void LeerRtf(QStringView rtf, QTextDocument& documento);
// A file's bytes: characters outside escapes are Windows-1252.
void LeerRtf(const QByteArray& rtf, QTextDocument& documento);

// The largest size read, in half points; larger ones are clamped (the writer keeps to it too, so
// what it writes reads back the same).
inline constexpr int kMediosPuntosMaximoRtf = 3276;

#pragma once

#include <QFontDatabase>
#include <QList>
#include <QString>

// Character set a font face gets: 2 for a symbol face, 0 for a text face, 1 when none is installed.
int CharsetFuente(const QString& nombreFuente);
// The mapping from the writing systems an installed face supports.
int CharsetDeSistemas(const QList<QFontDatabase::WritingSystem>& sistemas);

// Maps the faces the windows were designed with to installed free faces of the same widths, so
// that every caption fits where it is placed. The Windows faces are used when installed.
void InstalarSustitutos();

#pragma once

#include <QFontDatabase>
#include <QList>
#include <QString>

// Character set a font face gets: 2 for a symbol face, 0 for a text face, 1 when none is installed.
int CharsetFuente(const QString& nombreFuente);
// The mapping from the writing systems an installed face supports.
int CharsetDeSistemas(const QList<QFontDatabase::WritingSystem>& sistemas);

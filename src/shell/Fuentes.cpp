#include "shell/Fuentes.h"

#include <QFontDatabase>

int CharsetDeSistemas(const QList<QFontDatabase::WritingSystem>& sistemas) {
    // Symbol-only face: SYMBOL_CHARSET (2); any text face: ANSI_CHARSET (0).
    return sistemas == QList{QFontDatabase::Symbol} ? 2 : 0;
}

int CharsetFuente(const QString& nombreFuente) {
    const QString nombre = nombreFuente.trimmed();
    if (nombre.isEmpty() || !QFontDatabase::families().contains(nombre, Qt::CaseInsensitive))
        return 1;
    return CharsetDeSistemas(QFontDatabase::writingSystems(nombre));
}

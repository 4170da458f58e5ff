#include "shell/Fuentes.h"

#include "shell/Tema.h"

#include <QFont>
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

void InstalarSustitutos() {
    // Liberation matches Arial, Times New Roman and Courier New metric for metric; Segoe UI's
    // lowercase advances are within a few percent of Arial's, so it gets the same face.
    const struct {
        const QString& disenada;
        const char* libre;
    } sustitutos[] = {{Tema::FaceInterfaz, "Liberation Sans"},
                      {Tema::FaceSinSerifa, "Liberation Sans"},
                      {Tema::FaceSerifa, "Liberation Serif"},
                      {Tema::FaceFija, "Liberation Mono"}};
    const QStringList instaladas = QFontDatabase::families();
    for (const auto& s : sustitutos)
        if (!instaladas.contains(s.disenada, Qt::CaseInsensitive))
            QFont::insertSubstitution(s.disenada, QString::fromLatin1(s.libre));
}

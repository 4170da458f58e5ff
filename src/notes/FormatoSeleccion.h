#pragma once

#include <QColor>
#include <QString>

class QTextCursor;

// What the selection of a rich-text editor has in common; without a selection, the format at the
// cursor. Properties not set come from the document's default font.
struct FormatoSeleccion {
    double puntos = 0;    // 0 when the selection mixes sizes
    QString fuente;       // empty when it mixes faces
    bool negrita = false; // each style is on only when the whole selection has it
    bool cursiva = false;
    bool subrayado = false;
    QColor color; // invalid when the text has the automatic colour or the selection mixes colours
};

FormatoSeleccion LeerFormatoSeleccion(const QTextCursor& cursor);

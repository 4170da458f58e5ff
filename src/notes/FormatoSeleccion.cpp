#include "notes/FormatoSeleccion.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

struct Rasgos {
    double puntos;
    QString fuente;
    bool negrita, cursiva, subrayado;
    QColor color;
};

Rasgos Resolver(const QTextCharFormat& f, const QFont& base) {
    const QStringList familias = f.fontFamilies().toStringList();
    return {f.fontPointSize() > 0 ? f.fontPointSize() : base.pointSizeF(),
            familias.isEmpty() || familias.first().isEmpty() ? base.family() : familias.first(),
            f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() >= QFont::DemiBold : base.bold(),
            f.fontItalic(),
            f.fontUnderline(),
            f.foreground().style() != Qt::NoBrush ? f.foreground().color() : QColor()};
}

} // namespace

FormatoSeleccion LeerFormatoSeleccion(const QTextCursor& cursor) {
    const QTextDocument* doc = cursor.document();
    const QFont base = doc ? doc->defaultFont() : QFont();
    if (!cursor.hasSelection()) {
        const Rasgos r = Resolver(cursor.charFormat(), base);
        return {r.puntos, r.fuente, r.negrita, r.cursiva, r.subrayado, r.color};
    }
    const int inicio = cursor.selectionStart(), fin = cursor.selectionEnd();
    FormatoSeleccion s;
    bool primero = true;
    for (QTextBlock b = doc->findBlock(inicio); b.isValid() && b.position() < fin; b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            if (!fr.isValid() || fr.position() >= fin || fr.position() + fr.length() <= inicio)
                continue;
            const Rasgos r = Resolver(fr.charFormat(), base);
            if (primero) {
                s = {r.puntos, r.fuente, r.negrita, r.cursiva, r.subrayado, r.color};
                primero = false;
                continue;
            }
            if (s.puntos != r.puntos)
                s.puntos = 0;
            if (s.fuente != r.fuente)
                s.fuente.clear();
            s.negrita = s.negrita && r.negrita;
            s.cursiva = s.cursiva && r.cursiva;
            s.subrayado = s.subrayado && r.subrayado;
            if (s.color != r.color)
                s.color = QColor();
        }
    }
    return s;
}

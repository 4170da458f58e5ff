#pragma once

#include <QString>

// Text nobody types every day: emoji (surrogate pairs, a flag), Hebrew and Arabic, a direction
// override, a combining accent, control characters, a no-break and a zero-width space; `largo` UTF-16 units,
// starting and ending with "x" so that trimming has nothing to take. With `lineas`, a line break
// every 500 units.
inline QString TextoExtrano(qsizetype largo = 10000, bool lineas = false) {
    const QString trozo =
        QStringLiteral("Foma 📷 \u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627 \u202e"
                       "al rev\u00e9s\u202c e\u0301 \u0001\u0007\u001b\t\u00a0\u200b🇪🇸 ");
    QString texto;
    while (texto.size() < largo)
        texto += trozo;
    texto = u"x" + texto.left(largo - 2) + u"x";
    if (lineas)
        for (qsizetype i = 500; i < texto.size() - 1; i += 500)
            texto[i] = u'\n';
    // A cut must not leave half of a surrogate pair.
    for (qsizetype i = 0; i < texto.size(); ++i)
        if (texto[i].isHighSurrogate() && (i + 1 == texto.size() || !texto[i + 1].isLowSurrogate()))
            texto[i] = u'y';
        else if (texto[i].isLowSurrogate() && (i == 0 || !texto[i - 1].isHighSurrogate()))
            texto[i] = u'y';
    return texto;
}

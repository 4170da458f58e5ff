#include "devtimes/BorradorTiempoPropio.h"

namespace {
const QString kPrefijo = QStringLiteral("TiempoPropio/");

// The labels, in order; the note is last and may hold several lines.
struct Etiquetado {
    const char16_t* etiqueta;
    QString TiempoPropio::*campo;
};
const Etiquetado kCampos[] = {
    {u"Película: ", &TiempoPropio::pelicula},   {u"Revelador: ", &TiempoPropio::revelador},
    {u"Dilución: ", &TiempoPropio::dilucion},   {u"EI: ", &TiempoPropio::ei},
    {u"35 mm: ", &TiempoPropio::tiempo35},      {u"120: ", &TiempoPropio::tiempo120},
    {u"Hoja: ", &TiempoPropio::tiempoHoja},     {u"Temperatura: ", &TiempoPropio::temperatura},
    {u"Agitación: ", &TiempoPropio::agitacion}, {u"Nota: ", &TiempoPropio::nota},
};
} // namespace

QString DestinoTiempoPropio(qint64 id) {
    return kPrefijo + (id > 0 ? QString::number(id) : QStringLiteral("nuevo"));
}

QString TextoBorradorTiempo(const TiempoPropio& t) {
    QStringList lineas;
    for (const Etiquetado& c : kCampos) {
        // One line per field but the note: a line break typed into a field would shift the rest.
        QString valor = t.*c.campo;
        if (c.campo != &TiempoPropio::nota)
            valor.replace(u'\n', u' ').replace(u'\r', u' ');
        lineas << QString::fromUtf16(c.etiqueta) + valor;
    }
    return lineas.join(u'\n');
}

std::optional<TiempoPropio> TiempoDeBorrador(const QString& destino, const QString& texto) {
    if (!destino.startsWith(kPrefijo))
        return std::nullopt;
    TiempoPropio t;
    const QString id = destino.mid(kPrefijo.size());
    if (id != u"nuevo") {
        bool ok = false;
        t.id = id.toLongLong(&ok);
        if (!ok || t.id <= 0)
            return std::nullopt;
    }
    QString resto = texto;
    for (const Etiquetado& c : kCampos) {
        const QString etiqueta = QString::fromUtf16(c.etiqueta);
        if (!resto.startsWith(etiqueta))
            return std::nullopt;
        resto = resto.mid(etiqueta.size());
        const qsizetype fin = c.campo == &TiempoPropio::nota ? resto.size() : resto.indexOf(u'\n');
        if (fin < 0)
            return std::nullopt;
        t.*c.campo = resto.left(fin);
        resto = resto.mid(fin + 1);
    }
    return t;
}

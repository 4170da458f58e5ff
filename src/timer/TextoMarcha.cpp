#include "timer/TextoMarcha.h"

#include "calculators/CompensacionTemp.h"

#include <algorithm>

int SegundosArriba(qint64 ms) {
    return int((std::max<qint64>(0, ms) + 999) / 1000);
}

QString TextoProximo(const Posicion& p, qint64 transcurrido) {
    if (!p.proximo)
        return QString();
    const QString falta = FormatoMinSeg(SegundosArriba(p.proximo->ms - transcurrido));
    switch (p.proximo->tipo) {
    case TipoEvento::Agitar:
        return u"Agitar en " + falta;
    case TipoEvento::FinAgitacion:
        return u"Agitando: parar en " + falta;
    case TipoEvento::FinEtapa:
        return (p.agitando ? QStringLiteral("Agitando: ") : QString()) + u"Fin de " +
               NombreEtapa(p.etapa).toLower() + u" en " + falta;
    }
    return QString();
}

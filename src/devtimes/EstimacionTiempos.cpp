#include "devtimes/EstimacionTiempos.h"

#include "calculators/CompensacionTemp.h"
#include "shell/Numeros.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kColIso = 2, kColPrimerTiempo = 3, kColUltimoTiempo = 5, kColTemperatura = 6, kColNotas = 7;
constexpr int kAgitacionNormal = 1;
// EIs closer than this (in stops) are the same EI.
constexpr double kMismoEi = 1e-6;

double Pasos(double desde, double hasta) {
    return std::log2(hasta / desde);
}

QString TextoEi(double ei) {
    return ei == std::floor(ei) ? QString::number(qint64(ei))
                                : QString::number(ei, 'g', 6).replace(u'.', u',');
}

QString Punto(const PuntoEscala& p) {
    return u"ISO " + TextoEi(p.ei) + u" (" + TextoTiempo(p.segundos) + u')';
}

// A part of a stop as a photographer says it: thirds and halves by name.
QString TextoPasos(double pasos) {
    for (const auto& [valor, texto] : {std::pair{1.0 / 3, u"1/3 de paso"}, std::pair{0.5, u"1/2 paso"},
                                       std::pair{2.0 / 3, u"2/3 de paso"}, std::pair{1.0, u"1 paso"}})
        if (std::abs(pasos - valor) < 0.03)
            return QString::fromUtf16(texto);
    return FormatoNumero(pasos, u"0.0").replace(u'.', u',') + u" de paso";
}

// log time is linear in stops between two points.
double Interpolar(const PuntoEscala& a, const PuntoEscala& b, double ei) {
    const double f = Pasos(a.ei, ei) / Pasos(a.ei, b.ei);
    return std::exp(std::log(a.segundos) + f * (std::log(b.segundos) - std::log(a.segundos)));
}

QString Hoja(const QString& hoja) {
    return u" de la hoja [" + hoja + u']';
}

// Whole degrees without decimals, as the sheets write them; otherwise one decimal.
QString NumeroGrados(double grados) {
    const double decimas = std::round(grados * 10);
    return std::fmod(decimas, 10) == 0 ? QString::number(qint64(decimas / 10))
                                       : QString::number(decimas / 10, 'f', 1).replace(u'.', u',');
}

QString TextoGrados(double grados) {
    return NumeroGrados(grados) + u" °C";
}

bool MismaCombinacion(const QStringList& a, const QStringList& b, bool mismaTemperatura, bool mismoIso) {
    // Views, not copies: a ladder is looked for among every row of the item.
    auto igual = [&](int c) {
        return c < a.size() && c < b.size() &&
               QStringView(a[c]).trimmed().compare(QStringView(b[c]).trimmed(), Qt::CaseInsensitive) == 0;
    };
    return igual(0) && igual(1) && (!mismaTemperatura || igual(kColTemperatura)) &&
           (!mismoIso || igual(kColIso)) && HojaDeFila(a) == HojaDeFila(b);
}

} // namespace

// The sheet of a row that can be estimated from; empty, with the reason, for any other.
static QString HojaEstimable(const std::vector<QStringList>& filas, size_t fila, QString* motivo) {
    const QString hoja = fila < filas.size() ? HojaDeFila(filas[fila]) : QString();
    if (hoja.isEmpty() && motivo)
        *motivo = QStringLiteral("Sin estimación: la fila no sale de una hoja del fabricante.");
    return hoja;
}

bool TieneMeseta(const std::vector<PuntoEscala>& escala) {
    for (size_t i = 0; i + 1 < escala.size(); ++i)
        for (size_t j = i + 1; j < escala.size(); ++j)
            if (escala[i].segundos == escala[j].segundos &&
                std::abs(Pasos(escala[i].ei, escala[j].ei)) > kMismoEi)
                return true;
    return false;
}

Estimacion EstimarPorEi(std::vector<PuntoEscala> escala, double ei, const QString& hoja) {
    Estimacion r;
    std::erase_if(escala, [](const PuntoEscala& p) {
        return !(p.ei > 0 && p.segundos > 0 && std::isfinite(p.ei) && std::isfinite(p.segundos));
    });
    std::sort(escala.begin(), escala.end(),
              [](const PuntoEscala& a, const PuntoEscala& b) { return a.ei < b.ei; });
    const QString pedido = u"ISO " + TextoEi(ei);
    if (!(ei > 0) || !std::isfinite(ei)) {
        r.texto = u"Sin estimación: " + pedido + u" no es un índice de exposición.";
        return r;
    }
    for (const PuntoEscala& p : escala)
        if (std::abs(Pasos(p.ei, ei)) < kMismoEi) {
            r.texto = pedido + u" ya figura en la hoja [" + hoja + u"]: " + TextoTiempo(p.segundos) + u'.';
            return r;
        }
    for (size_t i = 0; i + 1 < escala.size(); ++i)
        if (Pasos(escala[i].ei, escala[i + 1].ei) < kMismoEi) {
            r.texto = u"Sin estimación: la hoja [" + hoja + u"] da dos tiempos a ISO " +
                      TextoEi(escala[i].ei) + u'.';
            return r;
        }
    if (escala.size() < 2) {
        r.texto = u"Sin estimación: la hoja [" + hoja + u"] da un solo ISO para esta combinación.";
        return r;
    }
    for (size_t i = 0; i + 1 < escala.size(); ++i)
        for (size_t j = i + 1; j < escala.size(); ++j)
            if (escala[i].segundos == escala[j].segundos) {
                r.texto = u"Sin estimación: la hoja [" + hoja + u"] da el mismo tiempo a ISO " +
                          TextoEi(escala[i].ei) + u" y a ISO " + TextoEi(escala[j].ei) +
                          u"; entre sus ISO el tiempo no sigue una curva que se pueda interpolar.";
                return r;
            }
    const PuntoEscala& menor = escala.front();
    const PuntoEscala& mayor = escala.back();
    if (ei < menor.ei) {
        r.texto = u"Sin estimación: " + pedido + u" está por debajo del menor ISO de la hoja [" + hoja +
                  u"] (" + Punto(menor) + u"), y hacia abajo no se extrapola.";
        return r;
    }
    if (ei > mayor.ei) {
        const double pasos = Pasos(mayor.ei, ei);
        if (pasos > 1 + kMismoEi) {
            r.texto = u"Sin estimación: " + pedido + u" está a " +
                      TextoPasos(pasos).replace(QStringLiteral("de paso"), QStringLiteral("pasos")) +
                      u" del mayor ISO de la hoja [" + hoja + u"] (" + Punto(mayor) +
                      u"); solo se extrapola hasta 1 paso.";
            return r;
        }
        const PuntoEscala& previo = escala[escala.size() - 2];
        r.segundos = Interpolar(previo, mayor, ei);
        r.texto = u"Extrapolado " + TextoPasos(pasos) + u" más allá de " + Punto(mayor) + Hoja(hoja) +
                  u", siguiendo el tramo desde " + Punto(previo) + u" en escala logarítmica";
        return r;
    }
    for (size_t i = 0; i + 1 < escala.size(); ++i)
        if (ei < escala[i + 1].ei) {
            r.segundos = Interpolar(escala[i], escala[i + 1], ei);
            r.texto = u"Estimado entre " + Punto(escala[i]) + u" e " + Punto(escala[i + 1]) + Hoja(hoja) +
                      u", interpolación en escala logarítmica";
            break;
        }
    return r;
}

int FamiliaRevelador(const QString& nombre) {
    const QString n = nombre.toLower();
    for (const char16_t* c : {u"hc-110", u"ilfotec hc", u"rodinal", u"r09", u"r 09"})
        if (n.contains(QString::fromUtf16(c)))
            return 1;
    for (const char16_t* c : {u"microdol", u"perceptol"})
        if (n.contains(QString::fromUtf16(c)))
            return 2;
    return 0;
}

std::optional<Compensacion> CompensarTemperatura(const std::vector<double>& listadas, double grados,
                                                 int familia, const QString& hoja, QString* motivo) {
    const QString pedida = TextoGrados(grados);
    auto sin = [&](const QString& texto) -> std::optional<Compensacion> {
        if (motivo)
            *motivo = u"Sin estimación: " + texto;
        return std::nullopt;
    };
    if (!(grados >= 10 && grados <= 30))
        return sin(pedida + u" está fuera de la compensación por temperatura (de 10 a 30 °C).");
    std::optional<double> cercana;
    for (const double t : listadas)
        if (std::isfinite(t) && (!cercana || std::abs(t - grados) < std::abs(*cercana - grados) ||
                                 (std::abs(t - grados) == std::abs(*cercana - grados) && t < *cercana)))
            cercana = t;
    if (!cercana)
        return sin(u"la hoja [" + hoja + u"] no da temperatura para esta combinación.");
    if (std::abs(*cercana - grados) < 1e-9) {
        if (motivo)
            *motivo = pedida + u" ya figura en la hoja [" + hoja + u"].";
        return std::nullopt;
    }
    if (std::abs(*cercana - grados) > kMaxSaltoTemperatura + 1e-9)
        return sin(pedida + u" está a más de " + NumeroGrados(kMaxSaltoTemperatura) +
                   u" grados de la temperatura más cercana de la hoja [" + hoja + u"] (" +
                   TextoGrados(*cercana) + u").");
    Compensacion c;
    c.base = *cercana;
    c.factor = FactorCompensacion(kFormulaQ10, c.base, grados, familia, kAgitacionNormal);
    c.texto = u"Compensado de " + TextoGrados(c.base) + Hoja(hoja) + u" a " + pedida + u" con Q10 " +
              FormatoNumero(Q10Efectivo(familia, kAgitacionNormal), u"0.0").replace(u'.', u',') + u" (" +
              QString::fromUtf16(kReveladores[size_t(familia)].titulo) + u", agitación normal): factor ×" +
              FormatoNumero(c.factor, u"0.000").replace(u'.', u',');
    return c;
}

QString SinMarcaEstimado(const QString& tiempo) {
    const QString t = tiempo.trimmed();
    return t.startsWith(kMarcaEstimado) ? t.mid(kMarcaEstimado.size()).trimmed() : tiempo;
}

QString HojaDeFila(const QStringList& fila) {
    static const QRegularExpression codigo(QStringLiteral("\\[([^\\]]*)\\]"));
    const auto m = codigo.match(fila.value(kColNotas));
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

std::vector<double> EisDeTexto(const QString& iso) {
    static const QRegularExpression forma(QStringLiteral("^\\s*(\\d+)\\s*(?:/\\s*(\\d+)\\s*)?$"));
    const auto m = forma.match(iso);
    std::vector<double> eis;
    for (int i = 1; m.hasMatch() && i <= 2; ++i)
        if (const double ei = m.captured(i).toDouble(); ei > 0)
            eis.push_back(ei);
    return eis;
}

std::optional<int> SegundosDeTiempo(const QString& tiempo) {
    static const QRegularExpression forma(QStringLiteral("^\\s*(\\d{1,3}):([0-5]\\d)\\s*$"));
    const auto m = forma.match(tiempo);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toInt() * 60 + m.captured(2).toInt();
}

QString TextoTiempo(double segundos) {
    const int s = std::max(1, RedondearEntero(segundos));
    return QString::number(s / 60) + u':' + QString::number(s % 60).rightJustified(2, u'0');
}

std::vector<PuntoEscala> EscalaDeFila(const std::vector<QStringList>& filas, size_t fila, int columna) {
    std::vector<PuntoEscala> escala;
    if (fila >= filas.size() || HojaDeFila(filas[fila]).isEmpty())
        return escala;
    for (const QStringList& f : filas) {
        if (!MismaCombinacion(f, filas[fila], true, false))
            continue;
        const auto s = SegundosDeTiempo(f.value(columna));
        for (const double ei : s ? EisDeTexto(f.value(kColIso)) : std::vector<double>())
            escala.push_back({ei, double(*s)});
    }
    return escala;
}

std::optional<double> NumeroTecleado(const QString& texto, double minimo, double maximo) {
    static const QRegularExpression forma(QStringLiteral("^\\s*\\d+(?:[.,]\\d+)?\\s*$"));
    if (!forma.match(texto).hasMatch())
        return std::nullopt;
    const double v = QString(texto).replace(u',', u'.').trimmed().toDouble();
    return v >= minimo && v <= maximo ? std::optional(v) : std::nullopt;
}

std::optional<FilaEstimada> EstimarFilaEi(const std::vector<QStringList>& filas, size_t fila, double ei,
                                          QString* motivo) {
    const QString hoja = HojaEstimable(filas, fila, motivo);
    if (hoja.isEmpty())
        return std::nullopt;
    FilaEstimada r;
    r.textos = filas[fila];
    r.textos[kColIso] = TextoEi(ei);
    r.textos[kColNotas] = u"Estimado [" + hoja + u']';
    QStringList explicaciones, motivos;
    QString primerMotivo;
    static const char16_t* const kFormatos[] = {u"35 mm", u"120", u"Hoja"};
    bool alguna = false;
    for (int c = kColPrimerTiempo; c <= kColUltimoTiempo; ++c) {
        r.textos[c].clear();
        if (filas[fila].value(c).trimmed().isEmpty())
            continue;
        Estimacion e;
        if (SegundosDeTiempo(filas[fila].value(c)))
            e = EstimarPorEi(EscalaDeFila(filas, fila, c), ei, hoja);
        else
            e.texto = u"Sin estimación: la hoja da un intervalo («" + filas[fila].value(c).trimmed() +
                      u"»), no un tiempo que se pueda interpolar.";
        const QString formato = QString::fromUtf16(kFormatos[c - kColPrimerTiempo]);
        if (e.segundos) {
            alguna = true;
            r.textos[c] = kMarcaEstimado + TextoTiempo(*e.segundos);
            if (!explicaciones.contains(e.texto))
                explicaciones << e.texto;
        } else {
            primerMotivo = primerMotivo.isEmpty() ? e.texto : primerMotivo;
            motivos << formato + u": " + e.texto;
        }
    }
    if (!alguna) {
        if (motivo)
            *motivo = primerMotivo.isEmpty() ? QStringLiteral("Sin estimación: la fila no da tiempos.")
                                             : primerMotivo;
        return std::nullopt;
    }
    r.metodo = explicaciones.join(u".\n") + u'.';
    if (!motivos.isEmpty())
        r.metodo += u'\n' + motivos.join(u'\n');
    return r;
}

std::optional<FilaEstimada> EstimarFilaTemperatura(const std::vector<QStringList>& filas, size_t fila,
                                                   double grados, const QString& revelador, QString* motivo) {
    const QString hoja = HojaEstimable(filas, fila, motivo);
    if (hoja.isEmpty())
        return std::nullopt;
    // The same combination at each temperature the sheet lists.
    std::vector<double> listadas;
    std::vector<size_t> filaDe;
    for (size_t i = 0; i < filas.size(); ++i)
        if (MismaCombinacion(filas[i], filas[fila], false, true))
            if (const auto t = NumeroTecleado(filas[i].value(kColTemperatura), 0, 100)) {
                listadas.push_back(*t);
                filaDe.push_back(i);
            }
    const auto c = CompensarTemperatura(listadas, grados, FamiliaRevelador(revelador), hoja, motivo);
    if (!c)
        return std::nullopt;
    const QStringList& base =
        filas[filaDe[size_t(std::find(listadas.begin(), listadas.end(), c->base) - listadas.begin())]];
    FilaEstimada r;
    r.textos = base;
    r.textos[kColTemperatura] = NumeroGrados(grados);
    r.textos[kColNotas] = u"Estimado [" + hoja + u']';
    for (int col = kColPrimerTiempo; col <= kColUltimoTiempo; ++col) {
        // A range printed by the maker is compensated at both ends; what is not a time stays out.
        QStringList partes = base.value(col).split(u'-');
        bool tiempos = !base.value(col).trimmed().isEmpty();
        for (QString& p : partes) {
            const auto s = SegundosDeTiempo(p);
            tiempos = tiempos && s.has_value();
            p = s ? TextoTiempo(*s * c->factor) : p;
        }
        r.textos[col] = tiempos ? kMarcaEstimado + partes.join(u'-') : QString();
    }
    QStringList listados;
    for (int col = kColPrimerTiempo; col <= kColUltimoTiempo; ++col)
        if (!base.value(col).trimmed().isEmpty())
            listados << base.value(col).trimmed();
    r.metodo = c->texto + u" sobre " + listados.join(u" / ") + u'.';
    return r;
}

size_t PosicionEstimada(const std::vector<QStringList>& filas, const QStringList& estimada) {
    const double ei = LeerNumeroInicial(estimada.value(kColIso));
    std::optional<size_t> primera, despues;
    for (size_t i = 0; i < filas.size(); ++i) {
        if (filas[i].value(0).trimmed().compare(estimada.value(0).trimmed(), Qt::CaseInsensitive) != 0)
            continue;
        primera = primera.value_or(i);
        if (LeerNumeroInicial(filas[i].value(kColIso)) <= ei)
            despues = i + 1;
    }
    return despues.value_or(primera.value_or(filas.size()));
}

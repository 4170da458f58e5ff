#include "devtimes/FormularioTiempoPropio.h"

#include "shell/Numeros.h"

#include <QRegularExpression>
#include <cmath>

namespace {

constexpr int kMaxMinutos = 600;

bool TieneControl(const QString& texto) {
    for (QChar c : texto)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

// A plain decimal with a comma or a point, nothing else around it.
std::optional<double> Decimal(const QString& texto) {
    static const QRegularExpression forma(QStringLiteral("^\\d{1,4}([.,]\\d{1,3})?$"));
    if (!forma.match(texto).hasMatch())
        return std::nullopt;
    return LeerNumeroInicial(texto, true);
}

} // namespace

std::optional<QString> NormalizarTiempo(const QString& texto) {
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return QString();
    int segundos = 0;
    static const QRegularExpression mmss(QStringLiteral("^(\\d{1,3}):([0-5]\\d)$"));
    if (const auto m = mmss.match(t); m.hasMatch()) {
        segundos = m.captured(1).toInt() * 60 + m.captured(2).toInt();
    } else if (const auto minutos = Decimal(t)) {
        segundos = RedondearEntero(*minutos * 60);
    } else {
        return std::nullopt;
    }
    if (segundos <= 0 || segundos > kMaxMinutos * 60)
        return std::nullopt;
    return QStringLiteral("%1:%2").arg(segundos / 60).arg(segundos % 60, 2, 10, QLatin1Char('0'));
}

std::optional<QString> NormalizarTemperatura(const QString& texto) {
    QString t = texto.trimmed();
    static const QRegularExpression unidad(QStringLiteral("\\s*[°º]?\\s*[cC]?$"));
    t.remove(unidad);
    const auto grados = Decimal(t);
    if (!grados || *grados < 1 || *grados > 60)
        return std::nullopt;
    const double decimas = RedondearPar(*grados * 10) / 10;
    if (decimas == std::floor(decimas))
        return QString::number(int(decimas));
    return QString::number(decimas, 'f', 1).replace(u'.', u',');
}

std::variant<TiempoPropio, CampoInvalido> ValidarTiempoPropio(const TiempoPropio& escrito) {
    TiempoPropio t = escrito;
    auto texto = [](const QString& campo, QString& valor, int maximo,
                    bool obligatorio) -> std::optional<CampoInvalido> {
        valor = valor.trimmed();
        if (obligatorio && valor.isEmpty())
            return CampoInvalido{campo, u"Escriba " + campo + u'.'};
        if (valor.size() > maximo)
            return CampoInvalido{
                campo,
                campo +
                    QStringLiteral(": admite hasta %1 caracteres; tiene %2.").arg(maximo).arg(valor.size())};
        if (TieneControl(valor))
            return CampoInvalido{campo, campo + u": tiene caracteres de control; escríbalo de nuevo."};
        return std::nullopt;
    };
    if (auto e = texto(QStringLiteral("Película"), t.pelicula, kMaxNombrePropio, true))
        return *e;
    if (auto e = texto(QStringLiteral("Revelador"), t.revelador, kMaxNombrePropio, true))
        return *e;
    if (auto e = texto(QStringLiteral("Dilución"), t.dilucion, kMaxCampoCorto, true))
        return *e;
    t.ei = t.ei.trimmed();
    static const QRegularExpression entero(QStringLiteral("^\\d{1,6}$"));
    if (!entero.match(t.ei).hasMatch() || t.ei.toInt() < 1)
        return CampoInvalido{QStringLiteral("EI"),
                             QStringLiteral("EI: escriba la sensibilidad como un número entero, "
                                            "por ejemplo 400.")};
    t.ei = QString::number(t.ei.toInt());
    struct Tiempo {
        const char* campo;
        QString* valor;
    };
    for (const Tiempo& tiempo :
         {Tiempo{"35 mm", &t.tiempo35}, Tiempo{"120", &t.tiempo120}, Tiempo{"Hoja", &t.tiempoHoja}}) {
        const QString campo = QString::fromUtf8(tiempo.campo);
        const auto normal = NormalizarTiempo(*tiempo.valor);
        if (!normal)
            return CampoInvalido{campo,
                                 campo + QStringLiteral(": escriba minutos y segundos (8:30) o minutos "
                                                        "con decimales (8,5), hasta %1 minutos.")
                                             .arg(kMaxMinutos)};
        *tiempo.valor = *normal;
    }
    if (t.tiempo35.isEmpty() && t.tiempo120.isEmpty() && t.tiempoHoja.isEmpty())
        return CampoInvalido{QStringLiteral("35 mm"),
                             QStringLiteral("Escriba al menos un tiempo: 35 mm, 120 u Hoja.")};
    const auto temperatura = NormalizarTemperatura(t.temperatura);
    if (!temperatura)
        return CampoInvalido{
            QStringLiteral("Temperatura"),
            QStringLiteral(
                "Temperatura: escriba los grados centígrados, de 1 a 60 (por ejemplo 20 o 20,5).")};
    t.temperatura = *temperatura;
    if (auto e = texto(QStringLiteral("Agitación"), t.agitacion, kMaxCampoCorto, false))
        return *e;
    // The note may have line breaks and tabs; other control characters are refused like elsewhere.
    if (t.nota.size() > kMaxNotaPropia)
        return CampoInvalido{QStringLiteral("Nota"),
                             QStringLiteral("Nota: admite hasta %1 caracteres; tiene %2.")
                                 .arg(kMaxNotaPropia)
                                 .arg(t.nota.size())};
    if (TieneControl(QString(t.nota).remove(u'\n').remove(u'\t')))
        return CampoInvalido{QStringLiteral("Nota"),
                             QStringLiteral("Nota: tiene caracteres de control; escríbala de nuevo.")};
    return t;
}

TiempoPropio CopiaDeReferencia(const TiempoPropio& fila) {
    TiempoPropio t = fila;
    QStringList dichos;
    static const QRegularExpression par(QStringLiteral("^\\s*(\\d+)\\s*/\\s*\\d+\\s*$"));
    if (const auto m = par.match(t.ei); m.hasMatch()) {
        dichos << u"EI " + t.ei.trimmed() + u" (se copia " + m.captured(1) + u')';
        t.ei = m.captured(1);
    }
    static const QRegularExpression rango(QStringLiteral("^\\s*([^-\\s]+)\\s*-\\s*([^-\\s]+)\\s*$"));
    for (auto [campo, valor] : {std::pair{"35 mm", &t.tiempo35}, std::pair{"120", &t.tiempo120},
                                std::pair{"Hoja", &t.tiempoHoja}}) {
        const auto m = rango.match(*valor);
        if (!m.hasMatch() || !NormalizarTiempo(m.captured(1)) || !NormalizarTiempo(m.captured(2)))
            continue;
        dichos << QString::fromUtf8(campo) + u' ' + valor->trimmed() + u" (se copia " + m.captured(1) + u')';
        *valor = m.captured(1);
    }
    if (!dichos.isEmpty()) {
        const QString nota = u"Según la referencia: " + dichos.join(QStringLiteral("; ")) + u'.';
        t.nota = t.nota.trimmed().isEmpty() ? nota : t.nota + u'\n' + nota;
    }
    return t;
}

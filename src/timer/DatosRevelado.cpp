#include "timer/DatosRevelado.h"

#include "calculators/CompensacionTemp.h"
#include "shell/Numeros.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

const QString& NombreFormato(int formato) {
    static const QString nombres[kNumFormatos] = {QStringLiteral("35 mm"), QStringLiteral("120"),
                                                  QStringLiteral("Hoja")};
    return nombres[std::clamp(formato, 0, kNumFormatos - 1)];
}

std::optional<int> SegundosTiempo(QStringView texto) {
    static const QRegularExpression minSeg(QStringLiteral("^\\s*(\\d{1,3}):([0-5]\\d)"));
    // The number must end where the three digits do: "99999999" is no time.
    static const QRegularExpression minutos(QStringLiteral("^\\s*(\\d{1,3}([.,]\\d+)?)(?![\\d.,:])"));
    if (const auto m = minSeg.match(texto.toString()); m.hasMatch())
        return m.capturedView(1).toInt() * 60 + m.capturedView(2).toInt();
    if (const auto m = minutos.match(texto.toString()); m.hasMatch()) {
        const int s = RedondearEntero(LeerNumeroInicial(m.capturedView(1), true) * 60);
        if (s > 0)
            return s;
    }
    return std::nullopt;
}

TiempoTecleado LeerTiempoTecleado(QStringView texto) {
    static const QRegularExpression minSeg(QStringLiteral("^\\s*(\\d+):(\\d\\d)\\s*$"));
    static const QRegularExpression minutos(QStringLiteral("^\\s*(\\d+)([.,]\\d+)?\\s*$"));
    const QString demasiado = u"pasa del máximo, " + FormatoMinSeg(kSegundosMaximos) + u" (24 h)";
    // Digits beyond these are past the maximum whatever they say.
    constexpr int kCifras = 6;
    double segundos = 0;
    if (const auto m = minSeg.match(texto.toString()); m.hasMatch()) {
        if (m.capturedLength(1) > kCifras)
            return {std::nullopt, demasiado};
        if (m.capturedView(2).toInt() > 59)
            return {std::nullopt, QStringLiteral("los segundos van de 00 a 59")};
        segundos = m.capturedView(1).toInt() * 60.0 + m.capturedView(2).toInt();
    } else if (const auto n = minutos.match(texto.toString()); n.hasMatch()) {
        if (n.capturedLength(1) > kCifras)
            return {std::nullopt, demasiado};
        segundos = LeerNumeroInicial(n.captured(0), true) * 60;
    } else {
        return {std::nullopt, QStringLiteral("escriba 9:30 o 9,5")};
    }
    if (segundos > kSegundosMaximos)
        return {std::nullopt, demasiado};
    return {RedondearEntero(segundos), QString()};
}

DatosRevelado DatosDeFila(const QString& pelicula, const QString& revelador, const QString& dilucion,
                          const QString& ei, const std::array<QString, kNumFormatos>& tiempos,
                          const QString& temperatura) {
    DatosRevelado d{pelicula.trimmed(), revelador.trimmed(), dilucion.trimmed(), ei.trimmed(), {}, 200};
    for (int f = 0; f < kNumFormatos; ++f)
        d.segundos[f] = SegundosTiempo(tiempos[f]);
    if (const auto decimas = DecimasTecleadas(temperatura))
        d.decimasBase = *decimas;
    return d;
}

int PrimerFormato(const DatosRevelado& d) {
    for (int f = 0; f < kNumFormatos; ++f)
        if (d.segundos[f])
            return f;
    return -1;
}

Correccion CorregirTiempo(int segundosBase, int decimasBase, int decimasBano, int formula, int revelador,
                          int agitacion) {
    const auto r =
        CalcularCompensacion({formula, decimasBase, decimasBano, revelador, agitacion,
                              QString::number(segundosBase / 60), QString::number(segundosBase % 60)});
    Correccion c{r.segundos, r.factor, r.lineaFactor, r.error};
    // The calculator's time boxes stop at 60:59; longer (stand) times take the same factor.
    if (!r.error && segundosBase > 60 * 60 + 59)
        c.segundos = std::max(1, RedondearEntero(segundosBase * r.factor));
    return c;
}

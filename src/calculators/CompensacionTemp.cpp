#include "calculators/CompensacionTemp.h"

#include "shell/Numeros.h"

#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

const std::array<OpcionCompensacion, 2> kFormulas{{
    {u"Regla 7\u00B0 / Arrhenius  (Orvande)", u"Regla7", 0},
    {u"Q10 / Ilford", u"Q10", 1},
}};

const std::array<OpcionCompensacion, 5> kReveladores{{
    {u"D-76 / ID-11 / Xtol", u"D76", 2.0},
    {u"HC-110 / Rodinal", u"HC110", 2.2},
    {u"Microdol / Perceptol", u"Microdol", 1.8},
    {u"Alta fineza (diluido)", u"AltaFineza", 2.4},
    {u"T\u00E1nico / PQ", u"Tanico", 1.9},
}};

const std::array<OpcionCompensacion, 3> kAgitaciones{{
    {u"Suave (30s/3min)", u"", 0.93},
    {u"Normal (10s/min)", u"", 1.0},
    {u"Continua (rot.)", u"", 1.08},
}};

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

template <std::size_t N> double Valor(const std::array<OpcionCompensacion, N>& tabla, int i) {
    return i >= 0 && std::size_t(i) < N ? tabla[std::size_t(i)].valor : kNaN;
}

const QString kGrado = QStringLiteral("\u00B0");
const QString kDelta = QStringLiteral("\u00B4"); // the acute accent stands for the delta

QString FormatoDiferencia(double dT) {
    return FormatoNumero(dT, u"+0.0;-0.0;0.0") + kGrado + u'C';
}

} // namespace

double Q10Revelador(int revelador) {
    return Valor(kReveladores, revelador);
}

double FactorAgitacion(int agitacion) {
    return Valor(kAgitaciones, agitacion);
}

double Q10Efectivo(int revelador, int agitacion) {
    return Q10Revelador(revelador) * FactorAgitacion(agitacion);
}

int SegundosBase(QStringView minutos, QStringView segundos) {
    const double m = RedondearPar(LeerNumeroInicial(minutos));
    const double s = RedondearPar(LeerNumeroInicial(segundos));
    auto cabe = [](double v) { return v >= double(INT_MIN) && v <= double(INT_MAX); };
    if (!cabe(m) || !cabe(s))
        return 600;
    return int(std::clamp(m, 0.0, 60.0)) * 60 + int(std::clamp(s, 0.0, 59.0));
}

double FactorCompensacion(int formula, double base, double actual, int revelador, int agitacion) {
    if (formula == kFormulaRegla7)
        return std::pow(2.0, -((actual - base) / 7.0)) / FactorAgitacion(agitacion);
    if (formula == kFormulaQ10)
        return std::pow(Q10Efectivo(revelador, agitacion), (base - actual) / 10.0);
    return kNaN;
}

QString FormatoMinSeg(int segundos) {
    return FormatoNumero(segundos / 60, u"00") + u':' + FormatoNumero(segundos % 60, u"00");
}

QString LineaFormula(int formula) {
    return formula == kFormulaRegla7
               ? QStringLiteral("factor = 2 ^ (-(dT/7)) / FactAgi  [Arrhenius/Orvande]")
               : QStringLiteral("factor = Q10ef ^ ((T_base - T_actual) / 10)  [Ilford]");
}

std::optional<int> DecimasTecleadas(const QString& texto) {
    static const QRegularExpression numero(QStringLiteral(R"(^\s*[+-]?(\d+([.,]\d*)?|[.,]\d+)\s*$)"));
    if (!numero.match(texto).hasMatch())
        return std::nullopt;
    const double grados = LeerNumeroInicial(texto, true);
    if (grados < 10 || grados > 30)
        return std::nullopt;
    return RedondearEntero(grados * 10);
}

ResultadoCompensacion CalcularCompensacion(const EntradaCompensacion& e) {
    ResultadoCompensacion r;
    const double base = e.decimasBase / 10.0;
    const double actual = e.decimasActual / 10.0;
    r.dT = actual - base;
    r.q10 = Q10Efectivo(e.revelador, e.agitacion);
    r.factor = FactorCompensacion(e.formula, base, actual, e.revelador, e.agitacion);
    r.segundosBase = SegundosBase(e.minutos, e.segundos);
    const double tiempo = RedondearPar(r.segundosBase * r.factor);
    r.error = !std::isfinite(r.factor) || !std::isfinite(r.q10) || !(tiempo <= double(INT_MAX));
    r.segundos = r.error ? 0 : std::max(1, int(tiempo));

    r.lineaFormula = LineaFormula(e.formula);
    r.lineaFactor = u"Factor: x" + FormatoNumero(r.factor, u"0.000") + u"   Q10: " +
                    FormatoNumero(r.q10, u"0.00") + u"   " + kDelta + u"T: " + FormatoDiferencia(r.dT);
    r.lineaDiferencia = kDelta + u"T = " + FormatoDiferencia(r.dT);
    r.lineaBase = u"= " + FormatoMinSeg(r.segundosBase);
    r.resultado = r.error ? QStringLiteral("Err") : FormatoMinSeg(r.segundos);
    return r;
}

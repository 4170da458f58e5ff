#include "formulas/EscalaFormula.h"

#include "shell/Numeros.h"

#include <QRegularExpression>
#include <cmath>

namespace formulas {

namespace {

struct Unidad {
    const char16_t* nombre;
    double base;           // grams or millilitres per unit
    const char16_t* menor; // shown instead below one unit, or null
};

// mg and g count in grams, the volumes in millilitres.
constexpr Unidad kUnidades[] = {
    {u"mg", 0.001, nullptr}, {u"g", 1, nullptr},   {u"kg", 1000, u"g"},  {u"ml", 1, nullptr},
    {u"cc", 1, nullptr},     {u"cm3", 1, nullptr}, {u"cm³", 1, nullptr}, {u"cl", 10, nullptr},
    {u"dl", 100, nullptr},   {u"l", 1000, u"ml"},
};

const Unidad* BuscarUnidad(const QString& unidad) {
    const QString u = unidad.trimmed();
    for (const Unidad& x : kUnidades)
        if (u.compare(QStringView(x.nombre), Qt::CaseInsensitive) == 0)
            return &x;
    return nullptr;
}

bool EsNumeroSimple(const QString& texto) {
    static const QRegularExpression numero(QStringLiteral("^(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    return numero.match(texto.trimmed()).hasMatch();
}

// Two decimals at most, without trailing zeros.
QString Corto(double valor) {
    QString t = FormatoNumero(valor, u"0.00");
    while (t.endsWith(u'0'))
        t.chop(1);
    if (!t.isEmpty() && !t.back().isDigit())
        t.chop(1);
    return t;
}

// Whole from 10 up, 0.1 from 1 up, 0.01 below; litres and kilograms with up to two decimals.
QString Formatear(double valor, bool unidadMayor) {
    if (unidadMayor || valor < 0.995)
        return Corto(valor);
    return FormatoNumero(valor, valor >= 9.95 ? u"0" : u"0.0");
}

} // namespace

std::optional<double> LeerVolumen(const QString& texto, const QString& unidad) {
    const QString u = unidad.trimmed();
    const bool litros = u.compare(u"l", Qt::CaseInsensitive) == 0;
    if (!EsNumeroSimple(texto) || (!litros && u.compare(u"ml", Qt::CaseInsensitive) != 0))
        return std::nullopt;
    const double ml = LeerNumeroInicial(texto.trimmed(), true) * (litros ? kVolumenPublicado : 1.0);
    if (!(ml > 0) || ml > 1000 * kVolumenPublicado)
        return std::nullopt;
    return ml;
}

Cantidad EscalarCantidad(const QString& cantidad, const QString& unidad, double factor) {
    const Unidad* u = BuscarUnidad(unidad);
    if (factor == 1 || !u || !EsNumeroSimple(cantidad))
        return {cantidad, unidad};
    const double valor = LeerNumeroInicial(cantidad.trimmed(), true) * factor;
    if (u->menor && valor < 1) {
        const Unidad* menor = BuscarUnidad(QString::fromUtf16(u->menor));
        return {Formatear(valor * u->base / menor->base, false), QString::fromUtf16(u->menor)};
    }
    return {Formatear(valor, u->menor != nullptr), unidad};
}

std::vector<FilaIngrediente> EscalarFilas(std::vector<FilaIngrediente> filas, double factor) {
    for (FilaIngrediente& f : filas)
        if (!f.titulo) {
            Cantidad c = EscalarCantidad(f.cantidad, f.unidad, factor);
            f.cantidad = std::move(c.cantidad);
            f.unidad = std::move(c.unidad);
        }
    return filas;
}

QString TextoFactor(double factor) {
    return u"× " + Corto(factor);
}

} // namespace formulas

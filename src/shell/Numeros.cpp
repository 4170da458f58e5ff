#include "shell/Numeros.h"

#include <QLocale>
#include <QVarLengthArray>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {

// The C library reads and writes numbers by the process's numeric locale, which the application
// takes from the user's environment (a comma in Spanish); the helpers here always use the point.
class ConPunto {
public:
    ConPunto() : previo_(uselocale(LocaleC())) {}
    ~ConPunto() { uselocale(previo_); }
    ConPunto(const ConPunto&) = delete;
    ConPunto& operator=(const ConPunto&) = delete;

private:
    static locale_t LocaleC() {
        static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
        return c;
    }
    locale_t previo_;
};

} // namespace

double LeerNumeroInicial(QStringView texto, bool admiteComa) {
    QVarLengthArray<char, 64> buf;
    qsizetype i = 0;
    const qsizetype n = texto.size();
    while (i < n && (texto[i] == u' ' || texto[i] == u'\t'))
        ++i;
    if (i < n && (texto[i] == u'+' || texto[i] == u'-'))
        buf.append(char(texto[i++].unicode()));
    bool digitos = false, punto = false;
    for (; i < n; ++i) {
        const char16_t c = texto[i].unicode();
        if (c >= u'0' && c <= u'9') {
            buf.append(char(c));
            digitos = true;
        } else if (!punto && (c == u'.' || (admiteComa && c == u','))) {
            buf.append('.');
            punto = true;
        } else {
            break;
        }
    }
    if (!digitos)
        return 0.0;
    // An exponent counts only when digits follow it.
    if (i + 1 < n && (texto[i] == u'e' || texto[i] == u'E')) {
        qsizetype j = i + 1;
        QVarLengthArray<char, 8> exp{'e'};
        if (texto[j] == u'+' || texto[j] == u'-')
            exp.append(char(texto[j++].unicode()));
        const qsizetype inicio = j;
        while (j < n && texto[j] >= u'0' && texto[j] <= u'9')
            exp.append(char(texto[j++].unicode()));
        if (j > inicio)
            buf.append(exp.data(), exp.size());
    }
    buf.append('\0');
    const ConPunto conPunto;
    return std::strtod(buf.data(), nullptr);
}

double RedondearPar(double valor) {
    return std::nearbyint(valor);
}

int RedondearEntero(double valor) {
    const double r = std::nearbyint(valor);
    if (std::isnan(r))
        return 0;
    if (r >= double(INT_MAX))
        return INT_MAX;
    if (r <= double(INT_MIN))
        return INT_MIN;
    return int(r);
}

int TwipsAPixeles(double twips) {
    return RedondearEntero(twips / kTwipsPorPixel);
}

namespace {

// One section of a pattern: literal text before the digits, the minimum integer digits and the
// number of decimals.
struct Seccion {
    QString prefijo;
    int enteros = 1;
    int decimales = 0;
};

Seccion LeerSeccion(QStringView s) {
    Seccion r;
    qsizetype i = 0;
    while (i < s.size() && s[i] != u'0' && s[i] != u'#' && s[i] != u'.')
        r.prefijo += s[i++];
    int enteros = 0;
    while (i < s.size() && (s[i] == u'0' || s[i] == u'#')) {
        if (s[i] == u'0')
            ++enteros;
        ++i;
    }
    r.enteros = enteros;
    if (i < s.size() && s[i] == u'.') {
        ++i;
        while (i < s.size() && (s[i] == u'0' || s[i] == u'#')) {
            ++r.decimales;
            ++i;
        }
    }
    return r;
}

QString FormatearSeccion(double absoluto, const Seccion& sec) {
    char buf[64];
    const ConPunto conPunto;
    std::snprintf(buf, sizeof buf, "%0*.*f", sec.enteros + (sec.decimales ? sec.decimales + 1 : 0),
                  sec.decimales, absoluto);
    QString num = QString::fromLatin1(buf);
    if (sec.decimales)
        num.replace(u'.', QLocale().decimalPoint());
    return sec.prefijo + num;
}

} // namespace

QString FormatoNumero(double valor, QStringView patron) {
    const auto secciones = patron.split(u';');
    if (!std::isfinite(valor))
        return QString::number(valor);
    const Seccion positiva = LeerSeccion(secciones[0]);
    if (secciones.size() == 1) {
        const QString texto = FormatearSeccion(std::fabs(valor), positiva);
        // A value that rounds to zero prints without a sign.
        const bool cero = texto.count(u'0') + texto.count(QLocale().decimalPoint()) == texto.size();
        return (valor < 0 && !cero) ? u'-' + texto : texto;
    }
    const Seccion negativa = LeerSeccion(secciones[1]);
    const Seccion cero = secciones.size() > 2 ? LeerSeccion(secciones[2]) : positiva;
    // The section follows the value as it will be shown, so -0.04 with one decimal is "0.0".
    const double escala = std::pow(10.0, positiva.decimales);
    const double mostrado = RedondearPar(valor * escala);
    if (mostrado == 0)
        return FormatearSeccion(0.0, cero);
    return FormatearSeccion(std::fabs(valor), mostrado > 0 ? positiva : negativa);
}

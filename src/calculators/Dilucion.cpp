#include "calculators/Dilucion.h"

#include "shell/Numeros.h"

#include <cmath>

namespace {

double FactorUnidad(const QString& unidad) {
    if (unidad == u"ml")
        return 1;
    if (unidad == u"cl")
        return 10;
    if (unidad == u"l")
        return 1000;
    return 0;
}

ResultadoDilucion Fallo(const char16_t* mensaje) {
    ResultadoDilucion r;
    r.mensaje = QString::fromUtf16(mensaje);
    return r;
}

} // namespace

ResultadoDilucion CalcularDilucion(QStringView parte1, QStringView parte2, QStringView total,
                                   const QString& unidad, ModoDilucion modo) {
    const double a = LeerNumeroInicial(parte1, true);
    const double b = LeerNumeroInicial(parte2, true);
    const double t = LeerNumeroInicial(total, true);
    if (!(a > 0) || !(b > 0) || !(t > 0))
        return Fallo(u"Los valores deben ser n\u00FAmeros positivos.");
    if (unidad.isEmpty())
        return Fallo(u"Seleccione una unidad.");
    const double factor = FactorUnidad(unidad);
    if (factor == 0)
        return Fallo(u"Unidad no v\u00E1lida.");

    const double tml = t * factor;
    ResultadoDilucion r;
    if (modo == ModoDilucion::PartesMasPartes) {
        r.concentrado = a * tml / (b + a);
        r.agua = b * tml / (b + a);
    } else {
        if (!(b > a))
            return Fallo(
                u"En modo relaci\u00F3n de diluci\u00F3n, la segunda parte (total) debe ser mayor que la "
                u"primera (concentrado).");
        r.concentrado = a * tml / b;
        r.agua = (b - a) * tml / b;
    }
    r.concentrado /= factor;
    r.agua /= factor;
    // Huge pasted numbers overflow instead of giving a volume.
    if (!std::isfinite(r.concentrado) || !std::isfinite(r.agua))
        return Fallo(u"Error al procesar los datos. Verifique que sean n\u00FAmeros v\u00E1lidos.");
    r.textoConcentrado = FormatoNumero(r.concentrado, u"0.00") + u' ' + unidad;
    r.textoAgua = FormatoNumero(r.agua, u"0.00") + u' ' + unidad;
    return r;
}

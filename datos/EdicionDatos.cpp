#include "datos/EdicionDatos.h"

DatosNuevos DatosDelConjunto(const ConjuntoDatos& datos) {
    DatosNuevos d;
    if (const auto t = datos.find(kTablaFormulas); t != datos.end())
        for (const FilaCsv& f : t->second.filas)
            d.formulas.insert(t->second.Valor(f, QStringLiteral("IdFormula")).value_or(QString()).trimmed());
    d.cargar = [&datos](BaseDatos& bd, const std::vector<TablaEsquema>& tablas) {
        CargarTablas(bd, tablas, datos);
    };
    return d;
}

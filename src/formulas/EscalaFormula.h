#pragma once

#include "formulas/ConsultasFormulas.h"

#include <QString>
#include <optional>
#include <vector>

// Scaling a published formula, given for 1 litre, to the volume being mixed. The stored data
// never changes: only the texts shown are scaled.
namespace formulas {

inline constexpr double kVolumenPublicado = 1000.0; // millilitres

struct Cantidad {
    QString cantidad, unidad;
    bool operator==(const Cantidad&) const = default;
};

// A volume typed with a comma or a point, in "ml" or "l", as millilitres; nothing when it is not
// a positive number of at most 1000 litres.
std::optional<double> LeerVolumen(const QString& texto, const QString& unidad);

// Masses and volumes (mg, g, kg, ml, cc, cl, dl, l) are multiplied by factor; a quantity that is
// not a plain number, or in another unit, stays as it is. Litres and kilograms below one are shown
// in millilitres and grams. Factor 1 gives the stored texts unchanged.
Cantidad EscalarCantidad(const QString& cantidad, const QString& unidad, double factor);

// The ingredient lines of a formula scaled; title rows stay.
std::vector<FilaIngrediente> EscalarFilas(std::vector<FilaIngrediente> filas, double factor);

// The factor as the grid's mark shows it: "× 0,3", "× 2,5".
QString TextoFactor(double factor);

} // namespace formulas

#pragma once

#include "devtimes/TiemposPropios.h"

#include <QString>
#include <optional>
#include <variant>

// What the own-time dialog accepts: each field checked and brought to the stored form, or the
// first field at fault with a message that names it.

struct CampoInvalido {
    QString campo;   // the field's caption, e.g. "35 mm"
    QString mensaje; // whole sentence for the user
};

// "8:30", "8", "8,5" or "8.5" minutes → "8:30"; empty stays empty. Nothing for anything else.
std::optional<QString> NormalizarTiempo(const QString& texto);
// "20", "20,5", "20.5 °C" → "20", "20,5"; nothing outside 1 to 60 degrees or for non-numbers.
std::optional<QString> NormalizarTemperatura(const QString& texto);

// Lengths past which a field is refused rather than cut.
inline constexpr int kMaxNombrePropio = 200;
inline constexpr int kMaxCampoCorto = 100;
inline constexpr int kMaxNotaPropia = 10000;

std::variant<TiempoPropio, CampoInvalido> ValidarTiempoPropio(const TiempoPropio& escrito);

// A reference row as an own time the dialog accepts: an EI pair ("100/200") gives its first EI and
// a range of times ("5:00-6:00") its lower end; the note says what the reference gave.
TiempoPropio CopiaDeReferencia(const TiempoPropio& fila);

#pragma once

#include "devtimes/TiemposPropios.h"

#include <optional>

// The own-time dialog's draft: what was typed in each field, one labelled line each and the note
// last, so that a draft offered as a personal note still reads well.
QString DestinoTiempoPropio(qint64 id);
QString TextoBorradorTiempo(const TiempoPropio& t);
// The fields back, with the id of the target; nothing when the text is not such a draft.
std::optional<TiempoPropio> TiempoDeBorrador(const QString& destino, const QString& texto);
